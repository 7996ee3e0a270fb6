// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/kit_panel.h"

#include "wording/combinations.h"
#include "wording/value.h"
#include "wording/words.h"

namespace zq::wording {

std::string panelWay(const model::Combination& c, bool simplest, const model::DecimalFormat& fmt) {
    const std::string off = entryError(c, fmt);
    // One part needs no sum: its value is the part's.
    const std::string way = c.circuit == model::Circuit::single
                                ? translate("KitPanel", "%1  %2").arg(ohms(c.shown, fmt), off)
                                : translate("KitPanel", "%1 %2  %3")
                                      .arg(circuitFormula(c, fmt), combinationResult(c, fmt), off);
    return simplest ? translate("KitPanel", "%1  ★最简单").arg(way) : way;
}

std::string panelWayName(const model::Combination& c, bool simplest,
                         const model::DecimalFormat& fmt) {
    return translate("KitPanel", "%1，%2")
        .arg(circuitName(c.circuit, int(c.parts.size())), panelWay(c, simplest, fmt));
}

std::string panelPrompt() {
    return translate("KitPanel",
                     "在“由阻值查色环”窗口查一个阻值，这里给出用手头的电阻凑它的办法。");
}

std::string panelChooseAWay() {
    return translate("KitPanel", "点一种凑法，看它的算式和每个电阻的色环。");
}

std::string kitChoiceCaption(const std::string& kitName, bool chosen) {
    return chosen ? translate("KitPanel", "●%1").arg(kitName)
                  : translate("KitPanel", "○%1").arg(kitName);
}

std::string typedKitLineRefused(const model::KitLine& line) {
    return translate("KitPanel", "第 %1 行用不了：%2").arg(line.line).arg(kitLineReason(line));
}

std::string typedKitOverLimit(model::KitLimit limit) {
    return limit == model::KitLimit::values
               ? translate("KitPanel", "我的套装最多放 %1 个阻值。").arg(model::kKitMostValues)
               : translate("KitPanel", "我的套装最多 %1 KB。").arg(model::kKitMostBytes / 1024);
}

std::string kitChoiceSetAside(const std::string& kitName, const std::string& aside) {
    return aside.empty()
               ? translate("KitPanel", "上次选的套装读不出，先用 %1；原文件没能改名留着。")
                     .arg(kitName)
               : translate("KitPanel", "上次选的套装读不出，先用 %1；原文件改名为“%2”留着。")
                     .arg(kitName, aside);
}

std::string kitChoiceNotSaved(const std::string& kitName) {
    return translate("KitPanel", "没能记下选了 %1，下次打开不会先选它。").arg(kitName);
}

std::string ownKitDropEdits() {
    return translate("KitPanel", "我的套装改过了，还没有保存。不保存就关上吗？");
}

} // namespace zq::wording
