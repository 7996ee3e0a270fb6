<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软件名称：Zelquin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软件版本：V1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用平台：Win9x/Me/NT/2000/XP/Vista/7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主页：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子邮件地址： %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>即时通讯号：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>即时通讯帐号：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作者：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 版权所有</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>第一环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第二环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第四环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第五环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第六环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>A band and its colour, &quot;第一环：红色&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BandRefusal</name>
    <message>
        <source>所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%。记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所以不能为银色，银为被乘数，数值是0.01,同时银也是允许误差值，是±10%。记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所以不能为无色，无色为允许误差值,是±20%。记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BandRole</name>
    <message>
        <source>数字环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍率环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>温度系数环</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChipCode</name>
    <message>
        <source>Z、Y（R）、X（S）、A、B（H）、C、D、E、F</source>
        <extracomment>The multiplier letters of EIA-96 codes, second names in brackets.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字符 %1 不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”（%2）不是贴片电阻代码里的字符：代码只由数字和字母组成，不带单位。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>零欧跳线 → %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2，%2 × %3 = %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R 当小数点 → %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × 10%2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（按 EIA-96）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（R 当小数点）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全是 0 表示零欧跳线电阻，相当于一根导线，阻值是 %1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EIA-96 代码：前两位 %1 是 E96 系列的第 %2 个值 %3，字母 %4 表示乘 %5，所以是 %6，精度 ±1%。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R 在代码里代表小数点，%1 就是 %2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前%1位 %2 是有效数字，最后一位 %3 表示再乘 10 的 %3 次方（就是乘 1），所以是 %4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前%1位 %2 是有效数字，最后一位 %3 表示再乘 10 的 %3 次方（在后面添 %3 个 0），所以是 %4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1有两种读法，得数一样：R 当小数点是 %2，当 EIA-96 代码（R 表示 ×0.01）也是 %3，只是 EIA-96 的电阻精度是 ±1%。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1有两种读法：R 当小数点是 %2，当 EIA-96 代码是 %3（%4 号是 %5，R 表示 ×0.01）。三位代码一般把 %2 印成 %6，所以 EIA-96 的读法更常见；EIA-96 代码多印在 0603 这类小个头的 1% 电阻上，个头大的多半是 %2，拿不准就用万用表量一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先输入贴片电阻上印的代码，例如 472、4702、4R7 或 01C。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入里有无效的 UTF-8 字节 %1：贴片电阻的代码只由数字和字母组成。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入里有看不见的字符 %1：贴片电阻的代码只由数字和字母组成，请删掉它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贴片电阻的代码里没有小数点“%1”：小数点用 R 表示，例如 %2 印作 4R7。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1中间有空格：贴片电阻的代码是连着印的，请照电阻上的样子连起来输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1里有 %2 个 R：R 是小数点，一个代码里只能有一个。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1有 %2 个字符，太长了：贴片电阻的代码最多 4 个字符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只有一个 R：R 在代码里当小数点，前后还要有数字，例如 R47、4R7。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 00），例如 1R0、R47。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1太短了：贴片电阻的代码是 3 或 4 个字符（零欧跳线可以只印 0 或 00）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EIA-96 的编号只有 01～96，%1不在其中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1不是 EIA-96 的倍率字母，能用的有 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”是 EIA-96 的倍率字母，要写在两位数字后面（例如 01%1），%2不是这样的代码。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是贴片电阻代码里的字母：数字代码只用 R 当小数点，EIA-96 代码是两位数字加一个倍率字母（%2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的有效数字是 %2，乘 10 的几次方都还是 0：零欧跳线只印 0、00、000 或 0000，没有这种写法。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1以 0 开头：数字代码的第一位是有效数字，厂家不在前面添 0（全是 0 的才是零欧跳线）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1在 R 前面的数字以 0 开头：R 前面要么没有数字，要么只有一个 0（如 R47、0R47），要么是不以 0 开头的数字（如 4R7、47R）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1读出来是 0：零欧跳线只印 0、00、000 或 0000，不用 R。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的最后一位 %2 不是贴片电阻用的倍率：当 10 的 %2 次方是 %3，一般的贴片电阻做不到这么大；照电容的写法当 ×%4 是 %5，可电阻的小数要用 R 写。读不准，请用万用表量一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1读出来是 %2 × 10%3 = %4，一般的贴片电阻做不到这么大：四位代码的最后一位最大是 6。读不准，请用万用表量一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四环 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五环 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同样的阻值用色环：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说明：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四环色环：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五环色环：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环：零欧跳线只有一个%1环。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>棕色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>红色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>橙色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黄色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>绿色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>紫色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>灰色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>银色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1不是色环的颜色。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Combinations</name>
    <message>
        <source>一个电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两个串联</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两个并联</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三个串联</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三个并联</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个串上两个并联的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一个并上两个串联的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用手头的电阻凑 %1（%2，误差 %3 以内）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  ← 最简单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三个以内凑不进 %1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>套装里还没有阻值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>就用这一个：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>精确值：%1/%2 Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>零欧用跳线，不用凑。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只能凑到 1 毫欧为止。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只能凑到 1GΩ 为止。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有这个文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这是一个文件夹。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有读它的权限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读到一半出了错。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读不了套装文件“%1”：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 欧是跳线，不能拿来凑。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比 1 毫欧还细，凑不了。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大过 1GΩ，凑不了。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>套装文件“%1”第 %2 行用不了：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>套装文件“%1”里没有阻值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装文件第 %1 行读不出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装文件超过 %1 个阻值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装文件超过 %1 KB。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装文件打不开。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原文件改名为“%1”留着，先用入门套装。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没能存到“%1”，套装没有改。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原文件没能改名留着，先用入门套装。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1：%2，%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1：%2 %3，%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串联，阻值相加：%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>并联，倒数相加：%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>后两个并联：%1，再串上 %2：%2 + %1 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>后两个串联：%1 + %2，再和 %3 并联：1/(1/%3 + 1/(%1 + %2)) %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这不是普通文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件太大，套装文件最多 %1 KB。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>套装文件“%1”里的阻值太多：最多 %2 个。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>套装文件“%1”第 %2 行：%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有“%1”这个套装，也没有这个文件：能用的系列是 %2，或者一个一行一个阻值的文件。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用手头的电阻凑 %1（%2，误差 %3 以内）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，超出 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  超出 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CombinationsPanel</name>
    <message>
        <source>用手头的电阻凑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑我的套装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>算式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每个电阻的色环</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>打开程序，“由阻值查色环”窗口在前。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开程序，“识读色环”窗口在前。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 和 %2 只能选一个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项“%1”不带值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示本帮助，然后退出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示版本，然后退出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由阻值查色环，例如 4.7k、4k7、470R。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>和 --colours 一起用：四环还是五环，默认四环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>颜色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>和 --colours 一起用：误差环的颜色，如 金、棕、gold。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>代码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读贴片电阻上的代码，如 472、4R7、01C。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>识读色环：后面跟看到的颜色，从左到右，如 棕 黑 橙 金。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>和 --read 一起用：万用表量到的阻值，逐个核对读法。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把答案写成一个 JSON 对象，数值是精确的十进制字符串。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2。用 %1 --help 查看可用的选项。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of options but the last, &quot;--colours、--read 或 --smd&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 或 %2</source>
        <extracomment>Before the last of several options, one of which is meant.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不认识的选项“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项“%1”缺少值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项“%1”只能给一次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项“%1”要和 %2 一起用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 一次只能问一个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>多余的参数“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2
