# SPDX-FileCopyrightText: 2026 泽昆软件
# SPDX-License-Identifier: GPL-3.0-or-later
"""The check for sentences put together outside wording/, on both sides of each rule."""
import importlib.machinery, importlib.util, os, sys

path = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "check-catalogue")
loader = importlib.machinery.SourceFileLoader("check_catalogue", path)
check = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
loader.exec_module(check)

CASES = [  # code, whether it puts a sentence together
    ('x = tr("误差范围：%1").arg(wording::range(a));', True),
    ('x = tr("选项“%1”不带值").arg(name);', False),
    ('note(tr("例如 4.7k，按回车查色环。"));', True),
    ('x = tr("标准值") + tr("点一下填入：");', True),
    ('x = heading + QCoreApplication::translate("W", "点一下填入：");', True),
    ('x = QString(42, u\'*\') + translate("W", "注 意") + QString(31, u\'*\');', False),
    ('text += translate("W", "作者：%1").arg(name) + kBreak;', False),
    ('box(QStringLiteral("= ") + wording::ohms(v));', True),
    ('box(wording::resultOhms(v, true));', False),
    ('note = q(wording::threeBandsAsFour()) + note;', True),
    ('text += q(wording::handOverNote(h)) + kBreak;', False),
    ('// tr("a") + tr("b") in a comment\nx = tr("关闭");', False),
]
failed = [(code, want) for code, want in CASES if bool(check.joins_in(code)) != want]
for code, want in failed:
    print(f"{'missed' if want else 'wrongly found'}: {code}")
sys.exit(1 if failed else 0)
