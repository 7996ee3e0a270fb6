#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# The colours of a value on the terminal: no display needed, 0 with the answer on standard
# output, 2 with the reason on standard error and nothing on standard output.
set -uo pipefail
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 timeout 30 "$1" "${@:2}"; }

out=$(run "$1" --colours 4.7k --bands 4 2>/dev/null)
rc=$?
echo "$out"
[ $rc -eq 0 ] || { echo "status $rc for 4.7k"; exit 1; }
[[ $out == *"色环：黄 紫 红 金"* && $out == *"4.465KΩ ～ 4.935KΩ"* ]] || { echo "wrong answer"; exit 1; }

err=$(run "$1" --colours 4..7k 2>&1 >/dev/null)
rc=$?
out=$(run "$1" --colours 4..7k 2>/dev/null)
echo "$err"
[ $rc -eq 2 ] || { echo "status $rc for 4..7k"; exit 1; }
[ -z "$out" ] || { echo "an answer for bad input"; exit 1; }
[ "$err" = "阻值里只能有一个小数点。" ] || { echo "wrong reason"; exit 1; }

# A five-band part without its fifth band would be read as another value: refused, with why.
err=$(run "$1" --colours 20k --bands 5 --tolerance 20% 2>&1 >/dev/null)
rc=$?
echo "$err"
[ $rc -eq 2 ] || { echo "status $rc for 20k on five bands at ±20%"; exit 1; }
[[ $err == "五环电阻不能没有误差环（±20%）"* ]] || { echo "wrong reason"; exit 1; }
# A precision tolerance is answered, with its note.
out=$(run "$1" --colours 4.7k --tolerance 灰 2>/dev/null)
rc=$?
[ $rc -eq 0 ] || { echo "status $rc for grey"; exit 1; }
[[ $out == *"误差：±0.01%，"* && $out == *"灰色误差环是 IEC 60062:2016 标准给的精密误差"* ]] ||
    { echo "wrong answer for grey"; exit 1; }
exit 0
