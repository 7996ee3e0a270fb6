#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# The program on a machine without a Chinese font: it still starts, draws its window and
# says on standard error which package to install.
set -euo pipefail
bin=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$tmp/cache</cachedir>
</fontconfig>
CONF
set +e
FONTCONFIG_FILE=$tmp/fonts.conf QT_QPA_PLATFORM=offscreen ZELQUIN_QUIT_AFTER_FIRST_FRAME=1 \
  timeout 60 "$bin" 2>"$tmp/err"
rc=$?
set -e
cat "$tmp/err"
[ $rc -eq 0 ] || { echo "exit status $rc"; exit 1; }
grep -q 'fonts-arphic-uming' "$tmp/err" || { echo "no word of the font package"; exit 1; }