%3 版权所有。本程序依 GPL-3.0-or-later 许可发布。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zelquin：答案没能写到标准输出（%1）。
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zelquin: no display; run it under a desktop, or with QT_QPA_PLATFORM=offscreen (see README).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E6|E12|E24|文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>和 --colours 一起用：用手头的电阻凑出这个阻值，一个、两个、三个串并联；文件里一行一个阻值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开程序，“练习”窗口在前。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开练习窗口，题目按种子 N 出，每次一样。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项“%1”要一个非负整数，如 %1 42</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>和 --read 一起用：宽的间隔在哪一边（左、右）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>和 --read 一起用：电阻身体的颜色（米色、蓝色、绿色、其他）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法：%1 [选项]
色环电阻计算器：一环一环地选出电阻上的颜色，算出阻值和误差。

选项：
%2
由阻值查色环，答案写在终端上，不开窗口：
  %1 --colours 阻值 [--bands 4|5] [--tolerance 颜色] [--have E12|文件] [--json]
  例如：%1 --colours 4.7k --bands 5 --tolerance 棕
  手头没有这个阻值时，用有的电阻凑：%1 --colours 4.5k --have E12
读贴片代码：
  %1 --smd 代码 [--json]，例如：%1 --smd 4R7
识读色环，两头都读，可以和万用表读数核对：
  %1 --read 颜色… [--measured 阻值] [--gap left|right] [--body 颜色] [--json]
  例如：%1 --read 棕 黑 黑 红 棕 --measured 9.93k
  看得出宽的间隔在哪边时：%1 --read 红 红 棕 棕 --gap right

