// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_finder.h"

#include "model/colour_table.h"
#include "model/tick.h"

#include <algorithm>
#include <cmath>

namespace zq::model {

namespace {

int significantDigits(int bands) {
    return bands == 4 ? 2 : 3;
}

std::string_view kindName(int bands) {
    return bands == 4 ? "四环电阻" : "五环电阻";
}

std::uint64_t powerOfTen(int n) {
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Tenths of a per cent, by palette index; 0 where the band refuses the colour.
int toleranceTenths(int index) {
    switch (index) {
    case 0:
        return 10;
    case 1:
        return 20;
    case 4:
        return 5;
    case 5:
        return 2;
    case 6:
        return 1;
    case 10:
        return 50;
    case 11:
        return 100;
    case 12:
        return 200;
    default:
        return 0;
    }
}

int digitColour(int digit) {
    return digit == 0 ? 9 : digit - 1; // black is 0, brown..white are 1..9
}

int multiplierColour(int power) {
    if (power == -2) return 11;
    if (power == -1) return 10;
    return power == 0 ? 9 : power - 1;
}

// The smallest multiplier power that leaves the value with no more digits than the bands hold:
// the most precise way to write it, with the first band a non-zero digit whenever possible.
int multiplierPower(const Decimal& ohms, int bands) {
    return std::max(-2, ohms.decade() - significantDigits(bands) + 1);
}

std::string shortName(int index) {
    std::string name(colourByIndex(index).name);
    const std::string suffix = "色";
    if (name.size() > suffix.size() && name.ends_with(suffix))
        name.resize(name.size() - suffix.size());
    return name;
}

std::uint64_t significandOf(const Decimal& d) {
    std::uint64_t s = 0;
    for (const char c : d.digits())
        s = s * 10 + std::uint64_t(c - '0');
    return s;
}

std::vector<ESeries> seriesFor(int bands, int tolerance) {
    const std::vector<ESeries> listed =
        bands == 4 ? std::vector{ESeries::E6, ESeries::E12, ESeries::E24}
                   : std::vector{ESeries::E48, ESeries::E96, ESeries::E192};
    std::vector<ESeries> fit;
    for (const ESeries s : listed)
        if (seriesTolerance(s) >= toleranceTenths(tolerance)) fit.push_back(s);
    // A tolerance looser than every listed series still gets the coarsest of them.
    if (fit.empty()) fit.push_back(listed.front());
    return fit;
}

std::vector<StandardValue> standardValues(const Decimal& typed, int bands, int tolerance) {
    std::vector<StandardValue> out;
    if (typed.isZero()) return out;
    for (const ESeries s : seriesFor(bands, tolerance))
        for (const Decimal& d : nearestMembers(s, typed)) {
            if (!makeable(d, bands)) continue;
            const auto same = std::find_if(out.begin(), out.end(),
                                           [&](const StandardValue& v) { return v.value == d; });
            if (same != out.end()) {
                same->series.push_back(s);
                continue;
            }
            const double percent = (d.approx() - typed.approx()) / typed.approx() * 100;
            out.push_back({d, {s}, percent});
        }
    std::sort(out.begin(), out.end(),
              [](const StandardValue& a, const StandardValue& b) { return a.value < b.value; });
    return out;
}

// Names the range and the nearest value the bands can make, with its colours.
std::string outOfReach(std::string_view what, const Decimal& nearest, int bands, int tolerance,
                       const DecimalFormat& fmt) {
    return std::string(what) + std::string(kindName(bands)) + "能做 " +
           withUnit(smallestValue(), fmt) + "～" + withUnit(largestValue(bands), fmt) +
           "，最接近的 " + withUnit(nearest, fmt) + " 是 " +
           colourNames(*findColours(nearest, bands, tolerance, fmt).answer) + "。";
}

} // namespace

int defaultTolerance(int bands) {
    return bands == 5 ? kBrownIndex : kGoldIndex;
}

Decimal largestValue(int bands) {
    return Decimal::of(powerOfTen(significantDigits(bands)) - 1, 9);
}

Decimal smallestValue() {
    return Decimal::of(1, -2);
}

bool makeable(const Decimal& ohms, int bands) {
    if (ohms.isZero()) return true;
    if (ohms < smallestValue() || ohms > largestValue(bands)) return false;
    return ohms.divisibleByPowerOfTen(multiplierPower(ohms, bands));
}

Finding findColours(const Decimal& ohms, int bands, int tolerance, const DecimalFormat& fmt) {
    Finding f;
    if (bands != 4 && bands != 5) {
        f.reason = "色环电阻只有四环和五环两种。";
        return f;
    }
    if (tolerance < 0 || tolerance > 12) {
        f.reason = "没有这种颜色。";
        return f;
    }
    if (toleranceTenths(tolerance) == 0) {
        f.reason = "误差环没有" + std::string(colourByIndex(tolerance).name) +
                   "，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！";
        return f;
    }
    if (ohms > largestValue(bands)) {
        f.reason = outOfReach("阻值太大了：", largestValue(bands), bands, tolerance, fmt);
        return f;
    }
    if (!ohms.isZero() && ohms < smallestValue()) {
        // Below half the smallest step, no resistor at all is nearer.
        const bool zeroIsNearer = ohms < Decimal::of(5, -3);
        f.reason = outOfReach("阻值太小了：", zeroIsNearer ? Decimal() : smallestValue(), bands,
                              tolerance, fmt);
        return f;
    }

    ColourAnswer a;
    a.bands = bands;
    const int n = significantDigits(bands);
    int power = 0;
    std::uint64_t significand = 0;
    if (!ohms.isZero()) {
        power = multiplierPower(ohms, bands);
        significand = ohms.roundedQuotient(power);
        a.exact = ohms.divisibleByPowerOfTen(power);
        if (significand == powerOfTen(n)) { // 9.95 rounds up into the next decade
            significand /= 10;
            ++power;
        }
    }
    a.value = Decimal::of(significand, power);
    for (int i = 0; i < n; ++i)
        a.palette[static_cast<std::size_t>(i)] =
            digitColour(int(significand / powerOfTen(n - 1 - i) % 10));
    a.palette[static_cast<std::size_t>(n)] = multiplierColour(power);
    if (bands == 4) a.palette[3] = kNoneIndex;
    a.palette[4] = tolerance;

    if (!a.exact) {
        f.note = std::string(kindName(bands)) + "只有" + (n == 2 ? "两" : "三") +
                 "位有效数字，做不出 " + withUnit(ohms, fmt) + "，最接近的是 " +
                 withUnit(a.value, fmt) +
                 (bands == 4 && makeable(ohms, 5) ? "；五环能做出。" : "。");
    } else if (ohms.isZero()) {
        f.note = "0Ω 是跳线电阻，实物上只有一条黑色环。";
    }
    f.answer = a;
    f.standard = standardValues(ohms, bands, tolerance);
    return f;
}

BandState stateOf(const ColourAnswer& a) {
    BandState s;
    for (std::size_t i = 0; i < 5; ++i)
        s.BandChip[i] = colourByIndex(a.palette[i]).chip;
    s.Digit1Text = colourByIndex(a.palette[0]).digit;
    s.Digit2Text = colourByIndex(a.palette[1]).digit;
    const ColourCode& band3 = colourByIndex(a.palette[2]);
    s.Band3Text = a.bands == 4 ? band3.multiplier : band3.digit;
    s.MultiplierText = colourByIndex(a.palette[3]).multiplier;
    s.select(1);
    return s;
}

std::vector<std::pair<int, int>> choicesFor(const ColourAnswer& a) {
    const auto& p = a.palette;
    // Four bands: empty band 4 first, so that band 3 may take gold or silver. Five bands: a
    // digit on band 3 first, so that band 4 may take its multiplier.
    if (a.bands == 4) return {{4, kNoneIndex}, {3, p[2]}, {1, p[0]}, {2, p[1]}, {5, p[4]}};
    return {{1, p[0]}, {2, p[1]}, {3, p[2]}, {4, p[3]}, {5, p[4]}};
}

std::string colourNames(const ColourAnswer& a) {
    std::string out;
    for (int band = 0; band < 5; ++band) {
        if (a.bands == 4 && band == 3) continue;
        if (!out.empty()) out += ' ';
        out += shortName(a.palette[static_cast<std::size_t>(band)]);
    }
    return out;
}

std::string shownValue(const ColourAnswer& a, const DecimalFormat& fmt) {
    return tick(stateOf(a), fmt).label19;
}

std::string withUnit(const Decimal& ohms, const DecimalFormat& fmt) {
    struct Unit {
        int power;
        std::string_view text;
    };
    static constexpr Unit kUnits[] = {{0, "Ω"}, {3, "KΩ"}, {6, "MΩ"}, {9, "GΩ"}};
    // The main window's thresholds: a unit covers up to 1000 of itself, inclusive.
    std::size_t u = 0;
    while (u + 1 < std::size(kUnits) && ohms > Decimal::of(1000, kUnits[u].power))
        ++u;
    return ohms.shifted(-kUnits[u].power).text(fmt.point, 2) + std::string(kUnits[u].text);
}

std::string rangeText(const ColourAnswer& a, const DecimalFormat& fmt) {
    const auto t = static_cast<std::uint64_t>(toleranceTenths(a.palette[4]));
    const std::uint64_t s = significandOf(a.value);
    const int e = a.value.exponent() - 3;
    return withUnit(Decimal::of(s * (1000 - t), e), fmt) + " ～ " +
           withUnit(Decimal::of(s * (1000 + t), e), fmt);
}

std::string toleranceText(int tolerance) {
    return "±" + Decimal::of(static_cast<std::uint64_t>(toleranceTenths(tolerance)), -1).text() +
           "%";
}

std::string percentText(double percent, const DecimalFormat& fmt) {
    const std::string magnitude = format00(std::fabs(percent), fmt);
    if (magnitude.find_first_not_of("0" + fmt.point) == std::string::npos) return magnitude + "%";
    return (percent < 0 ? "-" : "+") + magnitude + "%";
}

std::string typedForm(const Decimal& ohms) {
    static constexpr std::pair<int, std::string_view> kPrefixes[] = {{9, "G"}, {6, "M"}, {3, "k"}};
    for (const auto& [power, prefix] : kPrefixes)
        if (ohms >= Decimal::of(1, power)) return ohms.shifted(-power).text() + std::string(prefix);
    return ohms.text();
}

std::optional<int> colourByName(std::string_view name) {
    static constexpr std::string_view kEnglish[13] = {
        "brown", "red",   "orange", "yellow", "green",  "blue", "violet",
        "grey",  "white", "black",  "gold",   "silver", "none"};
    std::string lowered(name);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (int i = 0; i < 13; ++i)
        if (lowered == kEnglish[i] || name == colourByIndex(i).name || name == shortName(i))
            return i;
    if (lowered == "purple") return 6;
    if (lowered == "gray") return 7;
    return std::nullopt;
}

} // namespace zq::model
