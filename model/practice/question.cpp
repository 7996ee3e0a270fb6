// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/practice/question.h"

#include "model/band_reading.h"

#include "model/e_series.h"
#include "model/smd.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <limits>

namespace zq::model::practice {

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int Random::below(int n) {
    assert(n > 0);
    // Draws past the last whole multiple of n are thrown back, so that no remainder is favoured.
    const auto span = std::uint64_t(n);
    const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() -
                                std::numeric_limits<std::uint64_t>::max() % span;
    std::uint64_t x;
    do
        x = next();
    while (x >= limit);
    return int(x % span);
}

int Random::weighted(std::span<const int> weights) {
    int total = 0;
    for (const int w : weights)
        total += std::max(w, 0);
    if (total <= 0) return below(int(weights.size()));
    int pick = below(total);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        pick -= std::max(weights[i], 0);
        if (pick < 0) return int(i);
    }
    return int(weights.size()) - 1;
}

namespace {

constexpr std::array<std::string_view, kQuestionKinds> kKindCodes{
    "read-value", "pick-bands", "read-direction", "chip-code", "tolerance-limit"};

struct Weighted {
    int value, weight;
};

int drawFrom(Random& r, std::span<const Weighted> table) {
    std::vector<int> weights;
    for (const Weighted& w : table)
        weights.push_back(w.weight);
    return table[std::size_t(r.weighted(weights))].value;
}

// Common parts first: most four-band parts are ±5 %, most five- and six-band parts ±1 %.
constexpr Weighted kBandCounts[] = {{3, 1}, {4, 4}, {5, 4}, {6, 1}};
constexpr Weighted kBandCountsWithTolerance[] = {{4, 4}, {5, 4}, {6, 1}};
constexpr Weighted kPickedBandCounts[] = {{4, 1}, {5, 1}};
constexpr Weighted kFourBandTolerances[] = {
    {palette::kGold, 12}, {palette::kSilver, 3}, {palette::kBrown, 3}, {palette::kRed, 2}};
constexpr Weighted kFiveBandTolerances[] = {{palette::kBrown, 10}, {palette::kRed, 4},
                                            {palette::kGold, 3},   {palette::kGreen, 2},
                                            {palette::kBlue, 1},   {palette::kViolet, 1}};
constexpr Weighted kSixBandTolerances[] = {{palette::kBrown, 10},
                                           {palette::kRed, 5},
                                           {palette::kGreen, 3},
                                           {palette::kBlue, 1},
                                           {palette::kViolet, 1}};
constexpr Weighted kCoefficients[] = {{palette::kBrown, 8},
                                      {palette::kRed, 4},
                                      {palette::kYellow, 2},
                                      {palette::kOrange, 2},
                                      {palette::kBlue, 1}};
// The decade of the leading digit: ohms to megohms mostly, fractions of an ohm now and then.
constexpr Weighted kDecades[] = {{-1, 1}, {0, 2}, {1, 3}, {2, 4}, {3, 4}, {4, 3}, {5, 2}, {6, 1}};
constexpr Weighted kChipDecades[] = {{0, 2}, {1, 3}, {2, 4}, {3, 4}, {4, 3}, {5, 2}, {6, 1}};

int memberDigits(ESeries s) {
    return seriesMembers(s).front() >= 100 ? 3 : 2;
}

int toleranceColourFor(Random& r, int bands) {
    switch (bands) {
    case 4:
        return drawFrom(r, kFourBandTolerances);
    case 5:
        return drawFrom(r, kFiveBandTolerances);
    case 6:
        return drawFrom(r, kSixBandTolerances);
    default:
        return palette::kNone; // three bands: the bare body, ±20 %
    }
}

// A member of a series the tolerance is made in that the layout's digits can carry.
Decimal drawValue(Random& r, int tolerance, int digits, std::span<const Weighted> decades) {
    std::vector<ESeries> series;
    for (const ESeries s : seriesForTolerance(tolerance))
        if (memberDigits(s) <= digits) series.push_back(s);
    assert(!series.empty());
    const ESeries s = series[std::size_t(r.below(int(series.size())))];
    const std::span<const int> members = seriesMembers(s);
    const int member = members[std::size_t(r.below(int(members.size())))];
    int decade = drawFrom(r, decades);
    // Three digits and a silver multiplier reach no lower than one ohm without a leading zero.
    if (digits == 3) decade = std::max(decade, 0);
    return Decimal::of(std::uint64_t(member), decade - (memberDigits(s) - 1));
}

int toleranceOfColour(int colour) {
    return colour == palette::kNone ? colourRecord(palette::kNone).tolerance
                                    : toleranceOf(colourRecord(colour), true);
}

std::optional<Question> drawPart(QuestionKind kind, Random& r) {
    const int bands = drawFrom(r, kind == QuestionKind::ReadDirection
                                      ? std::span<const Weighted>(kBandCountsWithTolerance)
                                      : std::span<const Weighted>(kBandCounts));
    const BandLayout& layout = *layoutOf(bands);
    const int tolerance = toleranceColourFor(r, bands);
    const int coefficient = drawFrom(r, kCoefficients);
    const Decimal value = drawValue(r, toleranceOfColour(tolerance), layout.digits, kDecades);
    const bool reversed = r.below(2) == 1;
    const Limit limit = r.below(2) == 1 ? Limit::Highest : Limit::Lowest;
    const auto found = findBands(value, layout, tolerance, coefficient);
    if (!found || !found->exact) return std::nullopt;
    return questionOfPart(kind, found->colours, reversed, limit);
}

std::optional<Question> drawPick(Random& r) {
    const int bands = drawFrom(r, kPickedBandCounts);
    const int tolerance = toleranceColourFor(r, bands);
    const Decimal value =
        drawValue(r, toleranceOfColour(tolerance), layoutOf(bands)->digits, kDecades);
    return questionOfValue(value, tolerance, bands);
}

std::optional<Question> drawChip(Random& r) {
    // Three- and four-digit codes on ±5 % values, four digits and EIA-96 on ±1 % ones.
    const int tolerance = r.below(5) < 3 ? 500 : 100;
    const Decimal value = drawValue(r, tolerance, 3, kChipDecades);
    const std::vector<std::string> codes = smdCodesFor(value);
    if (codes.empty()) return std::nullopt;
    auto q = questionOfCode(codes[std::size_t(r.below(int(codes.size())))]);
    // A code that reads more usually as another value would ask the wrong question.
    if (!q || q->value != value) return std::nullopt;
    return q;
}

} // namespace

