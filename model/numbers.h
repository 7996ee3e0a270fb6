// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace zq::model {

// The user's decimal separator.
struct DecimalFormat {
    std::string point = ".";
};

} // namespace zq::model
