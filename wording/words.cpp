// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/words.h"

#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/typed_text.h"

#include <array>
#include <charconv>
#include <cstdlib>

namespace zq::wording {

namespace {

constexpr std::array<const char*, model::palette::kSize> kColourNames{
    ZQ_TRANSLATE_NOOP("Colour", "棕色"), ZQ_TRANSLATE_NOOP("Colour", "红色"),
    ZQ_TRANSLATE_NOOP("Colour", "橙色"), ZQ_TRANSLATE_NOOP("Colour", "黄色"),
    ZQ_TRANSLATE_NOOP("Colour", "绿色"), ZQ_TRANSLATE_NOOP("Colour", "蓝色"),
    ZQ_TRANSLATE_NOOP("Colour", "紫色"), ZQ_TRANSLATE_NOOP("Colour", "灰色"),
    ZQ_TRANSLATE_NOOP("Colour", "白色"), ZQ_TRANSLATE_NOOP("Colour", "黑色"),
    ZQ_TRANSLATE_NOOP("Colour", "金色"), ZQ_TRANSLATE_NOOP("Colour", "银色"),
    ZQ_TRANSLATE_NOOP("Colour", "无色"),
};

constexpr std::array<const char*, model::palette::kSize> kShortNames{
    ZQ_TRANSLATE_NOOP("ShortColour", "棕"), ZQ_TRANSLATE_NOOP("ShortColour", "红"),
    ZQ_TRANSLATE_NOOP("ShortColour", "橙"), ZQ_TRANSLATE_NOOP("ShortColour", "黄"),
    ZQ_TRANSLATE_NOOP("ShortColour", "绿"), ZQ_TRANSLATE_NOOP("ShortColour", "蓝"),
    ZQ_TRANSLATE_NOOP("ShortColour", "紫"), ZQ_TRANSLATE_NOOP("ShortColour", "灰"),
    ZQ_TRANSLATE_NOOP("ShortColour", "白"), ZQ_TRANSLATE_NOOP("ShortColour", "黑"),
    ZQ_TRANSLATE_NOOP("ShortColour", "金"), ZQ_TRANSLATE_NOOP("ShortColour", "银"),
    ZQ_TRANSLATE_NOOP("ShortColour", "无"),
};

constexpr std::array<const char*, model::kMostBands> kOrdinals{
    ZQ_TRANSLATE_NOOP("Band", "第一环"), ZQ_TRANSLATE_NOOP("Band", "第二环"),
    ZQ_TRANSLATE_NOOP("Band", "第三环"), ZQ_TRANSLATE_NOOP("Band", "第四环"),
    ZQ_TRANSLATE_NOOP("Band", "第五环"), ZQ_TRANSLATE_NOOP("Band", "第六环"),
};

std::string joined(const std::vector<model::ESeries>& series, const std::string& between) {
    std::string out;
    for (const model::ESeries s : series)
        out += (out.empty() ? std::string() : between) + std::string(model::seriesName(s));
    return out;
}

// Four significant digits, halves up: what a result that is not exact shows.
model::Decimal fourDigits(const model::Decimal& value) {
    constexpr std::size_t kDigits = 4;
    const std::string& d = value.digits();
    if (d.size() <= kDigits) return value;
    std::uint64_t kept = 0;
    std::from_chars(d.data(), d.data() + kDigits, kept);
    kept += d[kDigits] >= '5' ? 1 : 0;
    return model::Decimal::of(kept, value.exponent() + int(d.size() - kDigits));
}

} // namespace

std::string ohms(const model::Decimal& value, const model::DecimalFormat& fmt) {
    return std::string(model::withUnit(value, fmt));
}

std::string resultOhms(const model::Decimal& value, bool exact, const model::DecimalFormat& fmt) {
    return exact ? translate("Number", "= %1").arg(ohms(value, fmt))
                 : translate("Number", "≈ %1").arg(ohms(fourDigits(value), fmt));
}

std::string ohmsRange(const model::Decimal& low, const model::Decimal& high,
                      const model::DecimalFormat& fmt) {
    return translate("Number", "%1 ～ %2").arg(ohms(low, fmt), ohms(high, fmt));
}

std::string colourName(int paletteIndex) {
    if (paletteIndex < 0 || paletteIndex >= model::palette::kSize) return {};
    return translate("Colour", kColourNames[std::size_t(paletteIndex)]);
}

std::string shortName(int paletteIndex) {
    if (paletteIndex < 0 || paletteIndex >= model::palette::kSize) return {};
    return translate("ShortColour", kShortNames[std::size_t(paletteIndex)]);
}

std::string shortNames(std::span<const int> colours) {
    std::vector<std::string> out;
    for (const int c : colours)
        out.push_back(shortName(c));
    return join(out, " ");
}

std::string bandOrdinal(int band) {
    if (band < 1 || band > model::kMostBands) return {};
    return translate("Band", kOrdinals[std::size_t(band - 1)]);
}

std::string bandColourName(int band, int paletteIndex) {
    //: A band and its colour, "第一环：红色".
    return translate("Band", "%1：%2").arg(bandOrdinal(band), colourName(paletteIndex));
}

std::string tolerance(int hundredths) {
    return std::string(model::toleranceText(hundredths));
}

std::string signedPercent(std::int64_t hundredths, const model::DecimalFormat& fmt) {
    const std::string magnitude = std::string(
        model::Decimal::of(
            hundredths < 0 ? 0 - std::uint64_t(hundredths) : std::uint64_t(hundredths), -2)
            .text(fmt.point, 2));
    return (hundredths == 0  ? std::string()
            : hundredths < 0 ? std::string("-")
                             : std::string("+")) +
           magnitude + '%';
}

std::string signedPercent(const model::Change& change, const model::DecimalFormat& fmt) {
    if (change.hundredths != 0 || change.belowHundredth.isZero())
        return signedPercent(change.hundredths, fmt);
    return (change.negative ? std::string("-") : std::string("+")) +
           std::string(change.belowHundredth.text(fmt.point)) + '%';
}

std::string seriesLabel(const std::vector<model::ESeries>& series) {
    return joined(series, std::string("/"));
}

std::string seriesAlternatives(const std::vector<model::ESeries>& series) {
    //: Between the names of two series a value may belong to: "E24 或 E96".
    return joined(series, translate("Series", " 或 "));
}

std::string quoted(const std::string& text, int shown) {
    // Cut between characters, never inside one.
    std::size_t at = 0;
    for (int n = 0; at < text.size() && n < shown; ++n)
        do
            ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    const std::string cut = at < text.size() ? text.substr(0, at) + "…" : text;
    return translate("Quote", "“%1”").arg(cut);
}

std::string notAColour(const std::string& typed) {
    // Spaces, line ends and unseen marks by their code points: the reason stays one line.
    const std::string shown = model::typed::shown(model::typed::decode(typed).chars);
    return translate("Colour", "%1不是色环的颜色。").arg(quoted(std::string(shown)));
}

} // namespace zq::wording
