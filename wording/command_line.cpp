// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/command_line.h"

#include <QCoreApplication>

namespace zq::wording {

namespace {

// "--colours、--read 或 --smd": the options one of which is meant.
QString alternatives(QStringList names) {
    if (names.size() < 2) return names.value(0);
    const QString last = names.takeLast();
    //: Between the names of options but the last, "--colours、--read 或 --smd".
    const QString head = names.join(QCoreApplication::translate("CommandLine", "、"));
    //: Before the last of several options, one of which is meant.
    return QCoreApplication::translate("CommandLine", "%1 或 %2").arg(head, last);
}

} // namespace

QString commandLineRefusal(const QString& program, const QString& what) {
    return QCoreApplication::translate("CommandLine", "%1：%2。用 %1 --help 查看可用的选项。")
        .arg(program, what);
}

QString unknownOption(const QString& typed) {
    return QCoreApplication::translate("CommandLine", "不认识的选项“%1”").arg(typed);
}

QString optionTakesNoValue(const QString& option) {
    return QCoreApplication::translate("CommandLine", "选项“%1”不带值").arg(option);
}

QString optionWithoutValue(const QString& option) {
    return QCoreApplication::translate("CommandLine", "选项“%1”缺少值").arg(option);
}

QString optionGivenTwice(const QString& option) {
    return QCoreApplication::translate("CommandLine", "选项“%1”只能给一次").arg(option);
}

QString optionNeedsOneOf(const QString& option, const QStringList& needed) {
    return QCoreApplication::translate("CommandLine", "选项“%1”要和 %2 一起用")
        .arg(option, alternatives(needed));
}

QString severalQuestions(const QStringList& asked) {
    return QCoreApplication::translate("CommandLine", "%1 一次只能问一个")
        .arg(asked.join(QCoreApplication::translate("CommandLine", "、")));
}

QString extraArgument(const QString& word) {
    return QCoreApplication::translate("CommandLine", "多余的参数“%1”").arg(word);
}

QString severalWindows(const QString& first, const QString& second) {
    return QCoreApplication::translate("CommandLine", "%1 和 %2 只能选一个").arg(first, second);
}

QString seedNotANumber(const QString& option) {
    return QCoreApplication::translate("CommandLine", "选项“%1”要一个非负整数，如 %1 42")
        .arg(option);
}

QString commandLineHelp(const QString& program, const QString& optionTable) {
    return QCoreApplication::translate(
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

QString versionText(const QString& name, const QString& version, const QString& company) {
    return QCoreApplication::translate("CommandLine",
                                       "%1 %2\n%3 版权所有。本程序依 GPL-3.0-or-later 许可发布。\n")
        .arg(name, version, company);
}

// One literal each, so that the catalogue finds the whole sentence.
// clang-format off
QString optionDescription(const QString& option) {
    if (option == u"help") return QCoreApplication::translate("CommandLine", "显示本帮助，然后退出。");
    if (option == u"version") return QCoreApplication::translate("CommandLine", "显示版本，然后退出。");
    if (option == u"colours") return QCoreApplication::translate("CommandLine", "由阻值查色环，例如 4.7k、4k7、470R。");
    if (option == u"bands") return QCoreApplication::translate("CommandLine", "和 --colours 一起用：四环还是五环，默认四环。");
    if (option == u"tolerance") return QCoreApplication::translate("CommandLine", "和 --colours 一起用：误差环的颜色，如 金、棕、gold。");
    if (option == u"have") return QCoreApplication::translate("CommandLine", "和 --colours 一起用：用手头的电阻凑出这个阻值，一个、两个、三个串并联；文件里一行一个阻值。");
    if (option == u"smd") return QCoreApplication::translate("CommandLine", "读贴片电阻上的代码，如 472、4R7、01C。");
    if (option == u"read") return QCoreApplication::translate("CommandLine", "识读色环：后面跟看到的颜色，从左到右，如 棕 黑 橙 金。");
    if (option == u"measured") return QCoreApplication::translate("CommandLine", "和 --read 一起用：万用表量到的阻值，逐个核对读法。");
    if (option == u"gap") return QCoreApplication::translate("CommandLine", "和 --read 一起用：宽的间隔在哪一边（左、右）。");
    if (option == u"body") return QCoreApplication::translate("CommandLine", "和 --read 一起用：电阻身体的颜色（米色、蓝色、绿色、其他）。");
    if (option == u"json") return QCoreApplication::translate("CommandLine", "把答案写成一个 JSON 对象，数值是精确的十进制字符串。");
    if (option == u"value-window") return QCoreApplication::translate("CommandLine", "打开程序，“由阻值查色环”窗口在前。");
    if (option == u"reading-window") return QCoreApplication::translate("CommandLine", "打开程序，“识读色环”窗口在前。");
    if (option == u"practice-window") return QCoreApplication::translate("CommandLine", "打开程序，“练习”窗口在前。");
    if (option == u"practice-seed") return QCoreApplication::translate("CommandLine", "打开练习窗口，题目按种子 N 出，每次一样。");
    return {};
}
// clang-format on

QString answerNotWritten(const QString& why) {
    return QCoreApplication::translate("CommandLine", "zelquin：答案没能写到标准输出（%1）。\n")
        .arg(why);
}

QString noDisplay() {
    return QCoreApplication::translate("CommandLine",
                                       "zelquin: no display; run it under a desktop, or with "
                                       "QT_QPA_PLATFORM=offscreen (see README).\n");
}

} // namespace zq::wording
