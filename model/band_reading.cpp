// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/band_reading.h"

#include "model/choice.h"
#include "model/colour_finder.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace zq::model {

namespace {

using R = BandRole;
using namespace palette;

// "E24 或 E96": the series a tolerance is made in, as a sentence names them.
std::string seriesNames(int tolerance) {
    std::string out;
    for (const ESeries s : seriesForTolerance(tolerance))
        out += (out.empty() ? "" : " 或 ") + std::string(seriesName(s));
    return out;
}

// Easily confused colours; every pair within a group is.
constexpr std::array<std::initializer_list<int>, 6> kConfusable{{
    {kBrown, kRed, kOrange},
    {kRed, kOrange},
    {kBlue, kViolet},
    {kGrey, kWhite, kSilver},
    {kGold, kYellow, kOrange},
    {kBlack, kBrown},
}};

// Tolerance colours every shop sells; the others mark rarer parts.
bool commonToleranceColour(int index) {
    return index == kGold || index == kSilver || index == kBrown || index == kRed;
}

std::string valueText(const Reading& r, const DecimalFormat& fmt) {
    return withUnit(r.value, fmt) + " " + toleranceText(r.tolerance);
}

std::string_view roleName(BandRole role) {
    switch (role) {
    case R::Digit:
        return "数字环";
    case R::Multiplier:
        return "倍率环";
    case R::Tolerance:
        return "误差环";
    case R::Coefficient:
        return "温度系数环";
    }
    return "";
}

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

// The main window's words for a digit band that cannot take gold or silver, after its comma.
std::string digitRefusal(const ColourRecord& c) {
    const std::string_view comma = "，";
    std::string_view tail = digitBandRefusalTail(c.index);
    if (tail.starts_with(comma)) tail.remove_prefix(comma.size());
    return std::string(tail);
}

std::string refusal(const std::vector<int>& colours, Direction d, int band, BandRole role) {
    const ColourRecord& c = colourRecord(colours[std::size_t(band - 1)]);
    const std::string ordinal(bandOrdinal(band));
    std::string why = std::string(directionText(d)) + "，" + ordinal + "是" + std::string(c.name) +
                      "；" + ordinal + "是" + std::string(roleName(role)) + "，";
    switch (role) {
    case R::Digit:
        why += digitRefusal(c);
        break;
    case R::Tolerance: {
        why += toleranceBandRefusal(c.index);
        std::string precise;
        for (const ColourRecord& p : colourRecords())
            if (p.tolerance == 0 && p.iecTolerance != 0)
                precise += (precise.empty() ? "" : "、") + std::string(p.shortName);
        why += "精密电阻的误差环还可能是" + precise + "色。";
        break;
    }
    case R::Multiplier:
    case R::Coefficient:
        why += "没有" + std::string(c.name) + "的" + std::string(roleName(role)) + "。";
        break;
    }
    // A gold or silver end tells which end to start from, when the other end is not metal too.
    const BandRole last = layoutOf(int(colours.size()))->used().back();
    if (band == 1 && c.metal && !colourRecord(colours.back()).metal && allowedIn(last, c, true))
        why += "金色或银色的环只会在" + std::string(roleName(last)) + "一端，所以要从另一端读起。";
    return why;
}

std::string seriesSentence(const BandReadingItem& item, const DecimalFormat& fmt) {
    const Reading& r = item.reading;
    const std::string tol = toleranceText(r.tolerance);
    if (r.value.isZero()) return "0Ω 是跳线电阻，不属于哪个阻值系列。";
    if (item.series)
        return withUnit(r.value, fmt) + " 是 " + std::string(seriesName(*item.series)) +
               " 系列里的标准阻值，" + tol + " 的电阻就按这个系列生产。";
    return withUnit(r.value, fmt) + " 不在 " + tol + " 电阻所用的 " + seriesNames(r.tolerance) +
           " 系列里，很少有这样的电阻。";
}

std::string precisionNote(int colour) {
    const ColourRecord& c = colourRecord(colour);
    if (c.tolerance == 0)
        return std::string(c.name) + "误差环是 IEC 60062:2016 标准给的精密误差：" +
               toleranceText(c.iecTolerance) + "，这是精密电阻。";
    return std::string(c.name) + "误差环按本程序的表是 " + toleranceText(c.tolerance) +
           "，IEC 60062:2016 标准给的是 " + toleranceText(c.iecTolerance) + "；这是精密电阻。";
}

bool within(const Reading& r, const Decimal& m) {
    return r.min <= m && m <= r.max;
}

// Which of two readings is likely: 0 or 1, or -1 when nothing decides. A value off its
// series is hardly ever made, whatever its colours, so the series decides first; a rare
// tolerance colour is only unusual, so it breaks a tie. A measurement that fits one reading
// alone outweighs both.
struct Decision {
    int winner = -1;
    std::string verdict;
};

Decision decide(const std::array<const BandReadingItem*, 2>& two, const DecimalFormat& fmt) {
    const BandReadingItem &a = *two[0], &b = *two[1];
    const auto named = [&](const BandReadingItem& i) {
        return std::string(directionText(i.direction)) + "的 " + valueText(i.reading, fmt);
    };
    if (a.matches && *a.matches != *b.matches) {
        const int w = *a.matches ? 0 : 1;
        return {w, "量到的阻值只和" + named(*two[std::size_t(w)]) + " 相符，所以就是它。"};
    }
    if (a.series.has_value() != b.series.has_value()) {
        const int w = a.series ? 0 : 1;
        const BandReadingItem &win = *two[std::size_t(w)], &lose = *two[std::size_t(1 - w)];
        return {w, "更可能是" + named(win) + "：它是标准阻值，而" + named(lose) +
                       " 不是，很少有厂家生产这样的电阻。"};
    }
    const std::string both = a.series ? "两种读法都是标准阻值" : "两种读法都不是标准阻值";
    const int ca = toleranceColour(a.colours), cb = toleranceColour(b.colours);
    if (ca != kNone && commonToleranceColour(ca) != commonToleranceColour(cb)) {
        const int w = commonToleranceColour(ca) ? 0 : 1;
        const BandReadingItem &win = *two[std::size_t(w)], &lose = *two[std::size_t(1 - w)];
        const auto dir = [](const BandReadingItem& i) {
            return std::string(directionText(i.direction));
        };
        return {w, both + "，但" + dir(win) + "时误差环是" +
                       std::string(colourRecord(w ? cb : ca).name) + "，很常见；" + dir(lose) +
                       "时误差环是" + std::string(colourRecord(w ? ca : cb).name) +
                       "，少见。所以更可能是" + named(win) + "。"};
    }
    return {-1, both + (ca == kNone ? "" : "，误差环的颜色也分不出哪种更常见") +
                    "，看不出哪种读法更可能。请用万用表量一下"
                    "阻值，再对照两种读法的范围。"};
}

std::string matchSentence(const Reading& r, const Decimal& m, const DecimalFormat& fmt) {
    return "量到的 " + withUnit(m, fmt) + (within(r, m) ? " 在 " : " 不在 ") +
           withUnit(r.min, fmt) + "～" + withUnit(r.max, fmt) + " 之内" +
           (within(r, m) ? "，相符。" : "，不相符。");
}

std::vector<BandChange> changesFor(std::span<const int> asSeen, const Decimal& m,
                                   const DecimalFormat& fmt) {
    std::vector<BandChange> out;
    for (std::size_t i = 0; i < asSeen.size(); ++i)
        for (int to = 0; to < kPaintedSize; ++to) {
            if (!confusable(asSeen[i], to)) continue;
            std::vector<int> changed(asSeen.begin(), asSeen.end());
            changed[i] = to;
            const bool palindrome = std::equal(changed.begin(), changed.end(), changed.rbegin());
            for (const Direction d : {Direction::AsEntered, Direction::Reversed}) {
                if (d == Direction::Reversed && palindrome) continue;
                const ReadOutcome o = readBands(ordered(changed, d), true);
                if (!o.reading || !within(*o.reading, m)) continue;
                const int band = int(i) + 1;
                out.push_back({band, asSeen[i], to, d, o.reading->value,
                               std::string(bandOrdinal(band)) + "可能是" +
                                   std::string(colourRecord(to).name) + "而不是" +
                                   std::string(colourRecord(asSeen[i]).name) + "：那样" +
                                   std::string(directionText(d)) + "是 " +
                                   valueText(*o.reading, fmt) + "，和量到的相符。"});
            }
        }
    return out;
}

} // namespace

