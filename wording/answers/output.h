// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the terminal answers share: exact numbers as decimal strings, one JSON object a line.
#include "model/colour_code.h"
#include "model/decimal.h"
#include "wording/answers/answers.h"
#include "wording/json.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq::answers::output {

using wording::Json;

// Exact numbers travel as decimal strings with "." as the point, whatever the locale.
inline std::string exact(const model::Decimal& d) {
    return d.text();
}

inline std::string jsonText(const Json::Object& o) {
    return wording::compactText(o) + '\n';
}

inline std::string hundredthsPercent(int hundredths) {
    return exact(model::Decimal::of(std::uint64_t(hundredths), -2));
}

inline Json optionalPercent(const std::optional<int>& hundredths) {
    return hundredths ? Json(hundredthsPercent(*hundredths)) : Json();
}

inline Json::Array stringArray(const std::vector<std::string>& items) {
    return Json::Array(items.begin(), items.end());
}

inline Json::Array englishNames(const std::vector<int>& colours) {
    Json::Array out;
    for (const int c : colours)
        out.emplace_back(model::colourRecord(c).english);
    return out;
}

} // namespace zq::answers::output
