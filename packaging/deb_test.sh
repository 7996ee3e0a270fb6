#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package, unpacks it into a temporary root as dpkg would install it, checks
# what it carries, and starts the installed program offscreen until it has drawn its window.
# Usage: deb_test.sh <build dir> <cpack> <desktop id>
set -euo pipefail
build=$1
cpack=${2:-cpack}
id=${3:-example.zelquin.Zelquin}
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
for want in 'libqt6widgets6' 'qt6-qpa-plugins' 'libc6' \
  'fonts-arphic-uming | fonts-noto-cjk | fonts-wqy-zenhei | fonts-droid-fallback'; do
  grep -qF "$want" <<<"$depends" || fail "Depends lacks '$want': $depends"
done

root=$tmp/root
dpkg -x "$deb" "$root"
for f in usr/bin/zelquin "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
         usr/share/man/man1/zelquin.1.gz usr/share/man/zh_CN/man1/zelquin.1.gz \
         usr/share/doc/zelquin/copyright usr/share/doc/zelquin/changelog.gz; do
  [ -f "$root/$f" ] || fail "missing /$f"
done
[ -x "$root/usr/bin/zelquin" ] || fail "/usr/bin/zelquin is not executable"

# The desktop entry starts the installed program and names the installed icon.
entry=$root/usr/share/applications/$id.desktop
grep -qx 'Exec=zelquin' "$entry" || fail "desktop entry does not start zelquin"
grep -qx "Icon=$id" "$entry" || fail "desktop entry does not name the icon"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo does not name the desktop entry"

# The icon at every size of the theme, each a PNG of its size: signature, then the IHDR
# width and height.
for n in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${n}x${n}/apps/$id.png
  [ -f "$icon" ] || fail "missing the ${n} px icon"
  header=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
  [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "$n px icon is not a PNG"
  want=$(printf '%08x%08x' "$n" "$n")
  [ "${header:32:16}" = "$want" ] || fail "$n px icon is ${header:32:16}, not $want"
done
[ "$(find "$root/usr/share/icons" -type f | wc -l)" -eq 8 ] || fail "icons beyond the theme's sizes"

# The manual pages open with the English and the Chinese name line.
zcat "$root/usr/share/man/man1/zelquin.1.gz" | grep -q '^zelquin \\- colour-code resistor' ||
  fail "English manual page has no name line"
zcat "$root/usr/share/man/zh_CN/man1/zelquin.1.gz" | grep -q '^zelquin \\- 给初学者的色环电阻计算器' ||
  fail "Chinese manual page has no name line"

# The packaged program answers its options.
"$root/usr/bin/zelquin" --version | head -n1 | grep -qx 'ZelquinV1.1 1.1.0.1' ||
  fail "installed program's --version"

# The installed program, offscreen, ends by itself once its first frame is drawn.
status=0
env QT_QPA_PLATFORM=offscreen ZELQUIN_QUIT_AFTER_FIRST_FRAME=1 \
  timeout 120 "$root/usr/bin/zelquin" >"$tmp/run.log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
  cat "$tmp/run.log" >&2
  fail "installed program exited with status $status"
fi
echo "deb test: $(basename "$deb") installs and starts; Depends: $depends"
