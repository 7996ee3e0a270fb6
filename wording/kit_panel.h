// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The sentences of the value window's companion panel and of the editor of the user's own kit.
#include "model/combinations/combinations.h"
#include "model/combinations/kit_file.h"
#include "model/numbers.h"

#include <QString>

namespace zq::wording {

// Before the value window has answered anything.
QString panelPrompt();
// One way in the panel's list, its wiring named by the formula alone so that the longest
// fits one line: "1.50KΩ ∥ 6.80KΩ ≈ 1.229KΩ  -0.45%  ★最简单".
QString panelWay(const model::Combination& c, bool simplest, const model::DecimalFormat& fmt = {});
// The same for a screen reader, with the circuit's name: "两个并联，1.50KΩ ∥ 6.80KΩ …".
QString panelWayName(const model::Combination& c, bool simplest,
                     const model::DecimalFormat& fmt = {});
// Under the ways, before one is chosen.
QString panelChooseAWay();
// A kit in the chooser, "●E12" when chosen, "○E12" when not.
QString kitChoiceCaption(const QString& kitName, bool chosen);
// The editor's own refusal: the line as the user typed it, "第 2 行用不了：…".
QString typedKitLineRefused(const model::KitLine& line);
// The editor's refusal of a kit past a limit, which a file of it could not pass either.
QString typedKitOverLimit(model::KitLimit limit);
// The kit chosen last could not be read back: `kitName` stands in; the file was renamed to
// `aside` (empty when even that failed).
QString kitChoiceSetAside(const QString& kitName, const QString& aside);
// The kit just chosen could not be kept for the next time the panel opens.
QString kitChoiceNotSaved(const QString& kitName);
// Asked before unsaved edits of the own kit are dropped.
QString ownKitDropEdits();

} // namespace zq::wording