std::string_view directionName(Direction d) {
    return d == Direction::AsEntered ? "as-entered" : "reversed";
}

std::string_view directionText(Direction d) {
    return d == Direction::AsEntered ? "从左往右读" : "从右往左读";
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

BandReadings readBothWays(std::span<const int> asSeen, const std::optional<Decimal>& measured,
                          const DecimalFormat& fmt) {
    BandReadings out;
    const int n = int(asSeen.size());
    if (n < kFewestBands || n > kMostBands) {
        out.reason = "色环电阻有三到六个环，这里有 " + std::to_string(n) + " 个。";
        return out;
    }
    for (int i = 0; i < n; ++i) {
        const int c = asSeen[std::size_t(i)];
        if (c == kNone) {
            out.reason =
                std::string(bandOrdinal(i + 1)) + "是无色：无色就是没有环，只输入看得见的色环。";
            return out;
        }
        if (c < 0 || c >= kPaintedSize) {
            out.reason = std::string(bandOrdinal(i + 1)) + "不是一种颜色。";
            return out;
        }
    }

    const bool palindrome = std::equal(asSeen.begin(), asSeen.end(), asSeen.rbegin());
    for (const Direction d : {Direction::AsEntered, Direction::Reversed}) {
        if (d == Direction::Reversed && palindrome) break;
        std::vector<int> colours = ordered(asSeen, d);
        const ReadOutcome o = readBands(colours, true);
        if (!o.reading) {
            out.ruledOut.push_back(
                {d, colours, o.refusedBand, refusal(colours, d, o.refusedBand, o.refusedRole)});
            continue;
        }
        BandReadingItem item;
        item.direction = d;
        item.reading = *o.reading;
        item.series = standardSeries(item.reading.value, item.reading.tolerance);
        const int tol = toleranceColour(colours);
        const ColourRecord& t = colourRecord(tol);
        item.precision = tol != kNone && t.tolerance != t.iecTolerance;
        item.colours = std::move(colours);
        item.why = seriesSentence(item, fmt);
        if (item.precision)
            item.why += precisionNote(tol);
        else if (tol != kNone && !commonToleranceColour(tol))
            item.why += std::string(t.name) + "误差环少见。";
        if (measured) {
            item.matches = within(item.reading, *measured);
            item.why += matchSentence(item.reading, *measured, fmt);
        }
        out.readings.push_back(std::move(item));
    }

    auto& rs = out.readings;
    if (rs.size() == 2) {
        const Decision dec = decide({&rs[0], &rs[1]}, fmt);
        out.verdict = dec.verdict;
        if (dec.winner >= 0) {
            rs[std::size_t(dec.winner)].likely = true;
            if (dec.winner == 1) std::swap(rs[0], rs[1]);
        }
    } else if (rs.size() == 1) {
        rs[0].likely = true;
        out.verdict =
            (palindrome ? std::string("正着读和倒着读是一样的：")
                        : "只有" + std::string(directionText(rs[0].direction)) + "说得通：") +
            valueText(rs[0].reading, fmt) + "。";
    } else {
        out.verdict = "两头读都说不通，请再看看是不是有颜色看错了。";
    }

    const bool anyMatch = std::any_of(
        rs.begin(), rs.end(), [](const BandReadingItem& i) { return i.matches.value_or(false); });
    if (measured && !anyMatch) {
        out.changes = changesFor(asSeen, *measured, fmt);
        out.verdict += out.changes.empty()
                           ? "量到的阻值和哪种读法都不相符，也不像是看错了一个颜色。"
                           : "量到的阻值和哪种读法都不相符，可能看错了一个颜色。";
    }
    return out;
}

} // namespace zq::model
