// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/command_line.h"

namespace zq::wording {

namespace {

// "--colours、--read 或 --smd": the options one of which is meant.
std::string alternatives(std::vector<std::string> names) {
    if (names.size() < 2) return names.empty() ? std::string() : names.front();
    const std::string last = names.back();
    names.pop_back();
    //: Between the names of options but the last, "--colours、--read 或 --smd".
    const std::string head = join(names, translate("CommandLine", "、"));
    //: Before the last of several options, one of which is meant.
    return translate("CommandLine", "%1 或 %2").arg(head, last);
}

} // namespace

std::string commandLineRefusal(const std::string& program, const std::string& what) {
    return translate("CommandLine", "%1：%2。用 %1 --help 查看可用的选项。").arg(program, what);
}

std::string unknownOption(const std::string& typed) {
    return translate("CommandLine", "不认识的选项“%1”").arg(typed);
}

std::string optionTakesNoValue(const std::string& option) {
    return translate("CommandLine", "选项“%1”不带值").arg(option);
}

std::string optionWithoutValue(const std::string& option) {
    return translate("CommandLine", "选项“%1”缺少值").arg(option);
}

std::string optionGivenTwice(const std::string& option) {
    return translate("CommandLine", "选项“%1”只能给一次").arg(option);
}

std::string optionNeedsOneOf(const std::string& option, const std::vector<std::string>& needed) {
    return translate("CommandLine", "选项“%1”要和 %2 一起用").arg(option, alternatives(needed));
}

std::string severalQuestions(const std::vector<std::string>& asked) {
    return translate("CommandLine", "%1 一次只能问一个")
        .arg(join(asked, translate("CommandLine", "、")));
}

std::string extraArgument(const std::string& word) {
    return translate("CommandLine", "多余的参数“%1”").arg(word);
}

std::string severalWindows(const std::string& first, const std::string& second) {
    return translate("CommandLine", "%1 和 %2 只能选一个").arg(first, second);
}

std::string seedNotANumber(const std::string& option) {
    return translate("CommandLine", "选项“%1”要一个非负整数，如 %1 42").arg(option);
}

std::string commandLineHelp(const std::string& program, const std::string& optionTable) {
    return translate(
               "CommandLine",
               "用法：%1 [选项]\n"
               "色环电阻计算器：一环一环地选出电阻上的颜色，算出阻值和误差。\n\n选项：\n%2"
               "\n由阻值查色环，答案写在终端上，不开窗口：\n"
               "  %1 --colours 阻值 [--bands 4|5] [--tolerance 颜色] [--have E12|文件] [--json]\n"
               "  例如：%1 --colours 4.7k --bands 5 --tolerance 棕\n"
               "  手头没有这个阻值时，用有的电阻凑：%1 --colours 4.5k --have E12\n"
               "读贴片代码：\n"
               "  %1 --smd 代码 [--json]，例如：%1 --smd 4R7\n"
               "识读色环，两头都读，可以和万用表读数核对：\n"
               "  %1 --read 颜色… [--measured 阻值] [--gap left|right] [--body 颜色] [--json]\n"
               "  例如：%1 --read 棕 黑 黑 红 棕 --measured 9.93k\n"
               "  看得出宽的间隔在哪边时：%1 --read 红 红 棕 棕 --gap right\n"
               "\n不带选项时打开程序窗口。Qt 的通用选项（如 -style、-platform）照常可用。\n")
        .arg(program, optionTable);
}

std::string versionText(const std::string& name, const std::string& version,
                        const std::string& company) {
    return translate("CommandLine", "%1 %2\n%3 版权所有。本程序依 GPL-3.0-or-later 许可发布。\n")
        .arg(name, version, company);
}

// One literal each, so that the catalogue finds the whole sentence.
// clang-format off
std::string optionDescription(const std::string& option) {
    if (option == "help") return translate("CommandLine", "显示本帮助，然后退出。");
    if (option == "version") return translate("CommandLine", "显示版本，然后退出。");
    if (option == "colours") return translate("CommandLine", "由阻值查色环，例如 4.7k、4k7、470R。");
    if (option == "bands") return translate("CommandLine", "和 --colours 一起用：四环还是五环，默认四环。");
    if (option == "tolerance") return translate("CommandLine", "和 --colours 一起用：误差环的颜色，如 金、棕、gold。");
    if (option == "have") return translate("CommandLine", "和 --colours 一起用：用手头的电阻凑出这个阻值，一个、两个、三个串并联；文件里一行一个阻值。");
    if (option == "smd") return translate("CommandLine", "读贴片电阻上的代码，如 472、4R7、01C。");
    if (option == "read") return translate("CommandLine", "识读色环：后面跟看到的颜色，从左到右，如 棕 黑 橙 金。");
    if (option == "measured") return translate("CommandLine", "和 --read 一起用：万用表量到的阻值，逐个核对读法。");
    if (option == "gap") return translate("CommandLine", "和 --read 一起用：宽的间隔在哪一边（左、右）。");
    if (option == "body") return translate("CommandLine", "和 --read 一起用：电阻身体的颜色（米色、蓝色、绿色、其他）。");
    if (option == "json") return translate("CommandLine", "把答案写成一个 JSON 对象，数值是精确的十进制字符串。");
    if (option == "value-window") return translate("CommandLine", "打开程序，“由阻值查色环”窗口在前。");
    if (option == "reading-window") return translate("CommandLine", "打开程序，“识读色环”窗口在前。");
    if (option == "practice-window") return translate("CommandLine", "打开程序，“练习”窗口在前。");
    if (option == "practice-seed") return translate("CommandLine", "打开练习窗口，题目按种子 N 出，每次一样。");
    return {};
}
// clang-format on

std::string optionValueName(const std::string& option) {
    if (option == "colours" || option == "measured") return translate("CommandLine", "阻值");
    if (option == "tolerance") return translate("CommandLine", "颜色");
    if (option == "have") return translate("CommandLine", "E6|E12|E24|文件");
    if (option == "smd") return translate("CommandLine", "代码");
    return {};
}

std::string answerNotWritten(const std::string& why) {
    return translate("CommandLine", "zelquin：答案没能写到标准输出（%1）。\n").arg(why);
}

std::string noDisplay() {
    return translate("CommandLine", "zelquin: no display; run it under a desktop, or with "
                                    "QT_QPA_PLATFORM=offscreen (see README).\n");
}

} // namespace zq::wording
