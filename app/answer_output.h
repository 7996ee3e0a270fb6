// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the terminal answers share: exact numbers as decimal strings, one JSON object a line.
#include "app/answers.h"
#include "model/colour_code.h"
#include "model/decimal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq::app::output {

inline QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Exact numbers travel as decimal strings with "." as the point, whatever the locale.
inline QString exact(const model::Decimal& d) {
    return q(d.text());
}

inline QString jsonText(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

inline QString hundredthsPercent(int hundredths) {
    return exact(model::Decimal::of(std::uint64_t(hundredths), -2));
}

inline QJsonValue optionalPercent(const std::optional<int>& hundredths) {
    return hundredths ? QJsonValue(hundredthsPercent(*hundredths)) : QJsonValue();
}

inline QJsonArray stringArray(const std::vector<std::string>& items) {
    QJsonArray out;
    for (const std::string& s : items)
        out << q(s);
    return out;
}

inline QJsonArray englishNames(const std::vector<int>& colours) {
    QJsonArray out;
    for (const int c : colours)
        out << q(model::colourRecord(c).english);
    return out;
}

} // namespace zq::app::output
