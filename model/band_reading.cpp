// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/band_reading.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace zq::model {

namespace {

using R = BandRole;
using namespace palette;

// Easily confused colours; every pair within a group is.
constexpr std::array<std::initializer_list<int>, 6> kConfusable{{
    {kBrown, kRed, kOrange},
    {kRed, kOrange},
    {kBlue, kViolet},
    {kGrey, kWhite, kSilver},
    {kGold, kYellow, kOrange},
    {kBlack, kBrown},
}};

std::vector<int> ordered(std::span<const int> asSeen, Direction d) {
    std::vector<int> out(asSeen.begin(), asSeen.end());
    if (d == Direction::Reversed) std::reverse(out.begin(), out.end());
    return out;
}

// The colour on the tolerance band of a reading, or kNone when the layout has none.
int toleranceColour(const std::vector<int>& colours) {
    const int band = layoutOf(int(colours.size()))->toleranceBand();
    return band ? colours[std::size_t(band - 1)] : kNone;
}

Rule ruleOf(BandRole role) {
    switch (role) {
    case R::Digit:
        return Rule::NoDigit;
    case R::Tolerance:
        return Rule::NotATolerance;
    case R::Multiplier:
        return Rule::NoMultiplier;
    case R::Coefficient:
        return Rule::NoCoefficient;
    }
    return Rule::NoDigit;
}

RuledOut ruledOut(std::vector<int> colours, Direction d, int band, BandRole role) {
    RuledOut out;
    out.direction = d;
    out.band = band;
    out.role = role;
    out.colour = colours[std::size_t(band - 1)];
    out.rule = ruleOf(role);
    // A gold or silver end tells which end to start from, when the other end is not metal too.
    const ColourRecord& c = colourRecord(out.colour);
    out.farEndRole = layoutOf(int(colours.size()))->used().back();
    out.readFromOtherEnd = band == 1 && c.metal && !colourRecord(colours.back()).metal &&
                           allowedIn(out.farEndRole, c, true);
    out.colours = std::move(colours);
    return out;
}

bool within(const Reading& r, const Decimal& m) {
    return r.min <= m && m <= r.max;
}

bool allDigitsBlack(std::span<const int> colours) {
    const int digits = layoutOf(int(colours.size()))->digits;
    return std::all_of(colours.begin(), colours.begin() + digits,
                       [](int c) { return c == kBlack; });
}

bool leadingBlack(const std::vector<int>& colours) {
    return colours.front() == kBlack;
}

// Which of two readings is likely: 0 or 1, or -1 when nothing decides. A measurement that
// fits one reading alone outweighs everything. No part is made with a black first digit, so
// such a reading loses to any other. A value off its series is hardly ever made, whatever its
// colours, so the series decides next; a rare tolerance colour is only unusual, so it breaks
// a tie.
int decide(const BandReadingItem& a, const BandReadingItem& b, Verdict& v) {
    if (a.matches && *a.matches != *b.matches) {
        v.reason = VerdictReason::Measurement;
        return *a.matches ? 0 : 1;
    }
    if (a.leadingBlack != b.leadingBlack) {
        v.reason = VerdictReason::LeadingBlack;
        return a.leadingBlack ? 1 : 0;
    }
    if (a.series.has_value() != b.series.has_value()) {
        v.reason = VerdictReason::Series;
        return a.series ? 0 : 1;
    }
    v.bothStandard = a.series.has_value();
    const int ca = a.toleranceColour, cb = b.toleranceColour;
    if (ca != kNone && commonToleranceColour(ca) != commonToleranceColour(cb)) {
        v.reason = VerdictReason::ToleranceColour;
        return commonToleranceColour(ca) ? 0 : 1;
    }
    v.reason = VerdictReason::Undecided;
    v.toleranceBands = ca != kNone;
    return -1;
}

std::vector<BandChange> changesFor(std::span<const int> asSeen, const Decimal& m) {
    std::vector<BandChange> out;
    for (std::size_t i = 0; i < asSeen.size(); ++i)
        for (int to = 0; to < kPaintedSize; ++to) {
            if (!confusable(asSeen[i], to)) continue;
            std::vector<int> changed(asSeen.begin(), asSeen.end());
            changed[i] = to;
            const bool palindrome = std::equal(changed.begin(), changed.end(), changed.rbegin());
            for (const Direction d : {Direction::AsEntered, Direction::Reversed}) {
                if (d == Direction::Reversed && palindrome) continue;
                const std::vector<int> read = ordered(changed, d);
                const ReadOutcome o = readBands(read, true);
                if (!o.reading || allDigitsBlack(read) || !within(*o.reading, m)) continue;
                const int entered = int(i) + 1;
                const int inReading =
                    d == Direction::AsEntered ? entered : int(asSeen.size()) - int(i);
                out.push_back({entered, inReading, asSeen[i], to, d, *o.reading});
            }
        }
    return out;
}

// Where "none" may stand: as the missing tolerance band at an end of a four-band part.
bool absentBandAllowed(std::span<const int> asSeen, std::size_t at) {
    return asSeen.size() == 4 && (at == 0 || at == 3);
}

} // namespace

