// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The answers the program gives on the terminal, with no window: as text for people, or as one
// JSON object with every exact number as a decimal string. Every text is UTF-8.
#include <optional>
#include <string>
#include <vector>

namespace zq::answers {

struct Answer {
    int status = 0;  // 0 answered, 2 refused
    std::string out; // standard output
    std::string err; // standard error: the reason, one line
};

struct ColoursQuestion {
    std::string value;
    std::optional<std::string> bands, tolerance;
    // The parts to make the value from: "E6", "E12", "E24" or a file with one value a line.
    std::optional<std::string> have = {};
};

// Status 2 with the reason on standard error; with `json`, also {"error": reason, "code": code}
// on standard output, the one shape of every refusal.
Answer refusal(const std::string& code, const std::string& reason, bool json);

// The colours of a value. `point` is the user's decimal point.
Answer coloursAnswer(const ColoursQuestion& q, bool json, const std::string& point);

// The value of a chip resistor's printed code.
Answer smdAnswer(const std::string& code, bool json, const std::string& point);

// What the learner saw besides the colours, as typed: the side of the wider gap, the body colour.
struct ReadCues {
    std::optional<std::string> gap, body;
};

// The readings of colours seen on a part, left to right, both ways; with a measured value
// to check them against, and the cues of the part.
Answer readAnswer(const std::vector<std::string>& colours,
                  const std::optional<std::string>& measured, bool json, const std::string& point,
                  const ReadCues& cues = {});

} // namespace zq::answers
