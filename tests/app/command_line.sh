#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed program's options, run as a console user would: no display at all.
# Each case: exit status, a line standard output holds (empty: no output), lines on standard
# error, then the arguments.
set -uo pipefail
bin=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0

check() {
  local want_rc=$1 want_out=$2 want_err_lines=$3
  shift 3
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 \
    timeout 30 "$bin" "$@" >"$tmp/out" 2>"$tmp/err"
  local rc=$? err_lines out_ok=1
  err_lines=$(wc -l <"$tmp/err")
  # An empty expectation means nothing at all on standard output.
  if [ -z "$want_out" ]; then [ -s "$tmp/out" ] && out_ok=0; else grep -qF -- "$want_out" "$tmp/out" || out_ok=0; fi
  if [ "$rc" -ne "$want_rc" ] || [ $out_ok -eq 0 ] || [ "$err_lines" -ne "$want_err_lines" ]; then
    echo "FAIL: zelquin $* -> status $rc (want $want_rc), stderr lines $err_lines (want $want_err_lines)"
    echo "  stdout: $(cat "$tmp/out")"
    echo "  stderr: $(cat "$tmp/err")"
    failed=1
  else
    echo "ok: zelquin $*"
  fi
}

check 0 '用法：zelquin [选项]' 0 --help
check 0 '--version' 0 -h
check 0 'ZelquinV1.1 1.1.0.1' 0 --version
check 0 'ZelquinV1.1 1.1.0.1' 0 -v
check 2 '' 1 --frobnicate
check 2 '' 1 -x
check 2 '' 1 extra-argument
check 2 '' 1 --frobnicate --help
# An option given twice is refused, not taken at its last value; --json alone is refused too.
check 2 '' 1 --colours 4k7 --colours 1k
check 0 '4.7' 0 --colours 4k7
# Without a display and without an option the window cannot open: one line, status 1.
check 1 '' 1

# Output is UTF-8 whatever the locale.
env -u DISPLAY LC_ALL=C "$bin" --help | iconv -f UTF-8 -t UTF-8 >/dev/null || {
  echo "FAIL: --help under LC_ALL=C is not UTF-8"
  failed=1
}
# An answer that cannot be written is a failure, said on standard error.
for args in "--version" "--colours 4k7"; do
  env -u DISPLAY LC_ALL=C.UTF-8 "$bin" $args >/dev/full 2>"$tmp/err"
  rc=$?
  if [ $rc -eq 0 ] || [ ! -s "$tmp/err" ]; then
    echo "FAIL: zelquin $args >/dev/full -> status $rc, stderr '$(cat "$tmp/err")'"
    failed=1
  else
    echo "ok: zelquin $args >/dev/full -> $(cat "$tmp/err")"
  fi
done
# The refusals name what went wrong, in one line.
env -u DISPLAY LC_ALL=C.UTF-8 "$bin" --colours 4k7 --colours 1k 2>"$tmp/err" >/dev/null
grep -qF '选项“--colours”只能给一次' "$tmp/err" || { echo "FAIL: twice: $(cat "$tmp/err")"; failed=1; }
env -u DISPLAY LC_ALL=C.UTF-8 "$bin" --json 2>"$tmp/err" >/dev/null
rc=$?
[ $rc -eq 2 ] && grep -qF -- '--colours、--read 或 --smd' "$tmp/err" ||
  { echo "FAIL: --json alone -> $rc: $(cat "$tmp/err")"; failed=1; }
# The version line is the first line, exactly.
first=$(env -u DISPLAY "$bin" --version | head -n1)
[ "$first" = 'ZelquinV1.1 1.1.0.1' ] || { echo "FAIL: first version line '$first'"; failed=1; }
exit $failed