std::string_view directionName(Direction d) {
    return d == Direction::AsEntered ? "as-entered" : "reversed";
}

std::optional<ESeries> standardSeries(const Decimal& value, int tolerance) {
    for (const ESeries s : seriesForTolerance(tolerance))
        if (isMember(s, value)) return s;
    return std::nullopt;
}

bool confusable(int a, int b) {
    if (a == b) return false;
    for (const auto& group : kConfusable)
        if (std::find(group.begin(), group.end(), a) != group.end() &&
            std::find(group.begin(), group.end(), b) != group.end())
            return true;
    return false;
}

bool commonToleranceColour(int index) {
    return index == kGold || index == kSilver || index == kBrown || index == kRed;
}

BandReadings readBothWays(std::span<const int> asSeen, const std::optional<Decimal>& measured,
                          const Cues& cues) {
    BandReadings out;
    const int n = int(asSeen.size());
    out.bandCount = n;
    if (n < kFewestBands || n > kMostBands) {
        out.problem = InputProblem::BandCount;
        return out;
    }
    for (int i = 0; i < n; ++i) {
        const int c = asSeen[std::size_t(i)];
        if (c == kNone && !absentBandAllowed(asSeen, std::size_t(i))) {
            out.problem = InputProblem::AbsentBand;
            out.problemBand = i + 1;
            return out;
        }
        if (c < 0 || c >= kSize) {
            out.problem = InputProblem::NotAColour;
            out.problemBand = i + 1;
            return out;
        }
    }
    out.measured = measured;

    const bool palindrome = std::equal(asSeen.begin(), asSeen.end(), asSeen.rbegin());
    for (const Direction d : {Direction::AsEntered, Direction::Reversed}) {
        if (d == Direction::Reversed && palindrome) break;
        std::vector<int> colours = ordered(asSeen, d);
        const ReadOutcome o = readBands(colours, true);
        if (!o.reading) {
            out.ruledOut.push_back(ruledOut(std::move(colours), d, o.refusedBand, o.refusedRole));
            continue;
        }
        if (allDigitsBlack(colours)) {
            RuledOut none = ruledOut(std::move(colours), d, 1, BandRole::Digit);
            none.rule = Rule::AllDigitsBlack;
            none.readFromOtherEnd = false;
            out.ruledOut.push_back(std::move(none));
            continue;
        }
        BandReadingItem item;
        item.direction = d;
        item.reading = *o.reading;
        item.toleranceSeries = seriesForTolerance(item.reading.tolerance);
        item.series = standardSeries(item.reading.value, item.reading.tolerance);
        item.toleranceColour = toleranceColour(colours);
        const ColourRecord& t = colourRecord(item.toleranceColour);
        item.precision = item.toleranceColour != kNone && t.tolerance != t.iecTolerance;
        item.rareTolerance = item.toleranceColour != kNone && !item.precision &&
                             !commonToleranceColour(item.toleranceColour);
        item.leadingBlack = leadingBlack(colours);
        item.colours = std::move(colours);
        if (measured) item.matches = within(item.reading, *measured);
        out.readings.push_back(std::move(item));
    }

    auto& rs = out.readings;
    Verdict& v = out.verdict;
    if (rs.size() == 2) {
        const int winner = decide(rs[0], rs[1], v);
        if (winner >= 0) {
            rs[std::size_t(winner)].likely = true;
            if (winner == 1) std::swap(rs[0], rs[1]);
        }
    } else if (rs.size() == 1) {
        rs[0].likely = true;
        v.reason = palindrome ? VerdictReason::Palindrome : VerdictReason::OnlyOneWay;
    } else {
        v.reason = VerdictReason::Neither;
    }

    if (measured) {
        const auto matching = std::count_if(rs.begin(), rs.end(), [](const BandReadingItem& i) {
            return i.matches.value_or(false);
        });
        if (matching == 0) {
            out.changes = changesFor(asSeen, *measured);
            v.measured = out.changes.empty() ? MeasuredOutcome::NoneMatch
                                             : MeasuredOutcome::NoneMatchMisread;
        } else {
            v.measured = MeasuredOutcome::Matches;
        }
    }
    weighCues(out, cues);
    return out;
}

std::string_view codeOf(InputProblem p) {
    switch (p) {
    case InputProblem::None:
        return "";
    case InputProblem::BandCount:
        return "band-count";
    case InputProblem::AbsentBand:
        return "absent-band";
    case InputProblem::NotAColour:
        return "not-a-colour";
    }
    return "";
}

} // namespace zq::model
