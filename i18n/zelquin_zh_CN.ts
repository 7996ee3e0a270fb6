<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
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
        <source>还有两个窗口：由阻值查色环（Ctrl+F）、识读色环（Ctrl+R）。在主窗口空白处点右键，或按 Shift+F10，也能从菜单打开它们。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>另外两个窗口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主窗口里点右键（或按 Shift+F10、菜单键）弹出的菜单，可以打开下面两个窗口；
这两个窗口里按 Esc 关闭，按 Ctrl+回车 把色环带到主窗口显示。</source>
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
        <source>启动时直接打开：zelquin --value-window 或 zelquin --reading-window。</source>
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
    <name>ReadingWindow</name>
    <message>
        <source>从左到右点你看到的色块（三到六环；键 1～9、0 是数字的颜色，J 金，Y 银）。</source>
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
</TS>
