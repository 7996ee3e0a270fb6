#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# Without any display the program says so in one line, instead of Qt's own abort.
set -uo pipefail
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$1" 2>&1 >/dev/null)
rc=$?
echo "$err"
[ $rc -eq 1 ] && [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && [[ $err == *"no display"* ]]
