// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/combinations.h"

#include "wording/value.h"
#include "wording/words.h"

#include <array>
#include <charconv>

namespace zq::wording {

namespace {

const std::array<const char*, 7> kCircuitNames{
    ZQ_TRANSLATE_NOOP("Combinations", "一个电阻"),
    ZQ_TRANSLATE_NOOP("Combinations", "两个串联"),
    ZQ_TRANSLATE_NOOP("Combinations", "两个并联"),
    ZQ_TRANSLATE_NOOP("Combinations", "三个串联"),
    ZQ_TRANSLATE_NOOP("Combinations", "三个并联"),
    ZQ_TRANSLATE_NOOP("Combinations", "一个串上两个并联的"),
    ZQ_TRANSLATE_NOOP("Combinations", "一个并上两个串联的"),
};

std::string tr(const char* source) {
    return translate("Combinations", source);
}

std::string ofParts(const model::Combination& c, const std::string& joiner,
                    const model::DecimalFormat& fmt) {
    std::vector<std::string> parts;
    for (const model::Decimal& p : c.parts)
        parts.push_back(ohms(p, fmt));
    return join(parts, joiner);
}

const std::string kPlus = std::string(" + "), kParallel = std::string(" ∥ ");

// Four significant digits of the exact value: rounding the milliohms first could round twice.
model::Decimal rounded(const model::Combination& c) {
    return model::significantQuotient(c.numerator, c.denominator, 4);
}

// The error, and for a way outside the tolerance the heading names, that it is.
std::string judgedError(const model::Combination& c, const model::DecimalFormat& fmt) {
    const std::string error = signedPercent(c.error, fmt);
    return c.withinTolerance
               ? error
               : translate("Combinations", "%1，超出 %2").arg(error, tolerance(c.tolerance));
}

} // namespace

std::string combinationResult(const model::Combination& c, const model::DecimalFormat& fmt) {
    return shownExactly(c) ? resultOhms(c.shown, true, fmt) : resultOhms(rounded(c), false, fmt);
}

std::string circuitName(model::Circuit circuit, int parts) {
    for (std::size_t i = 0; i < model::kShapes.size(); ++i)
        if (model::kShapes[i].circuit == circuit && model::kShapes[i].parts == parts)
            return tr(kCircuitNames[i]);
    return {};
}

std::string circuitFormula(const model::Combination& c, const model::DecimalFormat& fmt) {
    switch (c.circuit) {
    case model::Circuit::single:
    case model::Circuit::series:
        return ofParts(c, kPlus, fmt);
    case model::Circuit::parallel:
        return ofParts(c, kParallel, fmt);
    case model::Circuit::seriesOfParallel:
    case model::Circuit::parallelOfSeries: {
        if (c.parts.size() != 3) return {};
        const bool outerSeries = c.circuit == model::Circuit::seriesOfParallel;
        return Phrase("%1%2(%3%4%5)")
            .arg(ohms(c.parts[0], fmt), outerSeries ? kPlus : kParallel, ohms(c.parts[1], fmt),
                 outerSeries ? kParallel : kPlus, ohms(c.parts[2], fmt));
    }
    }
    return {};
}

bool shownExactly(const model::Combination& c) {
    // In lowest terms the value has at most three decimals when the denominator divides 1000.
    const std::string d = c.denominator.text();
    if (d.size() > 4) return false;
    int den = 0;
    std::from_chars(d.data(), d.data() + d.size(), den);
    return den > 0 && 1000 % den == 0;
}

std::string combinationsHeading(const model::Decimal& wanted, const std::string& kitName,
                                int toleranceHundredths, const model::DecimalFormat& fmt) {
    return translate("Combinations", "用手头的电阻凑 %1（%2，误差 %3 以内）：")
        .arg(ohms(wanted, fmt), kitName, tolerance(toleranceHundredths));
}

std::string combinationLine(const model::Combination& c, bool simplest,
                            const model::DecimalFormat& fmt) {
    const std::string name = circuitName(c.circuit, int(c.parts.size()));
    const std::string error = judgedError(c, fmt);
    // One part needs no sum: its value is the part's.
    const std::string line =
        c.circuit == model::Circuit::single
            ? translate("Combinations", "  %1：%2，%3").arg(name, ohms(c.shown, fmt), error)
            : translate("Combinations", "  %1：%2 %3，%4")
                  .arg(name, circuitFormula(c, fmt), combinationResult(c, fmt), error);
    return simplest ? translate("Combinations", "%1  ← 最简单").arg(line) : line;
}

std::string entryError(const model::Combination& c, const model::DecimalFormat& fmt) {
    const std::string error = signedPercent(c.error, fmt);
    return c.withinTolerance
               ? error
               : translate("Combinations", "%1  超出 %2").arg(error, tolerance(c.tolerance));
}

std::string noneWithinTolerance(int toleranceHundredths) {
    return translate("Combinations", "三个以内凑不进 %1。").arg(tolerance(toleranceHundredths));
}

std::string emptyKit() {
    return translate("Combinations", "套装里还没有阻值。");
}

std::vector<std::string> working(const model::Combination& c, const model::DecimalFormat& fmt) {
    std::vector<std::string> lines;
    const auto conductances = [&](std::size_t from) {
        std::vector<std::string> terms;
        for (std::size_t i = from; i < c.parts.size(); ++i)
            terms.push_back(Phrase("1/%1").arg(ohms(c.parts[i], fmt)));
        return Phrase("1/(%1)").arg(join(terms, kPlus));
    };
    const std::string result = combinationResult(c, fmt);
    switch (c.circuit) {
    case model::Circuit::single:
        lines.push_back(translate("Combinations", "就用这一个：%1").arg(ohms(c.shown, fmt)));
        break;
    case model::Circuit::series:
        lines.push_back(
            translate("Combinations", "串联，阻值相加：%1 %2").arg(ofParts(c, kPlus, fmt), result));
        break;
    case model::Circuit::parallel:
        lines.push_back(
            translate("Combinations", "并联，倒数相加：%1 %2").arg(conductances(0), result));
        break;
    case model::Circuit::seriesOfParallel:
        if (c.parts.size() != 3) break;
        lines.push_back(translate("Combinations", "后两个并联：%1，再串上 %2：%2 + %1 %3")
                            .arg(conductances(1), ohms(c.parts[0], fmt), result));
        break;
    case model::Circuit::parallelOfSeries:
        if (c.parts.size() != 3) break;
        lines.push_back(
            translate("Combinations", "后两个串联：%1 + %2，再和 %3 并联：1/(1/%3 + "
                                      "1/(%1 + %2)) %4")
                .arg(ohms(c.parts[1], fmt), ohms(c.parts[2], fmt), ohms(c.parts[0], fmt), result));
        break;
    }
    if (!shownExactly(c))
        lines.push_back(
            translate("Combinations", "精确值：%1/%2 Ω")
                .arg(std::string(c.numerator.text()), std::string(c.denominator.text())));
    return lines;
}

std::string partColours(const model::Decimal& value, const std::string& colourNames,
                        const model::DecimalFormat& fmt) {
    return translate("Combinations", "%1：%2").arg(ohms(value, fmt), colourNames);
}

std::string wantedFault(model::KitValueFault fault) {
    switch (fault) {
    case model::KitValueFault::zero:
        return translate("Combinations", "零欧用跳线，不用凑。");
    case model::KitValueFault::finerThanMilliohm:
        return translate("Combinations", "只能凑到 1 毫欧为止。");
    case model::KitValueFault::aboveGigaohm:
        return translate("Combinations", "只能凑到 1GΩ 为止。");
    }
    return {};
}

std::string kitFileUnreadable(const std::string& path, KitFileTrouble trouble) {
    std::string why;
    switch (trouble) {
    case KitFileTrouble::none:
        return {};
    case KitFileTrouble::missing:
        why = translate("Combinations", "没有这个文件。");
        break;
    case KitFileTrouble::folder:
        why = translate("Combinations", "这是一个文件夹。");
        break;
    case KitFileTrouble::notRegular:
        why = translate("Combinations", "这不是普通文件。");
        break;
    case KitFileTrouble::notReadable:
        why = translate("Combinations", "没有读它的权限。");
        break;
    case KitFileTrouble::failed:
        why = translate("Combinations", "读到一半出了错。");
        break;
    case KitFileTrouble::tooLarge:
        why = translate("Combinations", "文件太大，套装文件最多 %1 KB。")
                  .arg(model::kKitMostBytes / 1024);
        break;
    }
    return translate("Combinations", "读不了套装文件“%1”：%2").arg(path, why);
}

std::string kitTooManyValues(const std::string& where) {
    return translate("Combinations", "套装文件“%1”里的阻值太多：最多 %2 个。")
        .arg(where)
        .arg(model::kKitMostValues);
}

std::string kitLineNote(const std::string& where, const model::KitNote& note,
                        const model::DecimalFormat& fmt) {
    return translate("Combinations", "套装文件“%1”第 %2 行：%3")
        .arg(where)
        .arg(note.line)
        .arg(inputNote(note.reading, fmt));
}

std::string noSuchSeriesKit(const std::string& typed, const std::vector<std::string>& offered) {
    return translate("Combinations", "没有“%1”这个套装，也没有这个文件：能用的系列是 %2，"
                                     "或者一个一行一个阻值的文件。")
        .arg(typed, join(offered, translate("Combinations", "、")));
}

std::string combinationsPanelHeading(const model::Decimal& wanted, const std::string& kitName,
                                     int toleranceHundredths, const model::DecimalFormat& fmt) {
    return translate("Combinations", "用手头的电阻凑 %1（%2，误差 %3 以内）")
        .arg(ohms(wanted, fmt), kitName, tolerance(toleranceHundredths));
}

std::string kitLineReason(const model::KitLine& line) {
    if (!line.fault) return inputReason(line.reading);
    if (*line.fault == model::KitValueFault::zero)
        return translate("Combinations", "0 欧是跳线，不能拿来凑。");
    if (*line.fault == model::KitValueFault::finerThanMilliohm)
        return translate("Combinations", "比 1 毫欧还细，凑不了。");
    return translate("Combinations", "大过 1GΩ，凑不了。");
}

std::string kitLineRefused(const std::string& where, const model::KitLine& line) {
    return translate("Combinations", "套装文件“%1”第 %2 行用不了：%3")
        .arg(where)
        .arg(line.line)
        .arg(kitLineReason(line));
}

std::string kitFileEmpty(const std::string& where) {
    return translate("Combinations", "套装文件“%1”里没有阻值。").arg(where);
}

std::string ownKitSetAside(const std::optional<model::KitLine>& line, const std::string& aside,
                           std::optional<model::KitLimit> over) {
    std::string what =
        line ? translate("Combinations", "我的套装文件第 %1 行读不出。").arg(line->line)
        : over == model::KitLimit::values
            ? translate("Combinations", "我的套装文件超过 %1 个阻值。").arg(model::kKitMostValues)
        : over == model::KitLimit::bytes
            ? translate("Combinations", "我的套装文件超过 %1 KB。").arg(model::kKitMostBytes / 1024)
            : translate("Combinations", "我的套装文件打不开。");
    what += aside.empty()
                ? translate("Combinations", "原文件没能改名留着，先用入门套装。")
                : translate("Combinations", "原文件改名为“%1”留着，先用入门套装。").arg(aside);
    return what;
}

std::string ownKitNotSaved(const std::string& path) {
    return translate("Combinations", "没能存到“%1”，套装没有改。").arg(path);
}

std::string ownKitName() {
    return translate("Combinations", "我的套装");
}

std::string seriesKitName(model::ESeries s) {
    return std::string(model::seriesName(s));
}

} // namespace zq::wording
