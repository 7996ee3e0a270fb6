// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/colours_command.h"

#include "model/colour_finder.h"
#include "model/colour_table.h"
#include "model/value_input.h"

#include <optional>
#include <string_view>

namespace zq::ui {

namespace {

constexpr std::string_view kUsage =
    "用法：zelquin --colours 阻值 [--bands 4|5] [--tolerance 颜色]，例如 zelquin --colours 4.7k";

struct Options {
    std::optional<std::string> value, bands, tolerance;
};

// "--name value" or "--name=value"; the reason when the arguments cannot be read.
std::string readOptions(const std::vector<std::string>& args, Options& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        bool inlineValue = false;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            inlineValue = true;
        }
        std::optional<std::string>* slot = name == "--colours"     ? &o.value
                                           : name == "--bands"     ? &o.bands
                                           : name == "--tolerance" ? &o.tolerance
                                                                   : nullptr;
        if (!slot) return "不认识的参数“" + args[i] + "”。";
        if (!inlineValue) {
            if (i + 1 >= args.size()) return "参数 " + name + " 后面少了值。";
            value = args[++i];
        }
        *slot = value;
    }
    if (!o.value) return std::string(kUsage);
    return {};
}

} // namespace

bool wantsColours(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--colours" || a.starts_with("--colours=")) return true;
    }
    return false;
}

int runColoursCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const std::string& decimalPoint) {
    auto fail = [&err](const std::string& reason) {
        err << reason << '\n';
        return 2;
    };
    Options o;
    if (const std::string reason = readOptions(args, o); !reason.empty()) return fail(reason);

    int bands = 4;
    if (o.bands) {
        if (*o.bands != "4" && *o.bands != "5") return fail("色环数只能是 4 或 5。");
        bands = *o.bands == "4" ? 4 : 5;
    }
    int tolerance = model::defaultTolerance(bands);
    if (o.tolerance) {
        const auto colour = model::colourByName(*o.tolerance);
        if (!colour) return fail("“" + *o.tolerance + "”不是色环的颜色。");
        tolerance = *colour;
    }

    const model::ValueInput typed = model::parseValue(*o.value, decimalPoint);
    if (!typed.ok) return fail(typed.reason);
    const model::DecimalFormat fmt{decimalPoint};
    const model::Finding f = model::findColours(typed.ohms, bands, tolerance, fmt);
    if (!f.answer) return fail(f.reason);

    const std::string shown = model::shownValue(*f.answer, fmt);
    const std::string prefix = "等于： ";
    out << "色环：" << model::colourNames(*f.answer) << "（" << (bands == 4 ? "四" : "五")
        << "环电阻）\n";
    out << "阻值：" << shown.substr(shown.starts_with(prefix) ? prefix.size() : 0) << '\n';
    out << "误差：" << model::toleranceText(model::colourRecord(tolerance).tolerance) << "，"
        << model::rangeText(*f.answer, fmt) << '\n';
    if (!f.note.empty()) out << "说明：" << f.note << '\n';
    for (const model::StandardValue& v : f.standard) {
        std::string series;
        for (const model::ESeries s : v.series)
            series += (series.empty() ? "" : "/") + std::string(model::seriesName(s));
        out << "标准值 " << series << "：" << model::withUnit(v.value, fmt) << "（"
            << model::percentText(v.percent, fmt) << "）\n";
    }
    return 0;
}

} // namespace zq::ui
