#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the reference-picture tests where every pixel is fixed: fontconfig limited to AR PL
# UMing and DejaVu Sans with its rendering written out, one locale, one pixel per pixel.
# Usage: reference_pictures.sh <reference-picture test binary> [gtest arguments]
# Exits 77 (skipped) when AR PL UMing is not installed; scripts/bootstrap installs it.
set -euo pipefail
tests=$1
shift
files=(/usr/share/fonts/truetype/arphic/uming.ttc /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)
for f in "${files[@]}"; do
  [ -f "$f" ] || { echo "$f is not installed: skipped"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/fonts"
ln -s "${files[@]}" "$tmp/fonts/"
# A Debian desktop's rendering, written out so that no machine's own settings change the pictures.
cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$tmp/fonts</dir>
  <cachedir>$tmp/cache</cachedir>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="autohint" mode="assign"><bool>false</bool></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcdnone</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>true</bool></edit>
  </match>
</fontconfig>
CONF
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME
export FONTCONFIG_FILE=$tmp/fonts.conf LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
  QT_ENABLE_HIGHDPI_SCALING=0
export ZQ_REFERENCE_OUT=${ZQ_REFERENCE_OUT:-$PWD/reference-pictures}
exec "$tests" "$@"
