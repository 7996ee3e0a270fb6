// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/colour_finder.h"

#include "model/choice.h"
#include "model/colour_code.h"
#include "model/colour_table.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>

namespace zq::model {

namespace {

const BandLayout& layout(int bands) {
    return *layoutOf(bands);
}

std::string_view kindName(int bands) {
    return bands == 4 ? "四环电阻" : "五环电阻";
}

// Tenths of a per cent, as the E series state theirs; 0 where the band refuses the colour.
int toleranceTenths(int index) {
    return colourRecord(index).tolerance / 10;
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
    if (toleranceTenths(tolerance) == 0) {
        f.reason = toleranceBandRefusal(tolerance);
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
    f.standard = standardValues(ohms, bands, tolerance);
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

std::string colourNames(const ColourAnswer& a) {
    std::string out;
    for (int band = 0; band < 5; ++band) {
        if (a.bands == 4 && band == 3) continue;
        if (!out.empty()) out += ' ';
        out += colourRecord(a.palette[static_cast<std::size_t>(band)]).shortName;
    }
    return out;
}

std::string shownValue(const ColourAnswer& a, const DecimalFormat& fmt) {
    // Bands carry at most three significant digits, so two decimals in the unit are exact.
    return "等于： " + withUnit(a.value, fmt);
}

std::string withUnit(const Decimal& ohms, const DecimalFormat& fmt) {
    std::size_t u = 0;
    while (u + 1 < std::size(kUnits) && ohms > Decimal::of(1000, kUnits[u].power))
        ++u;
    return ohms.shifted(-kUnits[u].power).text(fmt.point, 2) + std::string(kUnits[u].text);
}

std::string rangeText(const ColourAnswer& a, const DecimalFormat& fmt) {
    const int t = colourRecord(a.palette[4]).tolerance;
    return withUnit(withTolerance(a.value, t, -1), fmt) + " ～ " +
           withUnit(withTolerance(a.value, t, +1), fmt);
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

} // namespace zq::model
