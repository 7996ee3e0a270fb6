// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The answers the program gives on the terminal, with no window: as text for people, or as one
// JSON object with every exact number as a decimal string.
#include <QString>
#include <QStringList>
#include <optional>

namespace zq::app {

struct Answer {
    int status = 0; // 0 answered, 2 refused
    QString out;    // standard output
    QString err;    // standard error: the reason, one line
};

struct ColoursQuestion {
    QString value;
    std::optional<QString> bands, tolerance;
    // The parts to make the value from: "E6", "E12", "E24" or a file with one value a line.
    std::optional<QString> have = {};
};

// Status 2 with the reason on standard error; with `json`, also {"error": reason, "code": code}
// on standard output, the one shape of every refusal.
Answer refusal(const QString& code, const QString& reason, bool json);

// The colours of a value. `point` is the user's decimal point.
Answer coloursAnswer(const ColoursQuestion& q, bool json, const QString& point);

// The value of a chip resistor's printed code.
Answer smdAnswer(const QString& code, bool json, const QString& point);

// What the learner saw besides the colours, as typed: the side of the wider gap, the body colour.
struct ReadCues {
    std::optional<QString> gap, body;
};

// The readings of colours seen on a part, left to right, both ways; with a measured value
// to check them against, and the cues of the part.
Answer readAnswer(const QStringList& colours, const std::optional<QString>& measured, bool json,
                  const QString& point, const ReadCues& cues = {});

} // namespace zq::app
