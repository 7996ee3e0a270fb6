#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/spdx-headers on a small repository of every kind of file it knows: each gets the
# two tags in its own comment syntax, in a place that keeps the file working; files it cannot
# comment are left alone and reported; a second run changes nothing.
# Usage: spdx_headers_test.sh <source dir>
set -uo pipefail
script=$1/scripts/spdx-headers
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

repo=$tmp/repo
mkdir -p "$repo/scripts" "$repo/docs"
cp "$script" "$repo/scripts/spdx-headers"
cd "$repo" || exit 1
git init -q .
printf '// What this does.\nint x;\n' >a.cpp
printf '#pragma once\n' >b.h
printf '#!/bin/sh\necho hi\n' >run.sh
printf '#!/usr/bin/env bash\necho hi\n' >tool
printf '<?xml version="1.0"?>\n<a/>\n' >m.xml.in
printf '.TH X 1\n.SH NAME\n' >x.1.in
printf 'add_library(x a.cpp)\n' >CMakeLists.txt
printf '[Desktop Entry]\nName=X\n' >x.desktop.in
printf '\x89PNG\r\n\x1a\n' >docs/shot.png
printf '# Title\n' >docs/notes.md
printf 'plain words\n' >notes.weird
# The tags are spelt in two pieces here, so that licence tools do not take them for this
# file's own.
tag=SPDX-
printf '// %sLicense-Identifier: MIT\nint y;\n' "$tag" >tagged.cpp
git add -A

out=$(scripts/spdx-headers 2>&1)
rc=$?
[ $rc -eq 1 ] || fail "status $rc with a file of unknown kind (want 1)"
grep -q 'no comment syntax known for notes.weird' <<<"$out" || fail "unknown kind not reported: $out"

copy="${tag}FileCopyrightText: 2026 泽昆软件"
licence="${tag}License-Identifier: GPL-3.0-or-later"
# file | line of the copyright tag | comment opening | comment closing
while IFS='|' read -r file line opening closing; do
  got=$(sed -n "${line}p" "$file")
  [ "$got" = "$opening$copy$closing" ] || fail "$file line $line: '$got'"
  got=$(sed -n "$((line + 1))p" "$file")
  [ "$got" = "$opening$licence$closing" ] || fail "$file line $((line + 1)): '$got'"
done <<'TABLE'
a.cpp|1|// |
b.h|1|// |
run.sh|2|# |
tool|2|# |
m.xml.in|2|<!-- | -->
x.1.in|1|.\" |
CMakeLists.txt|1|# |
x.desktop.in|1|# |
scripts/spdx-headers|2|# |
TABLE

# What must stay first does, and the original text follows whole.
[ "$(head -n1 run.sh)" = '#!/bin/sh' ] || fail "shebang moved"
[ "$(head -n1 m.xml.in)" = '<?xml version="1.0"?>' ] || fail "XML declaration moved"
[ "$(tail -n2 a.cpp)" = "$(printf '// What this does.\nint x;')" ] || fail "a.cpp body changed"
sh run.sh >/dev/null || fail "run.sh no longer runs"

# Left alone: pictures and Markdown (covered elsewhere), a file with its own tag, the unknown.
git diff --quiet -- docs/shot.png docs/notes.md tagged.cpp notes.weird || fail "touched a file it must leave"

git add -A
out=$(scripts/spdx-headers 2>&1)
git diff --quiet || fail "second run changed files: $(git diff --stat)"
grep -q '0 file(s) given headers' <<<"$out" || fail "second run: $out"
[ $failed -eq 0 ] && echo "spdx-headers: all cases passed"
exit $failed
