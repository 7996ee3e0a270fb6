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
    <message>
        <source>误差环没有%1，误差环只有：棕，红，绿，蓝，紫，金，银和无色,记住啦！</source>
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
        <source>量到的 %1 在 %2～%3 之内，相符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>量到的 %1 不在 %2～%3 之内，不相符。</source>
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
        <source>%1：%2 → %3（%4～%5）</source>
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
        <source>%1不是色环的颜色。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两头都读不通：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从左到右，照你看到的样子点色块（三到六环；键盘 1～9、0 输入数字的颜色）。</source>
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
        <source>%1：%2</source>
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
</TS>