不带选项时打开程序窗口。Qt 的通用选项（如 -style、-platform）照常可用。
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Contact</name>
    <message>
        <source>Zelquin 开发组</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暂无 / 暂无</source>
        <extracomment>Messenger numbers: none yet.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstStartHint</name>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>知道了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>知道了，不再提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>还有三个窗口：由阻值查色环（Ctrl+F）、识读色环（Ctrl+R）、练习（Ctrl+L）。在主窗口空白处点右键，或按 Shift+F10，也能从菜单打开它们。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环电阻在电子产品已经广泛使用，对于初学电子技术的人来说，色环电阻的阻值是多少,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是个头疼的事,常因色环电阻上的色环值记不住，而无法知道电阻的阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本软件就是在这种情况下开发的，特别适合初学者，背熟色环值好，本软件也就没什么用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在V1.0基础上,加大了软件界面,并采用了仿XP界面,增加了色环电阻计算过程流程图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按先乘,除,后加,减的方法,先算红框中的,然后再算绿框中的,得出的结果在万用表上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1.1将V1.0中选色环颜色的下拉列表框,改成了色块,这样更加直观,方便。V1.1和V1.0一样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注 意</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本软件使用时，必须先按万用表上相应按钮后，然后再选对应颜色。本软件会显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出你选择了第几环和相对应的颜色,软件并会自动识别当前电阻是几环电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第四环中，若选为无色，表示，你要算的是四环电阻，相反为五环电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环电阻相关知识</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻在电路中用“R”加数字表示，如：R1表示编号为1的电阻。电阻在电路中的主要作用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>为分流,限流,分压,偏置等.1、参数识别：电阻的单位为欧姆（Ω），倍率单位有：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>千欧（KΩ），兆欧（MΩ）等。换算方法是：1兆欧=1000千欧=1000000欧电阻的参数标注</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方法有3种，即直标法、色标法和数标法。a、数标法主要用于贴片等小体积的电路，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>如：472 表示 47×100Ω（即4.7K）； 104则表示100Kb、色环标注法使用最多，现举例如</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下：四色环电阻，五色环电阻(精密电阻，主要用在仪器，仪表等要求误差小，精度高的电路中)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作者：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>即时通讯号：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>即时通讯帐号：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电子邮件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主页：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 版权所有</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另外三个窗口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主窗口里点右键（或按 Shift+F10、菜单键）弹出的菜单，可以打开下面三个窗口；
