// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/answers/answers.h"

#include "wording/answers/output.h"

namespace zq::answers {

Answer refusal(const std::string& code, const std::string& reason, bool json) {
    Answer a;
    a.status = 2;
    a.err = reason + '\n';
    if (json) a.out = output::jsonText({{"error", reason}, {"code", code}});
    return a;
}

} // namespace zq::answers
