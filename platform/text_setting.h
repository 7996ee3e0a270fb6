// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Setting a design's texts in whatever face stands in for the design's. The designs were
// measured in 宋体, where a Chinese character is one em wide, every other character half an
// em, and a line one em high. A stand-in keeps that measure where it matters: lines one em
// apart, spaces half an em (indented lines stay under what they are indented under), and a
// line the design fits into its control condensed until it fits there too.
#include <QFont>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <utility>
#include <vector>

namespace zq {

// A design font as the runtime draws it: the installed face at the design's pixel size,
// and whether its texts follow the 宋体 measure above.
struct SetFont {
    QFont font;
    bool songMeasure = false;
};

// The width of one line in the 宋体 measure, at `em` pixels.
double songMeasureWidth(const QString& line, int em);

// The font itself when every line fits `width` (or would not fit it in the design either);
// otherwise the font condensed until those lines fit. Spaces stay half an em in the 宋体 measure.
QFont fitLines(const SetFont& f, const QStringList& lines, double width);

// What a space measures: half an em in the 宋体 measure, else the face's own.
double spaceWidth(const QFont& font, bool songMeasure);
// The formats that give every space of `line` the width of spaceWidth().
QList<QTextLayout::FormatRange> spaceFormats(const QString& line, const QFont& font,
                                             bool songMeasure);

// Distance between lines, and from a line's top to its baseline.
struct LineMetrics {
    int step = 0;
    int baseline = 0;
};
LineMetrics lineMetrics(const SetFont& f, const QFont& fitted);

// One line of laid-out text: where its baseline starts, in the control's pixels, and its
// words, each at its distance from there (the spaces between them measured as above).
struct SetLine {
    QString text;
    QPointF origin;
    double width = 0;
    std::vector<std::pair<double, QString>> words;
};

// Lays the text out in a box `width` wide: hard breaks at "\n" (a "\r" is dropped),
// soft breaks where a line is wider than the box and `wrap` is set; `centre` centres each line.
std::vector<SetLine> layOutText(const QString& text, const SetFont& f, const QFont& font,
                                const LineMetrics& m, double width, bool wrap, bool centre);
// Moves the lines up or down, by whole pixels, as far as needed to keep their ink within
// `height`: a face whose characters or descenders reach further than the design's then keeps
// them inside the control instead of having them cut off. Returns the height the ink needs:
// `height`, or more when it is taller than that.
double keepInkInside(std::vector<SetLine>& lines, const QFont& font, const LineMetrics& m,
                     double height);
// The width of one line as layOutText sets it.
double lineWidth(const QString& line, const QFont& font, bool songMeasure);

// The hard lines of a caption.
QStringList hardLines(const QString& caption);

} // namespace zq
