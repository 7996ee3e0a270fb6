// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/main_window.h"

#include "wording/words.h"

#include <array>

namespace zq::wording {

namespace {

// Band 4 of a four-band resistor while band 3 is gold (first) or silver (second), by the
// palette index clicked. Kept whole: two of them are irregular.
constexpr std::array<std::array<const char*, 2>, model::palette::kPaintedSize> kBand4{{
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选棕色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选棕色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选红色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选橙色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选橙色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选黄色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选黄色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环绿色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选绿色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选蓝色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选蓝色，这是一个四环电阻！啦")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选紫色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选紫色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选灰色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选灰色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选白色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选白色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选黑色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选黑色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选金色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选金色啦，这是一个四环电阻！")},
    {ZQ_TRANSLATE_NOOP("MainWindow", "第三环为金色，所以不能在第四环选银色啦，这是一个四环电阻！"),
     ZQ_TRANSLATE_NOOP("MainWindow", "第三环为银色，所以不能在第四环选银色啦，这是一个四环电阻！")},
}};

std::string fromTable(const char* source) {
    return translate("MainWindow", source);
}

std::string band4Refusal(int metal, int colour) {
    if (colour < 0 || colour >= model::palette::kPaintedSize) return {};
    return fromTable(kBand4[std::size_t(colour)][metal == model::palette::kGold ? 0 : 1]);
}

} // namespace

std::string warningTitle() {
    return translate("MainWindow", "温馨提示！");
}

std::string digitBandRefusal(int band, int colour) {
    const std::string ordinal = bandOrdinal(band);
    switch (colour) {
    case model::palette::kGold:
        return translate("MainWindow", "你选择了%1，所以不能为金色，金为被乘数，数值是0.1,"
                                       "同时金也是允许误差值，是±5%。记住啦！")
            .arg(ordinal);
    case model::palette::kSilver:
        return translate("MainWindow", "你选择了%1，所以不能为银色，银为被乘数，数值是0.01,"
                                       "同时银也是允许误差值，是±10%。记住啦！")
            .arg(ordinal);
    case model::palette::kNone:
        return translate("MainWindow",
                         "你选择了%1，所以不能为无色，无色为允许误差值,是±20%。记住啦！")
            .arg(ordinal);
    default:
        return {};
    }
}

std::string toleranceBandRefusal(int colour) {
    return translate("MainWindow",
                     "误差环没有%1，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！")
        .arg(colourName(colour));
}

std::string warning(model::Warning w, int band, int colour) {
    using W = model::Warning;
    switch (w) {
    case W::DigitBandHasNoDigit:
        return band == 1 || band == 2 ? digitBandRefusal(band, colour) : std::string();
    case W::Band3NeverNone:
        return translate("MainWindow",
                         "你选择了第三环，不管是四环电阻，还是五环电阻，这一环，都不能为无色！");
    case W::Band3MetalOnFiveBand:
        if (colour == model::palette::kGold)
            return translate("MainWindow", "第四环不是无色，所以不能选金色，这是一个五环电阻！");
        if (colour == model::palette::kSilver)
            return translate("MainWindow", "第四环不是无色，所以不能选银色,这是一个五环电阻！");
        return {};
    case W::Band4AfterGoldBand3:
        return band4Refusal(model::palette::kGold, colour);
    case W::Band4AfterSilverBand3:
        return band4Refusal(model::palette::kSilver, colour);
    case W::ToleranceBandRefuses:
        return toleranceBandRefusal(colour);
    }
    return {};
}

std::string toleranceCaption(int hundredths) {
    return translate("MainWindow", "电阻可允许误差值：%1").arg(tolerance(hundredths));
}

std::string resistorKind(bool fourBand) {
    return fourBand ? translate("MainWindow", "现在为四环电阻")
                    : translate("MainWindow", "现在为五环电阻");
}

std::string resultLine(const std::string& ohms) {
    //: The flow chart's result: the value with its unit, "等于： 25.40KΩ".
    return translate("MainWindow", "等于： %1").arg(ohms);
}

} // namespace zq::wording
