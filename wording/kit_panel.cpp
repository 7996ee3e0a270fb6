// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/kit_panel.h"

#include "wording/combinations.h"
#include "wording/value.h"
#include "wording/words.h"

#include <QCoreApplication>

namespace zq::wording {

QString panelWay(const model::Combination& c, bool simplest, const model::DecimalFormat& fmt) {
    const QString off = entryError(c, fmt);
    // One part needs no sum: its value is the part's.
    const QString way =
        c.circuit == model::Circuit::single
            ? QCoreApplication::translate("KitPanel", "%1  %2").arg(ohms(c.shown, fmt), off)
            : QCoreApplication::translate("KitPanel", "%1 %2  %3")
                  .arg(circuitFormula(c, fmt), combinationResult(c, fmt), off);
    return simplest ? QCoreApplication::translate("KitPanel", "%1  ★最简单").arg(way) : way;
}

QString panelWayName(const model::Combination& c, bool simplest, const model::DecimalFormat& fmt) {
    return QCoreApplication::translate("KitPanel", "%1，%2")
        .arg(circuitName(c.circuit, int(c.parts.size())), panelWay(c, simplest, fmt));
}

QString panelPrompt() {
    return QCoreApplication::translate(
        "KitPanel", "在“由阻值查色环”窗口查一个阻值，这里给出用手头的电阻凑它的办法。");
}

QString panelChooseAWay() {
    return QCoreApplication::translate("KitPanel", "点一种凑法，看它的算式和每个电阻的色环。");
}

QString kitChoiceCaption(const QString& kitName, bool chosen) {
    return chosen ? QCoreApplication::translate("KitPanel", "●%1").arg(kitName)
                  : QCoreApplication::translate("KitPanel", "○%1").arg(kitName);
}

QString typedKitLineRefused(const model::KitLine& line) {
    return QCoreApplication::translate("KitPanel", "第 %1 行用不了：%2")
        .arg(line.line)
        .arg(kitLineReason(line));
}

QString typedKitOverLimit(model::KitLimit limit) {
    return limit == model::KitLimit::values
               ? QCoreApplication::translate("KitPanel", "我的套装最多放 %1 个阻值。")
                     .arg(model::kKitMostValues)
               : QCoreApplication::translate("KitPanel", "我的套装最多 %1 KB。")
                     .arg(model::kKitMostBytes / 1024);
}

QString kitChoiceSetAside(const QString& kitName, const QString& aside) {
    return aside.isEmpty()
               ? QCoreApplication::translate("KitPanel",
                                             "上次选的套装读不出，先用 %1；原文件没能改名留着。")
                     .arg(kitName)
               : QCoreApplication::translate("KitPanel",
                                             "上次选的套装读不出，先用 %1；原文件改名为“%2”留着。")
                     .arg(kitName, aside);
}

QString kitChoiceNotSaved(const QString& kitName) {
    return QCoreApplication::translate("KitPanel", "没能记下选了 %1，下次打开不会先选它。")
        .arg(kitName);
}

QString ownKitDropEdits() {
    return QCoreApplication::translate("KitPanel", "我的套装改过了，还没有保存。不保存就关上吗？");
}

} // namespace zq::wording