它们都按 Esc 关闭；前两个里按 Ctrl+回车 把色环带到主窗口显示。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>由阻值查色环（Ctrl+F）：输入阻值，如 4.7k、4k7、470R，按回车，
答出四环或五环电阻的色环、误差范围、标准值和贴片代码。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>识读色环（Ctrl+R）：照电阻上看到的样子从左到右点色块（键盘 1～9、0
输入数字的颜色，J 金、Y 银，退格键退一环），两头都读出阻值，
可以和万用表读数核对；也能读贴片电阻上印的代码。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>练习（Ctrl+L）：看色环说阻值、按阻值选色环、找从哪头读、读贴片代码、
算误差范围；答错时指出错在哪里，常错的题会多出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启动时直接打开：zelquin --value-window、--reading-window 或 --practice-window。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用手头的电阻凑（在由阻值查色环窗口里点它）：用 E6、E12、E24 或自己的
一盒电阻串并联凑出那个阻值，列出算式和每个电阻的色环，Esc 关闭。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>软件会自动识别四环,五环电阻,并且自动计算出电阻的阻值，第四环中的无色是用来切换
，四环电阻和五环电阻。软件中电阻第一环在左边，最后一环在右边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>练习的按键：输入阻值后按回车作答，再按回车下一题；选色环用 1～9、0、
J 金、Y 银，退格键退一环，回车作答；从哪头读用 ← → 选一端，回车作答；
问号键看提示，PageDown 跳过这题；点统计表的一行出一道那类题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>看不出从哪头读时，再点宽的间隔在哪边、电阻身体是什么颜色：宽的间隔
后面是误差环；米色身体多是 ±5%、±10% 的四环，蓝色身体多是 ±1% 的五环。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KitPanel</name>
    <message>
        <source>%1，%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在“由阻值查色环”窗口查一个阻值，这里给出用手头的电阻凑它的办法。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点一种凑法，看它的算式和每个电阻的色环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>○%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 行用不了：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上次选的套装读不出，先用 %1；原文件没能改名留着。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上次选的套装读不出，先用 %1；原文件改名为“%2”留着。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没能记下选了 %1，下次打开不会先选它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装改过了，还没有保存。不保存就关上吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2  %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  ★最简单</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装最多放 %1 个阻值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我的套装最多 %1 KB。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>由阻值查色环…	Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>识读色环…	Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>万用表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选棕色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选棕色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选红色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选红色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选橙色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选橙色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选黄色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选黄色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环绿色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选绿色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选蓝色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选蓝色，这是一个四环电阻！啦</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选紫色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选紫色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选灰色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选灰色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选白色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选白色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选黑色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选黑色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选金色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选金色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为金色，所以不能在第四环选银色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第三环为银色，所以不能在第四环选银色啦，这是一个四环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>温馨提示！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你选择了%1，所以不能为金色，金为被乘数，数值是0.1,同时金也是允许误差值，是±5%。记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你选择了%1，所以不能为银色，银为被乘数，数值是0.01,同时银也是允许误差值，是±10%。记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你选择了%1，所以不能为无色，无色为允许误差值,是±20%。记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差环没有%1，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你选择了第三环，不管是四环电阻，还是五环电阻，这一环，都不能为无色！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第四环不是无色，所以不能选金色，这是一个五环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第四环不是无色，所以不能选银色,这是一个五环电阻！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电阻可允许误差值：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>现在为四环电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>现在为五环电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>练习…	Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等于： %1</source>
        <extracomment>The flow chart&apos;s result: the value with its unit, &quot;等于： 25.40KΩ&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Number</name>
    <message>
        <source>= %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>≈ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ～ %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OwnKitEditor</name>
    <message>
        <source>我的套装里的阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>退一环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下一题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从左端读起</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从右端读起</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你的答案</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重新开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选色环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从哪端读</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贴片代码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差范围</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读反方向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四五环混淆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍率错位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>颜色看混</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位弄错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差读错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ppm/K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>温度系数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左端</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右端</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这只电阻是多少欧？输入阻值（4.7k、4k7、4700 都行），按回车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点色块排出 %1 %2 的五环色环，再按“作答”。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>点色块排出 %1 %2 的四环色环，再按“作答”。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贴片电阻上印着 %1，它是多少欧？输入阻值，按回车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这只电阻量出来最低可能是多少欧？输入阻值，按回车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这只电阻量出来最高可能是多少欧？输入阻值，按回车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>隔开，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从左到右，%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三位和四位代码弄混了：四位代码前三位是数字，最后一位才是 10 的几次方。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把倍率环当成了一位数字：%1是倍率 %2，不是数字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍率错了，答案大了 %1 倍。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>倍率错了，答案小了 %1 倍。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1是%2，倍率 %3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>颜色选混了：%1应是%2，你选了%3。这两种颜色容易混。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>颜色看混了：%1是%2，你当成了%3。这两种颜色容易看混。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位弄错了：答案大了 %1 倍。k 是千（×1000），M 是兆（×1000000）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位弄错了：答案小了 %1 倍。k 是千（×1000），M 是兆（×1000000）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差读错了：%1%2是 %3，你按 %4 算了。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答对了！看过提示，这题记作“提示后答对”。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答对了！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>还差几环：要选 %1 环，已选 %2 环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先输入一个阻值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没读懂这个答案：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>算法：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;%1 %2 → %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读起：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这样读：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Ω</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 = %3 = %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最低：%1 − %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高：%1 + %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值 %1，误差 %2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已选 %1/%2 环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>练习进度文件读不了，已改名为 %1 放在一边；这次从头开始。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>练习进度没能保存：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除全部练习进度，从头开始？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>进度已清除，从头开始。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这题用不上它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没看间隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>看间隔：误差环和别的环隔得远一些，它在读的最后，另一端就是读起的一端。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>看颜色：金色和银色不会是第一环，它们没有数字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这只电阻的颜色两头读都说得通，只有间隔分得出哪头先读。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这只电阻的色环是等距画的，看不出间隔：只能看颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读反了：宽的间隔在%1，那边的一环是误差环，要从%2读起。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这只电阻从哪一端读起？点那一端，或按 ← → 选好再按回车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三环电阻：前两环是数字，第三环是倍率（数字后面添几个 0），没有误差环，误差是 ±20%。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四环电阻：前两环是数字，第三环是倍率（数字后面添几个 0），第四环是误差。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五环电阻：前三环是数字，第四环是倍率（数字后面添几个 0），第五环是误差。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>六环电阻：前三环是数字，第四环是倍率（数字后面添几个 0），第五环是误差，第六环是温度系数环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三环电阻没有隔开的误差环：金色和银色不会是第一环，它们没有数字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差环和前面的环隔开一段，它和温度系数环是最后读的两环，所以从另一端读起。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差环和前面的环隔开一段，它是最后读的一环，所以从另一端读起。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前两位 %1 是 E96 系列的第 %2 个值：%3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字母 %1 是倍率 ×%2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R 前面没有数字：整数部分是 0。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R 前面的 %1 是整数部分。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 位 %2 是数字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两位数字加一个字母是 EIA-96 代码：数字是 E96 系列里第几个值，字母是倍率。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>代码里的 R 代表小数点，R 前后的数字照写。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三位代码：前两位是数字，最后一位是 10 的几次方，就是在数字后面添几个 0。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四位代码：前三位是数字，最后一位是 10 的几次方，就是在数字后面添几个 0。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这只电阻从%1读起。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最低值是阻值减去误差的那一份。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高值是阻值加上误差的那一份。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2：%3 %4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读反了方向：这只电阻要从%1读起。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>环数弄混了：五环、六环电阻前三环是数字，第四环才是倍率；三环、四环电阻前两环是数字，第三环是倍率。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不对，对照下面的算法看看错在哪里。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>题型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近答对 / 共几题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>易犯的错</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近犯过 / 共几题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 渐少</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：还没练过。点它出一道这类题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：最近 %2 题答对 %3 题，提示后答对 %4 题。点它出一道这类题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：还没有题考到它。点它出一道这类题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：最近 %2 题里犯过 %3 次，在减少。点它出一道这类题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：最近 %2 题里犯过 %3 次。点它出一道这类题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有特别要补的，照这样练下去。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>练习进度没能保存。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先按 ← 或 → 选一端，再按回车。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键：1 到 9 和 0 选数字的颜色，J 金色，Y 银色，退格键退一环，回车作答；问号键看提示，PageDown 跳过并看答案。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键：左右方向键选一端，回车作答；问号键看提示，PageDown 跳过并看答案。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键：输入阻值后按回车作答，再按回车下一题；问号键看提示，PageDown 跳过并看答案。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读，第一环是%2，可%2没有数字，不会是第一环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读，%2是%3，可%3没有数字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读，误差环是%2，可%2不是误差环的颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读，%2是%3，可没有%3的%4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读，数字环全是黑色，没有这样的电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读，第一环是黑色，可没有电阻以黑色打头。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读是 %2，不是标准阻值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环是等距画的，只能看颜色：金色和银色不会是第一环，黑色不是误差环的颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把最后一位当成了数字：它是 10 的几次方，不是数字。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把最后一位当成了数字：%1 的最后一位 %2 是 10 的几次方，要在 %3 后面添 %2 个 0。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从%1读起</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>跳过了这题，记作没答对。答案：%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条：绿 答对，黄 看过提示后答对，红 答错或跳过。
