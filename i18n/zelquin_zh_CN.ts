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
    <name>Quote</name>
    <message>
        <source>“%1”</source>
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
