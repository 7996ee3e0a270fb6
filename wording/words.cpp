// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/words.h"

#include "model/colour_code.h"
#include "model/colour_finder.h"
#include "model/typed_text.h"

#include <array>
#include <cstdlib>

namespace zq::wording {

namespace {

constexpr std::array<const char*, model::palette::kSize> kColourNames{
    QT_TRANSLATE_NOOP("Colour", "棕色"), QT_TRANSLATE_NOOP("Colour", "红色"),
    QT_TRANSLATE_NOOP("Colour", "橙色"), QT_TRANSLATE_NOOP("Colour", "黄色"),
    QT_TRANSLATE_NOOP("Colour", "绿色"), QT_TRANSLATE_NOOP("Colour", "蓝色"),
    QT_TRANSLATE_NOOP("Colour", "紫色"), QT_TRANSLATE_NOOP("Colour", "灰色"),
    QT_TRANSLATE_NOOP("Colour", "白色"), QT_TRANSLATE_NOOP("Colour", "黑色"),
    QT_TRANSLATE_NOOP("Colour", "金色"), QT_TRANSLATE_NOOP("Colour", "银色"),
    QT_TRANSLATE_NOOP("Colour", "无色"),
};

constexpr std::array<const char*, model::palette::kSize> kShortNames{
    QT_TRANSLATE_NOOP("ShortColour", "棕"), QT_TRANSLATE_NOOP("ShortColour", "红"),
    QT_TRANSLATE_NOOP("ShortColour", "橙"), QT_TRANSLATE_NOOP("ShortColour", "黄"),
    QT_TRANSLATE_NOOP("ShortColour", "绿"), QT_TRANSLATE_NOOP("ShortColour", "蓝"),
    QT_TRANSLATE_NOOP("ShortColour", "紫"), QT_TRANSLATE_NOOP("ShortColour", "灰"),
    QT_TRANSLATE_NOOP("ShortColour", "白"), QT_TRANSLATE_NOOP("ShortColour", "黑"),
    QT_TRANSLATE_NOOP("ShortColour", "金"), QT_TRANSLATE_NOOP("ShortColour", "银"),
    QT_TRANSLATE_NOOP("ShortColour", "无"),
};

constexpr std::array<const char*, model::kMostBands> kOrdinals{
    QT_TRANSLATE_NOOP("Band", "第一环"), QT_TRANSLATE_NOOP("Band", "第二环"),
    QT_TRANSLATE_NOOP("Band", "第三环"), QT_TRANSLATE_NOOP("Band", "第四环"),
    QT_TRANSLATE_NOOP("Band", "第五环"), QT_TRANSLATE_NOOP("Band", "第六环"),
};

QString joined(const std::vector<model::ESeries>& series, const QString& between) {
    QString out;
    for (const model::ESeries s : series)
        out += (out.isEmpty() ? QString() : between) + q(model::seriesName(s));
    return out;
}

// Four significant digits, halves up: what a result that is not exact shows.
model::Decimal fourDigits(const model::Decimal& value) {
    constexpr std::size_t kDigits = 4;
    const std::string& d = value.digits();
    if (d.size() <= kDigits) return value;
    const std::uint64_t kept = std::stoull(d.substr(0, kDigits)) + (d[kDigits] >= '5' ? 1 : 0);
    return model::Decimal::of(kept, value.exponent() + int(d.size() - kDigits));
}

} // namespace

QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString ohms(const model::Decimal& value, const model::DecimalFormat& fmt) {
    return q(model::withUnit(value, fmt));
}

QString resultOhms(const model::Decimal& value, bool exact, const model::DecimalFormat& fmt) {
    return exact ? QCoreApplication::translate("Number", "= %1").arg(ohms(value, fmt))
                 : QCoreApplication::translate("Number", "≈ %1").arg(ohms(fourDigits(value), fmt));
}

QString ohmsRange(const model::Decimal& low, const model::Decimal& high,
                  const model::DecimalFormat& fmt) {
    return QCoreApplication::translate("Number", "%1 ～ %2").arg(ohms(low, fmt), ohms(high, fmt));
}

QString colourName(int paletteIndex) {
    if (paletteIndex < 0 || paletteIndex >= model::palette::kSize) return {};
    return QCoreApplication::translate("Colour", kColourNames[std::size_t(paletteIndex)]);
}

QString shortName(int paletteIndex) {
    if (paletteIndex < 0 || paletteIndex >= model::palette::kSize) return {};
    return QCoreApplication::translate("ShortColour", kShortNames[std::size_t(paletteIndex)]);
}

QString shortNames(std::span<const int> colours) {
    QStringList out;
    for (const int c : colours)
        out << shortName(c);
    return out.join(QLatin1Char(' '));
}

QString bandOrdinal(int band) {
    if (band < 1 || band > model::kMostBands) return {};
    return QCoreApplication::translate("Band", kOrdinals[std::size_t(band - 1)]);
}

QString bandColourName(int band, int paletteIndex) {
    //: A band and its colour, "第一环：红色".
    return QCoreApplication::translate("Band", "%1：%2")
        .arg(bandOrdinal(band), colourName(paletteIndex));
}

QString tolerance(int hundredths) {
    return q(model::toleranceText(hundredths));
}

QString signedPercent(std::int64_t hundredths, const model::DecimalFormat& fmt) {
    const QString magnitude =
        q(model::Decimal::of(
              hundredths < 0 ? 0 - std::uint64_t(hundredths) : std::uint64_t(hundredths), -2)
              .text(fmt.point, 2));
    return (hundredths == 0  ? QString()
            : hundredths < 0 ? QStringLiteral("-")
                             : QStringLiteral("+")) +
           magnitude + QLatin1Char('%');
}

QString signedPercent(const model::Change& change, const model::DecimalFormat& fmt) {
    if (change.hundredths != 0 || change.belowHundredth.isZero())
        return signedPercent(change.hundredths, fmt);
    return (change.negative ? QStringLiteral("-") : QStringLiteral("+")) +
           q(change.belowHundredth.text(fmt.point)) + QLatin1Char('%');
}

QString seriesLabel(const std::vector<model::ESeries>& series) {
    return joined(series, QStringLiteral("/"));
}

QString seriesAlternatives(const std::vector<model::ESeries>& series) {
    //: Between the names of two series a value may belong to: "E24 或 E96".
    return joined(series, QCoreApplication::translate("Series", " 或 "));
}

QString quoted(const QString& text, int shown) {
    // Cut between characters, never inside a surrogate pair.
    qsizetype at = 0;
    for (int n = 0; at < text.size() && n < shown; ++n)
        at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    const QString cut = at < text.size() ? text.left(at) + QStringLiteral("…") : text;
    return QCoreApplication::translate("Quote", "“%1”").arg(cut);
}

QString notAColour(const QString& typed) {
    // Spaces, line ends and unseen marks by their code points: the reason stays one line.
    const std::string shown = model::typed::shown(model::typed::decode(typed.toStdString()).chars);
    return QCoreApplication::translate("Colour", "%1不是色环的颜色。")
        .arg(quoted(QString::fromStdString(shown)));
}

} // namespace zq::wording
