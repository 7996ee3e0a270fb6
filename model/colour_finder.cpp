// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_finder.h"

#include "model/choice.h"
#include "model/colour_code.h"
#include "model/colour_table.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zq::model {

namespace {

const BandLayout& layout(int bands) {
    return *layoutOf(bands);
}

const Unit& unitFor(const Decimal& ohms) {
    std::size_t u = 0;
    while (u + 1 < std::size(kUnits) && ohms > Decimal::of(1000, kUnits[u].power))
        ++u;
    return kUnits[u];
}

std::string_view kindName(int bands) {
    return bands == 4 ? "四环电阻" : "五环电阻";
}

std::string joined(const std::vector<ESeries>& series, std::string_view between) {
    std::string out;
    for (const ESeries e : series)
        out += (out.empty() ? "" : std::string(between)) + std::string(seriesName(e));
    return out;
}

struct Standards {
    std::string note;
    std::vector<StandardValue> listed, unmakeable;
};

Standards standardValues(const Decimal& typed, int bands, int tolerance, const DecimalFormat& fmt) {
    Standards out;
    if (typed.isZero()) return out;
    const std::vector<ESeries> chosen = seriesForTolerance(colourRecord(tolerance).tolerance);
    std::vector<ESeries> memberOf;
    for (const ESeries s : chosen)
        if (isMember(s, typed)) memberOf.push_back(s);

    // A member is its own answer; otherwise the neighbours on both sides in each series.
    std::vector<StandardValue> found;
    if (!memberOf.empty()) {
        found.push_back({typed, memberOf, 0, 0, true});
    } else {
        for (const ESeries s : chosen)
            for (const Decimal& d : nearestMembers(s, typed)) {
                const auto same =
                    std::find_if(found.begin(), found.end(),
                                 [&](const StandardValue& v) { return v.value == d; });
                if (same != found.end()) {
                    same->series.push_back(s);
                    continue;
                }
                const auto h = int(changeInHundredthsOfPercent(typed, d));
                found.push_back({d, {s}, h, h / 100.0, true});
            }
        std::sort(found.begin(), found.end(),
                  [](const StandardValue& a, const StandardValue& b) { return a.value < b.value; });
    }
    for (StandardValue& v : found) {
        v.makeable = makeable(v.value, bands);
        (v.makeable ? out.listed : out.unmakeable).push_back(v);
    }

    const std::string value = plainWithUnit(typed, fmt);
    if (!memberOf.empty()) {
        out.note = value + " 是 " + joined(memberOf, "、") + " 标准值" +
                   (out.listed.empty() ? "，但" + std::string(kindName(bands)) + "做不出。" : "。");
        return out;
    }
    out.note = value + " 不是 " + joined(chosen, "、") + " 标准值。";
    if (!out.unmakeable.empty()) {
        std::string names;
        for (const StandardValue& v : out.unmakeable)
            names += (names.empty() ? "" : "、") + plainWithUnit(v.value, fmt) + "（" +
                     joined(v.series, "/") + "）";
        out.note += std::string(kindName(bands)) + "做不出相邻的标准值 " + names + "。";
    }
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
    return largestValue(layout(bands));
}

bool makeable(const Decimal& ohms, int bands) {
    return makeable(ohms, layout(bands));
}

Finding findColours(const Decimal& ohms, int bands, int tolerance, const DecimalFormat& fmt) {
    Finding f;
    if (bands != 4 && bands != 5) {
        f.reason = "色环电阻只有四环和五环两种。";
        return f;
    }
    if (tolerance < 0 || tolerance >= palette::kSize) {
        f.reason = "没有这种颜色。";
        return f;
    }
    if (!colourRecord(tolerance).hasTolerance()) {
        f.reason = toleranceBandRefusal(tolerance);
        return f;
    }
    if (ohms > largestValue(bands)) {
        f.reason = outOfReach("阻值太大了：", largestValue(bands), bands, tolerance, fmt);
        return f;
    }
    if (!ohms.isZero() && ohms < smallestValue()) {
        // Below half the smallest step, a zero-ohm jumper is nearer than any resistor.
        if (ohms < Decimal::of(5, -3)) {
            f.reason = "阻值太小了：" + std::string(kindName(bands)) + "能做 " +
                       withUnit(smallestValue(), fmt) + "～" + withUnit(largestValue(bands), fmt) +
                       "，最接近的是 0Ω 跳线电阻，只有一条黑色环。";
            return f;
        }
        f.reason = outOfReach("阻值太小了：", smallestValue(), bands, tolerance, fmt);
        return f;
    }

    const FoundBands found = *findBands(ohms, layout(bands), tolerance);
    ColourAnswer a;
    a.bands = bands;
    a.value = found.value;
    a.exact = found.exact;
    // The main window's form: a four-band resistor has no band 4.
    for (std::size_t i = 0, at = 0; at < 5; ++at) {
        if (bands == 4 && at == 3) {
            a.palette[at] = kNoneIndex;
            continue;
        }
        a.palette[at] = found.colours[i++];
    }
    const int n = layout(bands).digits;

    if (!a.exact) {
        f.note = std::string(kindName(bands)) + "只有" + (n == 2 ? "两" : "三") +
                 "位有效数字，做不出 " + withUnit(ohms, fmt) + "，最接近的是 " +
                 withUnit(a.value, fmt) +
                 (bands == 4 && makeable(ohms, 5) ? "；五环能做出。" : "。");
    } else if (ohms.isZero()) {
        f.note = "0Ω 是跳线电阻，实物上只有一条黑色环。";
    }
    f.answer = a;
    Standards standard = standardValues(ohms, bands, tolerance, fmt);
    f.standardNote = std::move(standard.note);
    f.standard = std::move(standard.listed);
    f.unmakeable = std::move(standard.unmakeable);
    return f;
}

BandState stateOf(const ColourAnswer& a) {
    BandState s;
    for (std::size_t i = 0; i < 5; ++i)
        s.BandChip[i] = colourRecord(a.palette[i]).chip;
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

std::vector<int> bandColours(const ColourAnswer& a) {
    if (a.value.isZero()) return {palette::kBlack};
    std::vector<int> out(a.palette.begin(), a.palette.end());
    if (a.bands == 4) out.erase(out.begin() + 3);
    return out;
}

std::string colourNames(const ColourAnswer& a) {
    return shortNames(bandColours(a));
}

std::string shownValue(const ColourAnswer& a, const DecimalFormat& fmt) {
    // Bands carry at most three significant digits, so two decimals in the unit are exact.
    return "等于： " + withUnit(a.value, fmt);
}

std::string withUnit(const Decimal& ohms, const DecimalFormat& fmt) {
    const Unit& u = unitFor(ohms);
    return ohms.shifted(-u.power).text(fmt.point, 2) + std::string(u.text);
}

std::string plainWithUnit(const Decimal& ohms, const DecimalFormat& fmt) {
    const Unit& u = unitFor(ohms);
    return ohms.shifted(-u.power).text(fmt.point) + std::string(u.text);
}

std::string rangeText(const ColourAnswer& a, const DecimalFormat& fmt) {
    if (a.value.isZero()) return withUnit(a.value, fmt) + "（跳线，没有误差环）";
    const int t = colourRecord(a.palette[4]).tolerance;
    return withUnit(withTolerance(a.value, t, -1), fmt) + " ～ " +
           withUnit(withTolerance(a.value, t, +1), fmt);
}

std::string percentText(double percent, const DecimalFormat& fmt) {
    const std::string magnitude = format00(std::fabs(percent), fmt);
    if (magnitude.find_first_not_of("0" + fmt.point) == std::string::npos) return magnitude + "%";
    return (percent < 0 ? "-" : "+") + magnitude + "%";
}

std::string percentText(const StandardValue& v, const DecimalFormat& fmt) {
    const std::string magnitude =
        Decimal::of(std::uint64_t(std::abs(v.hundredths)), -2).text(fmt.point, 2);
    return (v.hundredths == 0 ? "" : v.hundredths < 0 ? "-" : "+") + magnitude + "%";
}

std::string errorPercent(const StandardValue& v) {
    return (v.hundredths < 0 ? "-" : "") +
           Decimal::of(std::uint64_t(std::abs(v.hundredths)), -2).text(".", 2);
}

std::string typedForm(const Decimal& ohms) {
    static constexpr std::pair<int, std::string_view> kPrefixes[] = {{9, "G"}, {6, "M"}, {3, "k"}};
    for (const auto& [power, prefix] : kPrefixes)
        if (ohms >= Decimal::of(1, power)) return ohms.shifted(-power).text() + std::string(prefix);
    return ohms.text();
}

} // namespace zq::model
