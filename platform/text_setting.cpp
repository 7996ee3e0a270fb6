// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/text_setting.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace zq {

namespace {

int emOf(const QFont& f) {
    return f.pixelSize() > 0 ? f.pixelSize() : int(std::lround(QFontMetricsF(f).height()));
}

double stretchOf(const QFont& f) {
    return f.stretch() > 0 ? f.stretch() : 100.0;
}

} // namespace

double songMeasureWidth(const QString& line, int em) {
    // In the design's character set every character beyond ASCII takes two bytes and a
    // full em; a surrogate pair is one character.
    double w = 0;
    for (QChar c : line) {
        if (c.isLowSurrogate()) continue;
        w += c.unicode() < 0x80 ? em / 2.0 : em;
    }
    return w;
}

double spaceWidth(const QFont& font, bool songMeasure) {
    const QFontMetricsF fm(font);
    if (!songMeasure) return fm.horizontalAdvance(QLatin1Char(' '));
    // Half of what a Chinese character really takes in this face, condensed or not, so
    // that two spaces stand exactly under one character.
    const double wide = fm.horizontalAdvance(QChar(0x56FD));
    return (wide > 0 ? wide : emOf(font) * stretchOf(font) / 100.0) / 2;
}

QList<QTextLayout::FormatRange> spaceFormats(const QString& line, const QFont& font,
                                             bool songMeasure) {
    QList<QTextLayout::FormatRange> out;
    if (!songMeasure) return out;
    QTextCharFormat wider;
    wider.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    wider.setFontLetterSpacing(spaceWidth(font, true) -
                               QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
    for (qsizetype i = 0; i < line.size();) {
        if (line[i] != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < line.size() && line[i] == QLatin1Char(' '))
            ++i;
        out.push_back({int(start), int(i - start), wider});
    }
    return out;
}

namespace {

// A word's width in a font. Fitting a caption measures each of its lines several times
// (natural width, the check for wrapping, the layout itself), and each measure shapes the
// word anew; the answer for a font and a word never changes, so it is kept.
double wordWidth(const QFontMetricsF& fm, const QFont& font, const QString& word) {
    static QHash<std::pair<QFont, QString>, double> known;
    const std::pair<QFont, QString> key{font, word};
    const auto k = known.constFind(key);
    if (k != known.constEnd()) return *k;
    // Read-outs change with every value: a bound keeps the cache from growing with them.
    if (known.size() >= 512) known.clear();
    const double w = fm.horizontalAdvance(word);
    known.insert(key, w);
    return w;
}

// A line split at its spaces: each word with its distance from the line's start.
SetLine setWords(const QString& line, const QFont& font, bool songMeasure) {
    const QFontMetricsF fm(font);
    const double space = spaceWidth(font, songMeasure);
    SetLine out{line, {}, 0, {}};
    double x = 0;
    for (qsizetype i = 0; i < line.size();) {
        qsizetype j = i;
        if (line[i] == QLatin1Char(' ')) {
            while (j < line.size() && line[j] == QLatin1Char(' '))
                ++j;
            x += double(j - i) * space;
        } else {
            while (j < line.size() && line[j] != QLatin1Char(' '))
                ++j;
            const QString word = line.mid(i, j - i);
            out.words.emplace_back(x, word);
            x += wordWidth(fm, font, word);
            out.width = x;
        }
        i = j;
    }
    return out;
}

} // namespace

double lineWidth(const QString& line, const QFont& font, bool songMeasure) {
    return setWords(line, font, songMeasure).width;
}

QFont fitLines(const SetFont& f, const QStringList& lines, double width) {
    const int em = emOf(f.font);
    // Lines the design itself breaks are left to the wrapping, as the design has them.
    QStringList fitting;
    for (const QString& l : lines)
        if (!f.songMeasure || songMeasureWidth(l, em) <= width) fitting << l;
    auto widest = [&](const QFont& font) {
        double w = 0;
        for (const QString& l : fitting)
            w = std::max(w, lineWidth(l, font, f.songMeasure));
        return w;
    };
    QFont font = f.font;
    const double natural = widest(font);
    if (natural <= width || natural <= 0) return font;
    // Condensed rather than wrapped or cut: the text keeps its place, a little narrower.
    const double base = stretchOf(font);
    for (int s = int(std::floor(base * width / natural)); s >= 50; --s) {
        font.setStretch(s);
        if (widest(font) <= width) break;
    }
    return font;
}

LineMetrics lineMetrics(const SetFont& f, const QFont& fitted) {
    const QFontMetricsF m(fitted);
    if (!f.songMeasure) return {int(std::ceil(m.height())), int(std::lround(m.ascent()))};
    // One em per line, whatever the face's own line height; the Chinese characters sit in the
    // middle of their line, where the design's face has them.
    const int step = emOf(fitted);
    const QRectF ink = m.boundingRect(QChar(0x56FD)); // 国: fills its em square
    int baseline = int(std::lround(step * 0.86));
    if (ink.height() > 0 && ink.height() <= 1.5 * step)
        baseline = int(std::lround((step - ink.height()) / 2 - ink.top()));
    return {step, std::clamp(baseline, 1, step)};
}

double keepInkInside(std::vector<SetLine>& lines, const QFont& font, const LineMetrics& m,
                     double height) {
    if (lines.empty()) return height;
    const QFontMetricsF fm(font);
    double lo = -1e9, hi = 1e9;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].text.trimmed().isEmpty()) continue;
        const QRectF ink = fm.tightBoundingRect(lines[k].text);
        const double above = double(k) * m.step;
        lo = std::max(lo, -ink.top() - above);
        hi = std::min(hi, height - above - ink.bottom());
    }
    if (lo == -1e9) return height;
    // Taller than the box: the top of the ink at the top, and the height it needs.
    const double needed =
        std::ceil(lo) > std::floor(hi) ? height + std::ceil(lo) - std::floor(hi) : height;
    const double baseline = std::clamp(double(m.baseline), std::ceil(lo), std::floor(hi));
    const double shift = (std::ceil(lo) > std::floor(hi) ? std::ceil(lo) : baseline) - m.baseline;
    for (SetLine& l : lines)
        l.origin.ry() += shift;
    return needed;
}

QStringList hardLines(const QString& caption) {
    QString t = caption;
    t.remove(QLatin1Char('\r'));
    return t.split(QLatin1Char('\n'));
}

std::vector<SetLine> layOutText(const QString& text, const SetFont& f, const QFont& font,
                                const LineMetrics& m, double width, bool wrap, bool centre) {
    std::vector<SetLine> out;
    auto add = [&](const QString& s) {
        SetLine l = setWords(s, font, f.songMeasure);
        const double x = centre ? (width - l.width) / 2 : 0;
        l.origin = QPointF(x, double(out.size()) * m.step + m.baseline);
        out.push_back(std::move(l));
    };
    for (const QString& line : hardLines(text)) {
        if (!wrap || line.isEmpty() || lineWidth(line, font, f.songMeasure) <= width) {
            add(line);
            continue;
        }
        QTextLayout layout(line, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.setFormats(spaceFormats(line, font, f.songMeasure));
        layout.beginLayout();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(width);
            add(line.mid(l.textStart(), l.textLength()));
        }
        layout.endLayout();
    }
    return out;
}

} // namespace zq
