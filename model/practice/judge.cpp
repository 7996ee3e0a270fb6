// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/practice/judge.h"

#include "model/value_input.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>

namespace zq::model::practice {

namespace {

using namespace palette;

constexpr std::array<std::string_view, kMistakeKinds + 1> kMistakeCodes{
    "wrong-end", "band-count",        "multiplier-off", "confused-colour",
    "unit-slip", "tolerance-misread", "against-gap",    "other"};

constexpr std::array<std::initializer_list<int>, 5> kLookAlikes{{
    {kBrown, kRed, kOrange},
    {kBlue, kViolet},
    {kGrey, kWhite, kSilver},
    {kGold, kYellow, kOrange},
    {kBlack, kBrown},
}};

bool validColour(int c) {
    return c >= 0 && c < kSize;
}

// What the digit and multiplier bands say when the rest of the part is not looked at: the
// reading of someone who has the order or the layout wrong.
std::optional<Decimal> digitsTimesMultiplier(std::span<const int> colours, int digits) {
    if (int(colours.size()) <= digits) return std::nullopt;
    std::uint64_t significand = 0;
    for (int i = 0; i < digits; ++i) {
        const int c = colours[std::size_t(i)];
        if (!validColour(c) || !colourRecord(c).hasDigit()) return std::nullopt;
        significand = significand * 10 + std::uint64_t(colourRecord(c).digit);
    }
    const int m = colours[std::size_t(digits)];
    if (!validColour(m) || !colourRecord(m).hasMultiplier()) return std::nullopt;
    return Decimal::of(significand, colourRecord(m).power);
}

int toleranceOn(int colour) {
    return validColour(colour) ? toleranceOf(colourRecord(colour), true) : 0;
}

// The power of ten that takes `from` to `to`, when there is one.
std::optional<int> powerBetween(const Decimal& from, const Decimal& to) {
    if (from.isZero() || to.isZero() || from.digits() != to.digits()) return std::nullopt;
    return to.exponent() - from.exponent();
}

struct Candidate {
    Decimal value;
    Mistake mistake;
};

// Typed answers: what each kind of mistake would make of the question.
class Candidates {
  public:
    explicit Candidates(const Question& q) : q_(q) {
        if (q.kind == QuestionKind::ChipCode)
            fromCode();
        else if (q.kind != QuestionKind::PickBands && q.kind != QuestionKind::ReadDirection)
            fromPart();
    }
    std::vector<Candidate> take() && { return std::move(list_); }

  private:
    Decimal answerFor(const Decimal& value, int tolerance) const {
        if (q_.kind != QuestionKind::ToleranceLimit) return value;
        return withTolerance(value, tolerance, q_.limit == Limit::Lowest ? -1 : +1);
    }
    void add(const std::optional<Decimal>& value, int tolerance, Mistake m) {
        if (!value) return;
        const Decimal answer = answerFor(*value, tolerance);
        if (answer != q_.answerValue) list_.push_back({answer, m});
    }

    void fromPart() {
        const std::vector<int>& bands = q_.part.bands;
        const BandLayout& layout = *layoutOf(int(bands.size()));
        const int digits = layout.digits;
        const int t = layout.toleranceBand();
        std::vector<int> turned(bands.rbegin(), bands.rend());
        const int turnedTolerance = t ? toleranceOn(turned[std::size_t(t - 1)]) : 0;
        add(digitsTimesMultiplier(turned, digits), turnedTolerance ? turnedTolerance : q_.tolerance,
            {MistakeKind::WrongEnd});
        if (digits == 3) { // the third digit taken for the multiplier, as on four bands
            const int asTolerance = toleranceOn(bands[3]);
            add(digitsTimesMultiplier(bands, 2), asTolerance ? asTolerance : q_.tolerance,
                {MistakeKind::BandCount});
        } else if (bands.size() == 4) { // the multiplier taken for a third digit
            add(digitsTimesMultiplier(bands, 3), q_.tolerance, {MistakeKind::BandCount});
        }
        for (int i = 0; i <= digits; ++i) {
            const int shown = bands[std::size_t(i)];
            for (const int taken : confusablesOf(shown)) {
                std::vector<int> seen = bands;
                seen[std::size_t(i)] = taken;
                Mistake m{MistakeKind::ConfusedColour, i + 1, shown, taken};
                add(digitsTimesMultiplier(seen, digits), q_.tolerance, m);
            }
        }
        if (q_.kind == QuestionKind::ToleranceLimit) {
            // The colours that look like the tolerance band's first, so that they are named.
            std::vector<int> colours = confusablesOf(q_.toleranceColour);
            for (const ColourRecord& c : colourRecords())
                if (std::find(colours.begin(), colours.end(), c.index) == colours.end())
                    colours.push_back(c.index);
            for (const int c : colours) {
                const int tolerance = toleranceOn(c);
                if (tolerance == 0 || tolerance == q_.tolerance) continue;
                Mistake m{MistakeKind::ToleranceMisread, t, q_.toleranceColour, c};
                m.takenTolerance = tolerance;
                add(q_.value, tolerance, m);
            }
        }
    }