点一行，就出一道这一类的题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答对 %1 题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提示后答对 %1 题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答错 %1 题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>跳过 %1 题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第 %1 轮做完了：%2 题里%3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这一轮没有答错或跳过的题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没答对的：%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没答对的：%1；犯的错：%2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近做得好的：%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下一轮先练“%1”：点下面图表里的这一行，就出这类题。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正确</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正确：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>练习进度文件 %1 读不了，也没能改名放在一边；这次从头开始，进度不保存，免得盖掉它。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>zelquin: no Chinese font is installed; the texts may show as boxes. Install the package fonts-arphic-uming (or fonts-noto-cjk, or fonts-wqy-zenhei).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>泽昆软件</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两种读法都是标准阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两种读法都不是标准阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0Ω 是跳线电阻，不属于哪个阻值系列。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 是 %2 系列里的标准阻值，%3 的电阻就按这个系列生产。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 不在 %2 电阻所用的 %3 系列里，很少有这样的电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1误差环是 IEC 60062:2016 标准给的精密误差：%2，这是精密电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1误差环按本程序的表是 %2，IEC 60062:2016 标准给的是 %3；这是精密电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>量到的阻值只和%1的 %2 相符，所以就是它。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更可能是%1的 %2：%3的 %4 第一环是黑色，没有厂家这样生产电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更可能是%1的 %2：它是标准阻值，而%3的 %4 不是，很少有厂家生产这样的电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，但%2时误差环是%3，很常见；%4时误差环是%5，少见。所以更可能是%6的 %7。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，误差环的颜色也分不出哪种更常见，看不出哪种读法更可能。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，看不出哪种读法更可能。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正着读和倒着读是一样的：%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只有%1说得通：%2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两头读都说不通，请再看看是不是有颜色看错了。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从左往右读</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从右往左读</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环电阻有三到六个环，这里有 %1 个。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1是无色：无色就是没有环，只输入看得见的色环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1不是一种颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1误差环少见。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请用万用表量一下阻值，再对照两种读法的范围。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>量到的阻值和哪种读法都不相符，可能看错了一个颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>量到的阻值和哪种读法都不相符，也不像是看错了一个颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>精密电阻的误差环还可能是%1色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有%1的%2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，%2是%3；%2是%4，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金色或银色的环只会在%1一端，所以要从另一端读起。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1可能是%2而不是%3：那样%4是 %5，和量到的相符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>？ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>万用表读数：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环电阻有三到六个环，这里给了 %1 个颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两头都读不通：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从左到右点你看到的色块（三到六环；键 1～9、0 是数字的颜色，J 金，Y 银）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已输入 %1 环：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（至少要三环）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（最多六环）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环电阻最多六个环；看错了就按“退一环”。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>先输入三到六个色环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这组色环两头都读不通，没有可显示的读法。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主窗口的误差环没有%1：这是 IEC 60062 标准里的精密误差，只能在这里看。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三环电阻就是误差环为无色（±20%）的四环电阻，主窗口按四环显示。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主窗口没有温度系数环，第六环（%1）没有带过去。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两种读法分不出，先按%1显示；量一下再定。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按%1是%2而不是%3显示，和量到的相符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这个贴片代码读不出阻值，没有可显示的。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这个阻值做不成四环或五环色环电阻，主窗口显示不了。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽的间隔在%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>靠近引线的那一环在%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，可是%2那一环是%3，不能做第一环：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，可是%2的 %3 不是标准阻值：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，可是量到的阻值不合%2的 %3：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，可是%2时%3是%4，不能做%5：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，可是颜色不是这样读的：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>米色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>绿色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他颜色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的身体多是 %2 的电阻，所以更可能是%3的 %4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，它是第一环，所以%2：%3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，色环从另一头排起，所以%2：%3。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，%2那一环是误差环，所以%3：%4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，也是%2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两头读都一样，用不着分哪头先读。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的身体和 %2 的误差合得上。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的身体多是 %2 的电阻，少有 %3 的：再看一下颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的身体看不出是哪种电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的身体分不出这两种读法。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1的身体多是 %2 的电阻，两种读法都不是：再看一下颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宽的间隔在%1（已选，再按一下取消）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>身体是%1（已选，再按一下取消）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>身体是%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gap 要写宽的间隔在哪一边：left 或 right（左、右），这里是%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--body 要写电阻身体的颜色：beige、blue、green 或 other（米色、蓝色、绿色、其他），这里是%1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>量到的 %1 在 %2 之内，相符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>量到的 %1 不在 %2 之内，不相符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2 → %3（%4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，数字环全是黑色：没有这样的电阻（跳线电阻只有一个黑环），多半是看错了一环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不过%1的 %2 不是标准阻值，误差环是少见的%3；%4的 %5 是标准阻值，误差环是常见的%6：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不过%1的 %2 不是标准阻值，%3的 %4 才是：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不过%1时误差环是%2，少见；%3时误差环是%4，很常见：再看一下。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingWindow</name>
    <message>
        <source>退一环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在主窗口显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>万用表读数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贴片代码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Series</name>
    <message>
        <source> 或 </source>
        <extracomment>Between the names of two series a value may belong to: &quot;E24 或 E96&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortColour</name>
    <message>
        <source>棕</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>红</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>橙</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>绿</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>蓝</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>紫</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>灰</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>黑</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>金</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>银</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Value</name>
    <message>
        <source>四环电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五环电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of series in a list: &quot;E24、E96&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>跳线电阻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入里有不是 UTF-8 文字的字节（%1），请重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入里有控制字符 %1，请删掉后重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入太长了：阻值最多写 %1 个字符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请先输入阻值，例如 4.7k 或 470。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值不能是负数。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值里只能有一个小数点。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小数点和单位字母不能一起当小数点用，写 4.7k 或 4k7。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小数点请用“.”，不要用逗号。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位字母只能有一个，例如 4.7k 或 4k7。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不是阻值的单位，能用的单位有 R、k、M、G、Ω、欧、千欧、兆欧。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”后面多了“%2”：阻值后面只写单位，例如 4.7k 或 4.7kΩ。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入数字，例如 4.7k 或 470。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”是毫欧：色环电阻没有毫欧（mΩ）的阻值，请用 Ω、k、M 或 G 写。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小写 m 按 M（兆）读，即 %1；色环电阻没有毫欧（mΩ）的。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环电阻只有四环和五环两种。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有这种颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差环没有%1，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五环电阻不能没有误差环（±20%）：少了第五环，会被当成四环电阻读错。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1只有%2位有效数字，做不出 %3，最接近的是 %4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1只有%2位有效数字，做不出 %3，最接近的是 %4；五环能做出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0Ω 是跳线电阻，实物上只有一条黑色环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1误差环是 IEC 60062:2016 标准给的精密误差：%2，这是精密电阻。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 是 %2 标准值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 是 %2 标准值，但%3做不出。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 不是 %2 标准值。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1做不出相邻的标准值 %2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等于： %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（跳线，没有误差环）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环：%1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差：%1，%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说明：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标准值：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标准值 %1：%2（%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>贴片代码：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主窗口的误差环没有%1：这是 IEC 60062 标准里的精密误差，只能在这里看。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主窗口的%1误差环是 %2：%3 是 IEC 60062 的精密误差，只能在这里看。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色环数只能是 4 或 5。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值太大了：%1能做 %2，最接近的 %3 是 %4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值太小了：%1能做 %2，最接近的 %3 是 %4。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阻值太小了：%1能做 %2，最接近的是 0Ω 跳线电阻，只有一条黑色环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（%2，%3）</source>
        <extracomment>A standard value, its series and how far it lies: &quot;0.047Ω（E24，-6.00%）&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标准值：%1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1点一下填入：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1，%2</source>
        <extracomment>A tolerance chip to a screen reader: &quot;金色，±5%&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>误差范围：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入里有看不见的字符 %1，请删掉后重新输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>跳线电阻只有一条黑环，主窗口的色环做不出它：0Ω 只能在这里看。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五环电阻最小 %1，这是四环电阻。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ValueWindow</name>
    <message>
        <source>阻值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查色环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在主窗口显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>例如 4.7k、4k7、470R、R47、1M5，按回车查色环。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●四环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>○四环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●五环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>○五环</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用手头的电阻凑</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
