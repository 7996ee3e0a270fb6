// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The invariants that the choice rules keep, for the tests that drive them.
#include "model/band_state.h"

#include <string>

namespace zq::model {

// "" when the invariants hold, otherwise a description of the first one broken.
std::string invariantViolation(const BandState&);

} // namespace zq::model