std::string_view questionKindCode(QuestionKind k) {
    return kKindCodes[std::size_t(k)];
}

std::optional<QuestionKind> questionKindOfCode(std::string_view code) {
    for (const QuestionKind k : kAllQuestionKinds)
        if (questionKindCode(k) == code) return k;
    return std::nullopt;
}

std::vector<int> DrawnPart::shown() const {
    std::vector<int> out = bands;
    if (reversed) std::reverse(out.begin(), out.end());
    return out;
}

int DrawnPart::shownBeforeGap() const {
    const BandLayout* layout = layoutOf(int(bands.size()));
    const int t = layout ? layout->toleranceBand() : 0;
    if (t == 0) return 0;
    return reversed ? layout->bands - t + 1 : t - 1;
}

std::optional<Question> questionOfPart(QuestionKind kind, std::vector<int> bands, bool reversed,
                                       Limit limit) {
    if (kind == QuestionKind::PickBands || kind == QuestionKind::ChipCode) return std::nullopt;
    const BandLayout* layout = layoutOf(int(bands.size()));
    if (!layout) return std::nullopt;
    if (kind == QuestionKind::ReadDirection && layout->toleranceBand() == 0) return std::nullopt;
    const ReadOutcome read = readBands(bands, true);
    if (!read.reading) return std::nullopt;
    Question q;
    q.kind = kind;
    q.value = read.reading->value;
    q.tolerance = read.reading->tolerance;
    const int t = layout->toleranceBand();
    q.toleranceColour = t ? bands[std::size_t(t - 1)] : palette::kNone;
    q.bandCount = layout->bands;
    q.limit = limit;
    q.part = {std::move(bands), reversed};
    q.answerEnd = q.part.readFrom();
    q.answerValue = kind != QuestionKind::ToleranceLimit ? q.value
                    : limit == Limit::Lowest             ? read.reading->min
                                                         : read.reading->max;
    return q;
}

