#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later

"""Splits the instructions of a callgrind profile into font resolution, text (shaping,
glyph loading and drawing), picture decoding and the rest.

A category is a set of functions picked by name. Its cost is the inclusive cost of the calls
that enter it from outside: from a caller that the program reaches without passing through
the category (helpers without symbols called only from inside it do not count twice). The
categories are taken in order of precedence -- fonts, pictures, text -- and what a later one
spends inside an earlier one belongs to the earlier one. Names are the library's exported
symbols, so the split is an approximation; the totals are exact.

Usage: callgrind_breakdown.py NAME=callgrind.out [NAME=callgrind.out ...]
Prints one markdown table with a column for each profile, in millions of instructions.
"""
import re
import sys
from collections import defaultdict

CATEGORIES = [
    ("font resolution", re.compile(
        r"^(QFontDatabase::|QFontDatabasePrivate::|QFontconfigDatabase::|QFontPrivate::engineForScript"
        r"|QFontInfo::|QFont::insertSubstitution|QFont::substitute|Fc[A-Z])")),
    ("picture decoding", re.compile(
        r"^(QImageReader::|QPixmap::load|QPlatformPixmap::fromFile|QIcon::addFile"
        r"|QPixmapIconEngine::addFile|QPngHandler|QImageIOHandler::|png_|inflate)")),
    ("text: shaping, glyphs, drawing", re.compile(
        r"^(QTextEngine::|QFontMetrics|QPainter::drawText|QPainter::drawTextItem|QPaintEngineEx::drawTextItem"
        r"|QRasterPaintEngine::drawTextItem|QRasterPaintEngine::drawCachedGlyphs|QFontEngine|QTextLayout::"
        r"|QStackTextEngine|QImageTextureGlyphCache|QTextureGlyphCache|hb_|FT_)")),
]


def parse(path):
    """Self cost per function and inclusive cost per call arc (caller, callee)."""
    names = {}
    self_cost = defaultdict(int)
    arcs = defaultdict(int)
    fn = cfn = None
    after_calls = False
    total = None
    ref = re.compile(r"^\((\d+)\)(?: (.*))?$")

    def name_of(value):
        m = ref.match(value)
        if not m:
            return value
        if m.group(2) is not None:
            names[m.group(1)] = m.group(2)
        return names.get(m.group(1), value)

    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line:
                continue
            c = line[0]
            if c.isdigit() or c in "+-*":
                parts = line.split()
                cost = int(parts[1]) if len(parts) > 1 else 0
                if after_calls:
                    arcs[(fn, cfn)] += cost
                    after_calls = False
                else:
                    self_cost[fn] += cost
            elif line.startswith("fn="):
                fn = name_of(line[3:])
            elif line.startswith("cfn="):
                cfn = name_of(line[4:])
            elif line.startswith("calls="):
                after_calls = True
            elif line.startswith("totals:") or line.startswith("summary:"):
                total = int(line.split()[1])
    if total is None:
        total = sum(self_cost.values())
    return total, self_cost, arcs


def reachable_avoiding(callees, roots, members):
    seen = set()
    stack = [r for r in roots if r not in members]
    while stack:
        f = stack.pop()
        if f in seen:
            continue
        seen.add(f)
        stack.extend(g for g in callees.get(f, ()) if g not in members and g not in seen)
    return seen


def breakdown(path):
    total, self_cost, arcs = parse(path)
    functions = set(self_cost) | {a for a, _ in arcs} | {b for _, b in arcs}
    callees, called = defaultdict(set), set()
    for (a, b) in arcs:
        if a != b:
            callees[a].add(b)
            called.add(b)
    roots = [f for f in functions if f not in called]
    members = [{f for f in functions if f and pat.match(f)} for _, pat in CATEGORIES]
    outside = [reachable_avoiding(callees, roots, m) for m in members]

    def entered_from_outside(k, caller):
        # the caller runs outside category k and outside every category before it
        if caller in members[k] or caller not in outside[k]:
            return False
        return all(caller not in members[h] and caller in outside[h] for h in range(k))

    result = []
    for k in range(len(CATEGORIES)):
        cost = 0
        for (a, b), c in arcs.items():
            if b in members[k] and entered_from_outside(k, a):
                cost += c
            # an earlier category entered from inside this one is the earlier one's
            for h in range(k):
                if (b in members[h] and a not in members[h] and a in outside[h]
                        and (a in members[k] or a not in outside[k])):
                    cost -= c
        result.append(cost)
    return total, result


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    cols = []
    for arg in argv[1:]:
        label, _, path = arg.partition("=")
        cols.append((label, breakdown(path)))
    m = lambda v: f"{v / 1e6:.1f} M"
    print("| instructions | " + " | ".join(label for label, _ in cols) + " |")
    print("| --- |" + " ---: |" * len(cols))
    for k, (name, _) in enumerate(CATEGORIES):
        print(f"| {name} | " + " | ".join(m(b[1][k]) for _, b in cols) + " |")
    print("| rest | " + " | ".join(m(b[0] - sum(b[1])) for _, b in cols) + " |")
    print("| **whole start-up** | " + " | ".join(f"**{m(b[0])}**" for _, b in cols) + " |")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
