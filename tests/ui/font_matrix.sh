#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the font-matrix tests, and the program itself, on a machine that has one Chinese face
# only: fontconfig is limited to that face's files and DejaVu Sans. The desktop speaks
# Chinese (zh_CN) when that locale exists, so fontconfig reports Chinese family names first.
# Usage: font_matrix.sh <face> <font-matrix test binary> <program>
# Exits 77 (skipped) when the face is not installed; scripts/bootstrap installs them all.
set -euo pipefail
face=$1 tests=$2 program=$3
case $face in
  uming)      want="AR PL UMing CN"; files=(/usr/share/fonts/truetype/arphic/uming.ttc) ;;
  noto-serif) want="Noto Serif CJK SC"; files=(/usr/share/fonts/opentype/noto/NotoSerifCJK-{Regular,Bold}.ttc) ;;
  noto-sans)  want="Noto Sans CJK SC"; files=(/usr/share/fonts/opentype/noto/NotoSansCJK-{Regular,Bold}.ttc) ;;
  wqy)        want="WenQuanYi Zen Hei"; files=(/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc) ;;
  *) echo "unknown face $face"; exit 2 ;;
esac
for f in "${files[@]}"; do
  [ -f "$f" ] || { echo "$f is not installed: skipped"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/fonts"
ln -s "${files[@]}" /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
  /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf "$tmp/fonts/"
cat >"$tmp/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$tmp/fonts</dir>
  <cachedir>$tmp/cache</cachedir>
</fontconfig>
CONF
loc=C.UTF-8
locale -a 2>/dev/null | grep -qix 'zh_CN.utf8' && loc=zh_CN.UTF-8
export FONTCONFIG_FILE=$tmp/fonts.conf LC_ALL=$loc LANG=$loc QT_QPA_PLATFORM=offscreen

ZQ_EXPECT_FACE=$want "$tests"

# The program recognises the face by whichever name fontconfig gives it: no warning.
set +e
ZELQUIN_QUIT_AFTER_FIRST_FRAME=1 timeout 60 "$program" 2>"$tmp/err"
rc=$?
set -e
[ $rc -eq 0 ] || { cat "$tmp/err"; echo "exit status $rc"; exit 1; }
if grep -q 'no Chinese font' "$tmp/err"; then
  cat "$tmp/err"
  echo "warned of a missing Chinese font with $want installed"
  exit 1
fi
echo "$want ($loc): no warning"