std::optional<Question> questionOfValue(const Decimal& ohms, int toleranceColour, int bandCount) {
    if (bandCount != 4 && bandCount != 5) return std::nullopt;
    if (toleranceColour < 0 || toleranceColour >= palette::kPaintedSize ||
        !colourRecord(toleranceColour).hasTolerance() || ohms.isZero())
        return std::nullopt;
    const auto found = findBands(ohms, *layoutOf(bandCount), toleranceColour);
    if (!found || !found->exact) return std::nullopt;
    Question q;
    q.kind = QuestionKind::PickBands;
    q.value = ohms;
    q.toleranceColour = toleranceColour;
    q.tolerance = toleranceOf(colourRecord(toleranceColour), true);
    q.bandCount = bandCount;
    q.part = {found->colours, false};
    q.answerBands = found->colours;
    return q;
}

std::optional<Question> questionOfCode(std::string_view code) {
    const SmdAnswer a = readSmdCode(code);
    if (a.readings.empty() || a.readings[0].value.isZero()) return std::nullopt;
    Question q;
    q.kind = QuestionKind::ChipCode;
    q.code = a.code;
    q.value = a.readings[0].value;
    q.tolerance = a.readings[0].tolerance.value_or(0);
    q.answerValue = q.value;
    return q;
}

namespace {

// Which cues a which-end question shows. Drawn from a generator of its own, so that the
// questions that follow are the ones the seed always gave.
Question withCues(Question q, std::uint64_t state) {
    Random side(state ^ 0x5bd1e9955bd1e995ull);
    const auto coloursDecide = [](const DrawnPart& p) {
        const BandReadings r = readBothWays(p.shown());
        return !r.readings.empty() && r.readings.front().likely &&
               r.verdict.reason != VerdictReason::ToleranceColour &&
               r.verdict.reason != VerdictReason::Palindrome &&
               (r.readings.front().direction == Direction::Reversed) == p.reversed;
    };
    switch (side.below(3)) {
    case 1:
        if (coloursDecide(q.part)) q.part.cues = DrawnPart::Cues::ColoursOnly;
        return q;
    case 2:
        // A real part whose colours read both ways: only its gap tells the end.
        for (int attempt = 0; attempt < 200; ++attempt) {
            std::optional<Question> other = drawPart(QuestionKind::ReadDirection, side);
            if (!other) continue;
            const VerdictReason why = readBothWays(other->part.shown()).verdict.reason;
            if (why != VerdictReason::Undecided && why != VerdictReason::ToleranceColour) continue;
            other->part.cues = DrawnPart::Cues::GapOnly;
            return *other;
        }
        return q;
    default:
        return q;
    }
}

} // namespace

Question drawQuestion(QuestionKind kind, Random& random) {
    // A failed draw is drawn again; the tables above make failures rare, and a bound keeps a
    // broken table from hanging the window.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::optional<Question> q;
        switch (kind) {
        case QuestionKind::PickBands:
            q = drawPick(random);
            break;
        case QuestionKind::ChipCode:
            q = drawChip(random);
            break;
        default:
            q = drawPart(kind, random);
            break;
        }
        if (q) return kind == QuestionKind::ReadDirection ? withCues(*q, random.state()) : *q;
    }
    using namespace palette;
    std::optional<Question> q =
        kind == QuestionKind::PickBands  ? questionOfValue(Decimal::of(47, 2), kGold, 4)
        : kind == QuestionKind::ChipCode ? questionOfCode("472")
                                         : questionOfPart(kind, {kYellow, kViolet, kRed, kGold});
    return q ? *q : *questionOfPart(QuestionKind::ReadValue, {kYellow, kViolet, kRed, kGold});
}

} // namespace zq::model::practice
