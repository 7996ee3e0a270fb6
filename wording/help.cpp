// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/help.h"

namespace zq::wording {

namespace {

const std::string kBreak = std::string("\r\n");

} // namespace

std::string helpText(const Contact& c) {
    // Each line of the running text stands alone, an empty line after it.
    const std::string first[] = {
        std::string(30, '=') + std::string("ZelquinV1.1") + std::string(29, '='),
        translate(
            "HelpWindow",
            "色环电阻在电子产品已经广泛使用，对于初学电子技术的人来说，色环电阻的阻值是多少,"),
        translate("HelpWindow", "是个头疼的事,常因色环电阻上的色环值记不住，而无法知道电阻的阻值"),
        translate("HelpWindow",
                  "本软件就是在这种情况下开发的，特别适合初学者，背熟色环值好，本软件也就没什么用"),
        translate("HelpWindow",
                  "在V1.0基础上,加大了软件界面,并采用了仿XP界面,增加了色环电阻计算过程流程图"),
        translate("HelpWindow",
                  "按先乘,除,后加,减的方法,先算红框中的,然后再算绿框中的,得出的结果在万用表上"),
        translate(
            "HelpWindow",
            "V1.1将V1.0中选色环颜色的下拉列表框,改成了色块,这样更加直观,方便。V1.1和V1.0一样"),
        // One sentence across two lines is one text: the catalogue never holds half of one.
        translate("HelpWindow",
                  "软件会自动识别四环,五环电阻,并且自动计算出电阻的阻值，第四环中的无色是用来切换\n"
                  "，四环电阻和五环电阻。软件中电阻第一环在左边，最后一环在右边"),
        std::string(42, '*') + translate("HelpWindow", "注 意") + std::string(31, '*'),
        translate("HelpWindow",
                  "本软件使用时，必须先按万用表上相应按钮后，然后再选对应颜色。本软件会显示"),
        translate("HelpWindow",
                  "出你选择了第几环和相对应的颜色,软件并会自动识别当前电阻是几环电阻"),
        translate("HelpWindow", "第四环中，若选为无色，表示，你要算的是四环电阻，相反为五环电阻"),
        std::string(33, '*') + translate("HelpWindow", "色环电阻相关知识") + std::string(29, '*'),
        translate("HelpWindow",
                  "电阻在电路中用“R”加数字表示，如：R1表示编号为1的电阻。电阻在电路中的主要作用"),
        translate("HelpWindow",
                  "为分流,限流,分压,偏置等.1、参数识别：电阻的单位为欧姆（Ω），倍率单位有："),
        translate("HelpWindow",
                  "千欧（KΩ），兆欧（MΩ）等。换算方法是：1兆欧=1000千欧=1000000欧电阻的参数标注"),
        translate("HelpWindow",
                  "方法有3种，即直标法、色标法和数标法。a、数标法主要用于贴片等小体积的电路，"),
        translate("HelpWindow",
                  "如：472 表示 47×100Ω（即4.7K）； 104则表示100Kb、色环标注法使用最多，现举例如"),
        translate(
            "HelpWindow",
            "下：四色环电阻，五色环电阻(精密电阻，主要用在仪器，仪表等要求误差小，精度高的电路中)"),
    };
    std::string text;
    for (const std::string& lines : first)
        for (const std::string& line : splitLines(lines))
            text += line + kBreak + kBreak;

    // The signature stands at the right; the second address lines up under the first,
    // past the five-character label.
    const std::string right(52, ' ');
    const std::string underAddress(62, ' ');
    text += right + translate("HelpWindow", "作者：%1").arg(c.author) + kBreak;
    text += right + translate("HelpWindow", "即时通讯号：%1").arg(c.messengerNumbers) + kBreak;
    text +=
        right + translate("HelpWindow", "即时通讯帐号：%1").arg(c.messengerAccount) + ' ' + kBreak;
    text += right + translate("HelpWindow", "电子邮件：%1").arg(c.mail) + kBreak;
    text += underAddress + c.mail2 + kBreak;
    text += right + translate("HelpWindow", "主页：%1").arg(c.homePage) + kBreak;
    text += right + translate("HelpWindow", "%1 版权所有").arg(c.maker) + kBreak;
    return text;
}

std::string otherWindowsText() {
    // Set as the text above: a heading of stars, each line with an empty line after it. A
    // paragraph is one text, broken into lines as long as those above.
    const std::string heading = translate("HelpWindow", "另外三个窗口");
    // One literal each, so that the catalogue finds the whole paragraph.
    // clang-format off
    const std::string paragraphs[] = {
        translate("HelpWindow", "主窗口里点右键（或按 Shift+F10、菜单键）弹出的菜单，可以打开下面三个窗口；\n它们都按 Esc 关闭；前两个里按 Ctrl+回车 把色环带到主窗口显示。"),
        translate("HelpWindow", "由阻值查色环（Ctrl+F）：输入阻值，如 4.7k、4k7、470R，按回车，\n答出四环或五环电阻的色环、误差范围、标准值和贴片代码。"),
        translate("HelpWindow", "用手头的电阻凑（在由阻值查色环窗口里点它）：用 E6、E12、E24 或自己的\n一盒电阻串并联凑出那个阻值，列出算式和每个电阻的色环，Esc 关闭。"),
        translate("HelpWindow", "识读色环（Ctrl+R）：照电阻上看到的样子从左到右点色块（键盘 1～9、0\n输入数字的颜色，J 金、Y 银，退格键退一环），两头都读出阻值，\n可以和万用表读数核对；也能读贴片电阻上印的代码。"),
        translate("HelpWindow", "看不出从哪头读时，再点宽的间隔在哪边、电阻身体是什么颜色：宽的间隔\n后面是误差环；米色身体多是 ±5%、±10% 的四环，蓝色身体多是 ±1% 的五环。"),
        translate("HelpWindow", "练习（Ctrl+L）：看色环说阻值、按阻值选色环、找从哪头读、读贴片代码、\n算误差范围；答错时指出错在哪里，常错的题会多出。"),
        translate("HelpWindow", "练习的按键：输入阻值后按回车作答，再按回车下一题；选色环用 1～9、0、\nJ 金、Y 银，退格键退一环，回车作答；从哪头读用 ← → 选一端，回车作答；\n问号键看提示，PageDown 跳过这题；点统计表的一行出一道那类题。"),
        translate("HelpWindow", "启动时直接打开：zelquin --value-window、--reading-window 或 --practice-window。"),
    };
    // clang-format on
    std::string text =
        kBreak + std::string(37, '*') + heading + std::string(33, '*') + kBreak + kBreak;
    for (const std::string& p : paragraphs)
        for (const std::string& line : splitLines(p))
            text += line + kBreak + kBreak;
    return text;
}

std::string aboutText(const Contact& c) {
    const std::vector<std::string> lines = {
        translate("AboutWindow", "软件名称：Zelquin"),
        translate("AboutWindow", "软件版本：V1.1"),
        std::string(),
        translate("AboutWindow", "使用平台：Win9x/Me/NT/2000/XP/Vista/7"),
        translate("AboutWindow", "主页：%1").arg(c.homePage),
        std::string(),
        // Fifteen columns of label, so that the second address stands under the first.
        translate("AboutWindow", "电子邮件地址： %1").arg(c.mail),
        std::string(15, ' ') + c.mail2, // under the first address
        translate("AboutWindow", "即时通讯号：%1").arg(c.messengerNumbers),
        translate("AboutWindow", "即时通讯帐号：%1").arg(c.messengerAccount),
        std::string(),
        translate("AboutWindow", "作者：%1").arg(c.author),
        std::string(),
        translate("AboutWindow", "%1 版权所有").arg(c.maker),
    };
    return join(lines, std::string("\r\n"));
}

// One literal, so that the catalogue finds the whole sentence.
// clang-format off
std::string firstStartNote() {
    return translate("FirstStartHint", "还有三个窗口：由阻值查色环（Ctrl+F）、识读色环（Ctrl+R）、练习（Ctrl+L）。在主窗口空白处点右键，或按 Shift+F10，也能从菜单打开它们。");
}
// clang-format on

} // namespace zq::wording
