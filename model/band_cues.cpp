// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The cues of a part in the hand, weighed after its colours: physical marks decide what the
// colours leave open, but never overrule a colour rule or a measurement.
#include "model/band_reading.h"

#include <utility>

namespace zq::model {

namespace {

Direction directionOf(const EndCue& c) {
    return c.startsFrom() == Side::Left ? Direction::AsEntered : Direction::Reversed;
}

// No rule of the colours decided the direction: nothing did, or only what is made more often
// (a standard value, a common tolerance colour), which a part in the hand outweighs.
bool open(VerdictReason r) {
    return r == VerdictReason::Undecided || r == VerdictReason::ToleranceColour ||
           r == VerdictReason::Series;
}

void choose(BandReadings& r, std::size_t winner, VerdictReason why) {
    auto& rs = r.readings;
    for (std::size_t i = 0; i < rs.size(); ++i)
        rs[i].likely = i == winner;
    if (winner == 1) std::swap(rs[0], rs[1]);
    r.verdict.reason = why;
}

} // namespace

void weighCues(BandReadings& r, const Cues& cues) {
    CueVerdict& cv = r.cues;
    cv = {};
    cv.given = cues;
    if (r.problem != InputProblem::None) return;
    auto& rs = r.readings;
    const VerdictReason colours = r.verdict.reason;
    if (cues.end) {
        const Direction d = directionOf(*cues.end);
        cv.endDirection = d;
        if (colours == VerdictReason::Palindrome) {
            cv.end = CueOutcome::NoBearing;
        } else if (rs.size() == 2 && open(colours) &&
                   !(colours == VerdictReason::Series && rs[0].direction == d)) {
            const std::size_t own = rs[0].direction == d ? 0 : 1;
            const BandReadingItem &mine = rs[own], &other = rs[1 - own];
            cv.offSeries = !mine.series && other.series;
            cv.rarerColour = mine.toleranceColour != palette::kNone &&
                             !commonToleranceColour(mine.toleranceColour) &&
                             commonToleranceColour(other.toleranceColour);
            choose(r, own, VerdictReason::EndCue);
            cv.end = CueOutcome::Decided;
        } else if (!rs.empty() && rs[0].likely && rs[0].direction == d) {
            cv.end = CueOutcome::Agrees;
        } else {
            cv.end = CueOutcome::Contradicted;
            cv.against = colours;
        }
    }
    if (cues.body) {
        const BodyColour b = *cues.body;
        const auto fits = [b](const BandReadingItem& i) {
            return bodyFits(b, i.reading.tolerance);
        };
        if (rs.empty() || !fits(rs[0])) {
            cv.body = CueOutcome::NoBearing;
        } else if (rs.size() == 2 && r.verdict.reason == VerdictReason::Undecided &&
                   *fits(rs[0]) != *fits(rs[1])) {
            choose(r, *fits(rs[0]) ? 0 : 1, VerdictReason::BodyColour);
            cv.body = CueOutcome::Decided;
        } else if (!rs[0].likely) {
            cv.body = CueOutcome::NoBearing;
        } else {
            cv.body = *fits(rs[0]) ? CueOutcome::Agrees : CueOutcome::Contradicted;
        }
    }
}

} // namespace zq::model
