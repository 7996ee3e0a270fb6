// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/answers.h"

#include "app/answer_output.h"

namespace zq::app {

Answer refusal(const QString& code, const QString& reason, bool json) {
    Answer a;
    a.status = 2;
    a.err = reason + QLatin1Char('\n');
    if (json)
        a.out =
            output::jsonText({{QStringLiteral("error"), reason}, {QStringLiteral("code"), code}});
    return a;
}

} // namespace zq::app
