// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Walks every state that select-band/click-colour sequences reach from start-up. The expected
// value is computed with integers only, so a floating-point artefact in the model cannot be
// hidden by the same artefact in the test.
#include "model/tick.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace zq::model {
namespace {

int digitOf(int colour) {
    return colour == palette::kBlack ? 0 : colour + 1;
} // black 0, brown..white 1..9
int exponentOf(int colour) {
    return colour == palette::kGold ? -1 : colour == palette::kSilver ? -2 : digitOf(colour);
}

struct Shown {
    std::string valueText, unitText, label6;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << s.valueText << " | " << s.unitText << " | " << s.label6;
}

Shown expectedShown(const std::array<std::uint8_t, 5>& chips, const std::string& point) {
    const bool fourBand = chips[3] == palette::kNone;
    const long long digits =
        fourBand ? digitOf(chips[0]) * 10 + digitOf(chips[1])
                 : digitOf(chips[0]) * 100 + digitOf(chips[1]) * 10 + digitOf(chips[2]);
    long long hundredths = digits; // of the unit shown
    for (int e = exponentOf(fourBand ? chips[2] : chips[3]) + 2; e > 0; --e)
        hundredths *= 10;
    static const char* const kUnits[] = {"Ω", "KΩ", "MΩ", "GΩ"};
    int unit = 0;
    while (unit < 3 && hundredths > 1000 * 100) {
        EXPECT_EQ(hundredths % 1000, 0) << "a scaled value needs a third decimal";
        hundredths /= 1000;
        ++unit;
    }
    const std::string whole = std::to_string(hundredths / 100);
    const char tenths = char('0' + hundredths % 100 / 10), cents = char('0' + hundredths % 10);
    const std::string f = whole + point + tenths + cents;
    std::string valueText = whole;
    if (cents != '0')
        valueText += point + tenths + cents;
    else if (tenths != '0')
        valueText += point + tenths;
    return {valueText, kUnits[unit], f};
}

Shown shown(const TickFacts& r, const std::string& point) {
    return {r.ohms.shifted(-r.unit.power).text(point), std::string(r.unit.text),
            numberInUnit(r.ohms, {point})};
}

// Open addressing: the walk makes some forty million look-ups, mostly misses in the cache.
class KeySet {
  public:
    bool insert(std::uint64_t key) {
        ++key; // 0 marks a free slot
        for (std::size_t i = mix(key) & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == key) return false;
            if (slots_[i] == 0) {
                slots_[i] = key;
                if (++size_ * 2 > slots_.size()) grow();
                return true;
            }
        }
    }
    std::size_t size() const { return size_; }

  private:
    static std::size_t mix(std::uint64_t k) {
        k ^= k >> 33;
        k *= 0xff51afd7ed558ccdULL;
        k ^= k >> 33;
        return static_cast<std::size_t>(k);
    }
    void grow() {
        std::vector<std::uint64_t> old(slots_.size() * 2);
        old.swap(slots_);
        size_ = 0;
        for (const std::uint64_t k : old)
            if (k != 0) insert(k - 1);
    }
    std::vector<std::uint64_t> slots_ = std::vector<std::uint64_t>(1 << 16);
    std::size_t size_ = 0;
};

class StateKeys {
  public:
    // Colours and texts; the flags only record the band of the last step, which every step sets.
    std::uint64_t operator()(const BandState& s) {
        std::uint64_t key = 0;
        for (const std::uint8_t chip : s.BandColour)
            key = key << 8 | chip;
        const std::string* texts[] = {&s.Digit1Text, &s.Digit2Text, &s.Band3Text,
                                      &s.MultiplierText};
        for (std::size_t field = 0; field < 4; ++field)
            key = key << 6 | idOf(field, *texts[field]);
        return key;
    }

  private:
    struct Interned {
        std::string text;
        std::uint64_t id = 0;
        bool valid = false;
    };

    std::uint64_t idOf(std::size_t field, const std::string& text) {
        // Successive states mostly share their texts.
        Interned& last = last_[field];
        if (last.valid && text == last.text) return last.id;
        const auto id = ids_.try_emplace(text, ids_.size()).first->second;
        EXPECT_LT(id, 64u) << "too many distinct texts for the key";
        last = {text, id, true};
        return id;
    }
    std::unordered_map<std::string, std::uint64_t> ids_;
    Interned last_[4];
};

TEST(ReachableStates, KeepTheInvariantsAndShowTheIntegerValue) {
    StateKeys keyOf;
    KeySet seen;
    std::set<std::array<std::uint8_t, 5>> chipCombinations;
    std::deque<BandState> queue{BandState::initial()};
    seen.insert(keyOf(queue.front()));

    while (!queue.empty() && !HasFailure()) {
        const BandState s = std::move(queue.front());
        queue.pop_front();
        chipCombinations.insert(s.BandColour);
        ASSERT_EQ(invariantViolation(s), "") << testing::PrintToString(s.BandColour);

        // The first tick after the choice, then the steady state it leaves.
        const TickFacts first = tick(s);
        ASSERT_EQ(shown(first, "."), expectedShown(s.BandColour, "."))
            << testing::PrintToString(s.BandColour);
        BandState steady = s;
        applyTick(steady, first);
        ASSERT_EQ(invariantViolation(steady), "");
        const TickFacts again = tick(steady);
        ASSERT_EQ(shown(again, ","), expectedShown(s.BandColour, ","));
        ASSERT_EQ(again.band3Text, first.band3Text);
        ASSERT_EQ(again.thirdRow, first.band3Text);

        for (int band = 1; band <= 5; ++band)
            for (int colour = 0; colour <= 12; ++colour) {
                BandState next = s;
                test::click(next, band, colour);
                ASSERT_EQ(next.selectedBand(), band);
                const bool unchanged =
                    next.BandColour == s.BandColour && next.Digit1Text == s.Digit1Text &&
                    next.Digit2Text == s.Digit2Text && next.Band3Text == s.Band3Text &&
                    next.MultiplierText == s.MultiplierText;
                if (!unchanged && seen.insert(keyOf(next))) queue.push_back(std::move(next));
            }
    }
    // Every chip combination the invariants allow is reachable: five-band with a digit on
    // band 3, and four-band with anything but none on band 3, each with 8 tolerances.
    EXPECT_EQ(chipCombinations.size(), 10u * 10 * 10 * 12 * 8 + 10u * 10 * 12 * 8);
    RecordProperty("states", static_cast<int>(seen.size()));
}

} // namespace
} // namespace zq::model
