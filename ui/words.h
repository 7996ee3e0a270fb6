// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The windows show the wording layer's sentences, which it writes in UTF-8.
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace zq::ui {

inline QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

inline QStringList q(const std::vector<std::string>& lines) {
    QStringList out;
    out.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines)
        out << q(line);
    return out;
}

} // namespace zq::ui
