#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root as dpkg would install it, checks
# what it carries, and starts the installed program offscreen until it has drawn its window.
# Usage: deb_test.sh <build dir> <cpack>
set -euo pipefail
build=$1
cpack=${2:-cpack}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() {
  echo "deb test: $*" >&2
  exit 1
}

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log" >&2
  fail "cpack failed"
fi
debs=("$tmp"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, got: ${debs[*]}"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = zelquin ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
for want in 'libqt6widgets6' 'qt6-qpa-plugins' 'fonts-arphic-uming | fonts-wqy-zenhei' 'libc6'; do
  grep -qF "$want" <<<"$depends" || fail "Depends lacks '$want': $depends"
done

root=$tmp/root
dpkg -x "$deb" "$root"
for f in usr/bin/zelquin usr/share/applications/zelquin.desktop \
         usr/share/icons/hicolor/48x48/apps/zelquin.png; do
  [ -f "$root/$f" ] || fail "missing /$f"
done
[ -x "$root/usr/bin/zelquin" ] || fail "/usr/bin/zelquin is not executable"

# The desktop entry starts the installed program and names the installed icon.
entry=$root/usr/share/applications/zelquin.desktop
grep -qx 'Exec=zelquin' "$entry" || fail "desktop entry does not start zelquin"
grep -qx 'Icon=zelquin' "$entry" || fail "desktop entry does not name the icon"

# The icon is a 48 x 48 PNG: signature, then the IHDR width and height.
header=$(od -An -tx1 -N24 "$root/usr/share/icons/hicolor/48x48/apps/zelquin.png" | tr -d ' \n')
[ "${header:0:16}" = 89504e470d0a1a0a ] || fail "icon is not a PNG"
[ "${header:32:16}" = 0000003000000030 ] || fail "icon is not 48 x 48 (IHDR ${header:32:16})"

# The installed program, offscreen, ends by itself once its first frame is drawn.
status=0
env QT_QPA_PLATFORM=offscreen ZELQUIN_QUIT_AFTER_FIRST_FRAME=1 \
  timeout 120 "$root/usr/bin/zelquin" >"$tmp/run.log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
  cat "$tmp/run.log" >&2
  fail "installed program exited with status $status"
fi
echo "deb test: $(basename "$deb") installs and starts; Depends: $depends"
