// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences of the value window's companion panel and of the editor of the user's own kit.
#include "model/combinations/combinations.h"
#include "model/combinations/kit_file.h"
#include "model/numbers.h"
#include "wording/catalogue.h"

#include <string>

namespace zq::wording {

// Before the value window has answered anything.
std::string panelPrompt();
// One way in the panel's list, its wiring named by the formula alone so that the longest
// fits one line: "1.50KΩ ∥ 6.80KΩ ≈ 1.229KΩ  -0.45%  ★最简单".
std::string panelWay(const model::Combination& c, bool simplest,
                     const model::DecimalFormat& fmt = {});
// The same for a screen reader, with the circuit's name: "两个并联，1.50KΩ ∥ 6.80KΩ …".
std::string panelWayName(const model::Combination& c, bool simplest,
                         const model::DecimalFormat& fmt = {});
// Under the ways, before one is chosen.
std::string panelChooseAWay();
// A kit in the chooser, "●E12" when chosen, "○E12" when not.
std::string kitChoiceCaption(const std::string& kitName, bool chosen);
// The editor's own refusal: the line as the user typed it, "第 2 行用不了：…".
std::string typedKitLineRefused(const model::KitLine& line);
// The editor's refusal of a kit past a limit, which a file of it could not pass either.
std::string typedKitOverLimit(model::KitLimit limit);
// The kit chosen last could not be read back: `kitName` stands in; the file was renamed to
// `aside` (empty when even that failed).
std::string kitChoiceSetAside(const std::string& kitName, const std::string& aside);
// The kit just chosen could not be kept for the next time the panel opens.
std::string kitChoiceNotSaved(const std::string& kitName);
// Asked before unsaved edits of the own kit are dropped.
std::string ownKitDropEdits();

} // namespace zq::wording