    void fromCode() {
        const std::string& code = q_.code;
        const bool allDigits = !code.empty() && std::all_of(code.begin(), code.end(), [](char c) {
            return c >= '0' && c <= '9';
        });
        if (!allDigits || code.size() < 3) return;
        auto number = [&](std::size_t n) {
            return Decimal::fromParts(std::string_view(code).substr(0, n), "", 0);
        };
        // The power digit read as one digit more.
        Mistake asDigit{MistakeKind::MultiplierOff};
        const Decimal whole = number(code.size());
        asDigit.powerOff = powerBetween(q_.value, whole).value_or(0);
        add(whole, 0, asDigit);
        // Four digits read as three: the third digit taken for the power.
        if (code.size() == 4) add(number(2).shifted(code[2] - '0'), 0, {MistakeKind::BandCount});
    }

    const Question& q_;
    std::vector<Candidate> list_;
};

Mistake powerMistake(int power, int multiplierBand, int shownMultiplier) {
    Mistake m;
    m.kind = std::abs(power) % 3 == 0 ? MistakeKind::UnitSlip : MistakeKind::MultiplierOff;
    m.powerOff = power;
    if (m.kind == MistakeKind::MultiplierOff && multiplierBand > 0) {
        m.band = multiplierBand;
        m.shownColour = shownMultiplier;
        m.takenColour = colourOfPower(colourRecord(shownMultiplier).power + power).value_or(kNone);
    }
    return m;
}

Judgement right() {
    Judgement j;
    j.verdict = Verdict::Right;
    return j;
}

Judgement wrong(Mistake m) {
    Judgement j;
    j.verdict = Verdict::Wrong;
    j.mistake = m;
    return j;
}

bool readsAs(std::span<const int> colours, const Question& q, std::size_t bands) {
    if (colours.size() != bands) return false;
    const ReadOutcome r = readBands(colours, true);
    return r.reading && r.reading->value == q.value && r.reading->tolerance == q.tolerance;
}

} // namespace

std::string_view mistakeKindCode(MistakeKind k) {
    return kMistakeCodes[std::size_t(k)];
}

std::optional<MistakeKind> mistakeKindOfCode(std::string_view code) {
    for (std::size_t i = 0; i < kMistakeCodes.size(); ++i)
        if (kMistakeCodes[i] == code) return MistakeKind(i);
    return std::nullopt;
}

bool confusable(int a, int b) {
    if (a == b) return false;
    for (const auto& group : kLookAlikes)
        if (std::find(group.begin(), group.end(), a) != group.end() &&
            std::find(group.begin(), group.end(), b) != group.end())
            return true;
    return false;
}

std::vector<int> confusablesOf(int colour) {
    std::vector<int> out;
    for (int c = 0; c < kSize; ++c)
        if (confusable(colour, c)) out.push_back(c);
    return out;
}

Judgement judgeText(const Question& q, std::string_view text, std::string_view localePoint) {
    const ValueInput typed = parseValue(text, localePoint);
    if (!typed.ok) return {};
    return judgeValue(q, typed.ohms);
}

Judgement judgeValue(const Question& q, const Decimal& given) {
    if (!q.typed()) return {};
    Judgement j;
    j.givenValue = given;
    if (given == q.answerValue) {
        j.verdict = Verdict::Right;
        return j;
    }
    j.verdict = Verdict::Wrong;
    for (const Candidate& c : Candidates(q).take())
        if (c.value == given) {
            j.mistake = c.mistake;
            return j;
        }
    if (const auto power = powerBetween(q.answerValue, given)) {
        const bool onPart = q.kind != QuestionKind::ChipCode;
        const int band = onPart ? layoutOf(q.bandCount)->digits + 1 : 0;
        j.mistake =
            powerMistake(*power, band, onPart ? q.part.bands[std::size_t(band - 1)] : kNone);
    }
    return j;
}

Judgement judgeBands(const Question& q, std::span<const int> colours) {
    if (q.kind != QuestionKind::PickBands) return {};
    if ((colours.size() != 4 && colours.size() != 5) ||
        !std::all_of(colours.begin(), colours.end(), validColour))
        return {};
    // A bare digit or multiplier band is one not chosen yet.
    const int given = layoutOf(int(colours.size()))->digits + 1;
    if (std::find(colours.begin(), colours.begin() + given, kNone) != colours.begin() + given)
        return {};
    if (readsAs(colours, q, std::size_t(q.bandCount))) return right();

    const std::vector<int> turned(colours.rbegin(), colours.rend());
    if (readsAs(turned, q, std::size_t(q.bandCount)) ||
        std::equal(turned.begin(), turned.end(), q.answerBands.begin(), q.answerBands.end()))
        return wrong({MistakeKind::WrongEnd});

    if (int(colours.size()) != q.bandCount) return wrong({MistakeKind::BandCount});
    // The digits and multiplier the other layout would have, put on these bands.
    const int other = q.bandCount == 4 ? 5 : 4;
    if (const auto found = findBands(q.value, *layoutOf(other), q.toleranceColour)) {
        const auto n = std::size_t(layoutOf(other)->digits + 1);
        const auto given = colours.subspan(0, n);
        if (std::equal(given.begin(), given.end(), found->colours.begin()) &&
            !std::equal(given.begin(), given.end(), q.answerBands.begin()))
            return wrong({MistakeKind::BandCount});
    }

    const BandLayout& layout = *layoutOf(q.bandCount);
    const int multiplierBand = layout.digits + 1;
    std::vector<int> differ;
    for (std::size_t i = 0; i < colours.size(); ++i)
        if (colours[i] != q.answerBands[i]) differ.push_back(int(i) + 1);
    const auto single = [&](int band) { return differ.size() == 1 && differ.front() == band; };
    if (single(layout.toleranceBand())) {
        const int band = layout.toleranceBand();
        const int taken = colours[std::size_t(band - 1)];
        Mistake m{MistakeKind::ToleranceMisread, band, q.toleranceColour, taken};
        m.takenTolerance = toleranceOn(taken);
        return wrong(m);
    }
    // Chosen, not seen: a multiplier a power of ten away is a slip of the multiplier even where
    // its colour looks like the right one.
    const bool digitsRight =
        std::equal(colours.begin(), colours.begin() + layout.digits, q.answerBands.begin());
    const auto givenValue = digitsTimesMultiplier(colours, layout.digits);
    if (digitsRight && givenValue)
        if (const auto power = powerBetween(q.value, *givenValue)) {
            Mistake m = powerMistake(*power, multiplierBand,
                                     q.answerBands[std::size_t(multiplierBand - 1)]);
            if (m.kind == MistakeKind::MultiplierOff)
                m.takenColour = colours[std::size_t(multiplierBand - 1)];
            return wrong(m);
        }
    if (differ.size() == 1) {
        const int band = differ.front();
        const int shown = q.answerBands[std::size_t(band - 1)];
        const int taken = colours[std::size_t(band - 1)];
        if (confusable(shown, taken))
            return wrong({MistakeKind::ConfusedColour, band, shown, taken});
    }
    return wrong({});
}

Judgement judgeEnd(const Question& q, End end) {
    if (q.kind != QuestionKind::ReadDirection) return {};
    if (end == q.answerEnd) return right();
    return wrong({q.part.gapShown() ? MistakeKind::AgainstGap : MistakeKind::WrongEnd});
}

MistakeSet possibleMistakes(const Question& q) {
    auto bit = [](MistakeKind k) { return MistakeSet(1) << int(k); };
    switch (q.kind) {
    case QuestionKind::ReadDirection:
        return bit(q.part.gapShown() ? MistakeKind::AgainstGap : MistakeKind::WrongEnd);
    case QuestionKind::PickBands: {
        MistakeSet s = bit(MistakeKind::WrongEnd) | bit(MistakeKind::BandCount) |
                       bit(MistakeKind::ToleranceMisread) | bit(MistakeKind::MultiplierOff) |
                       bit(MistakeKind::UnitSlip);
        const int digits = layoutOf(q.bandCount)->digits;
        // Chosen colours are confused on the digits; the multiplier counts as a slip of power.
        for (int i = 0; i < digits; ++i)
            if (!confusablesOf(q.answerBands[std::size_t(i)]).empty())
                s |= bit(MistakeKind::ConfusedColour);
        return s;
    }
    default: {
        // Any typed value can be a power of ten away.
        MistakeSet s = bit(MistakeKind::MultiplierOff) | bit(MistakeKind::UnitSlip);
        for (const Candidate& c : Candidates(q).take())
            s |= bit(c.mistake.kind);
        return s;
    }
    }
}

} // namespace zq::model::practice
