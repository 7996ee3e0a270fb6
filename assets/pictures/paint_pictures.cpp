// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time painter of every picture the program shows. Run by the build with the output
// folder as its argument; writes <folder>/res/<n>.png, <folder>/design/form<k>/<name>.png,
// each also as <name>@2x.png drawn at twice the size, and <folder>/contact-sheet.png.
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "assets/pictures/catalogue_table.h"
#include "assets/pictures/studio.h"

namespace {

using zq::pictures::PictureInfo;
namespace paint = zq::paint;

QString fileFor(const QString& folder, std::string_view resourcePath, int scale) {
    // ":/res/101.png" -> "<folder>/res/101.png" or ".../101@2x.png"
    std::string rel(resourcePath.substr(2));
    if (scale == 2) rel = zq::pictures::twiceSizePath(rel);
    return folder + QLatin1Char('/') + QString::fromStdString(rel);
}

bool fullyOpaque(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255) return false;
    }
    return true;
}

void write(const QImage& painted, const PictureInfo& info, int scale, const QString& folder) {
    if (painted.size() != QSize(info.width, info.height) * scale)
        throw std::runtime_error("wrong size: " + std::string(info.path));
    if (!info.transparent && !fullyOpaque(painted))
        throw std::runtime_error("an opaque picture came out with holes: " +
                                 std::string(info.path));
    QImage out = info.transparent ? painted.convertToFormat(QImage::Format_ARGB32)
                                  : painted.convertToFormat(QImage::Format_RGB888);
    for (const QString& key : painted.textKeys())
        out.setText(key, painted.text(key));
    const QString file = fileFor(folder, info.path, scale);
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!out.save(file, "PNG")) throw std::runtime_error("cannot write " + file.toStdString());
}

QString caption(const PictureInfo& info) {
    return QStringLiteral("%1  %2×%3")
        .arg(QString::fromUtf8(info.path.data(), qsizetype(info.path.size())).mid(2))
        .arg(info.width)
        .arg(info.height);
}

int labelWidth(const PictureInfo& info) {
    return int(
        std::ceil(QFontMetricsF(paint::sansFont(11, false)).horizontalAdvance(caption(info))));
}

// Every picture at 1:1 and at 3:1, labelled, on a quiet grey, transparent ones over a
// faint checkerboard.
QImage contactSheet(paint::Studio& studio) {
    constexpr int kMaxWidth = 2440, kGap = 16, kLabel = 16;
    struct Cell {
        const PictureInfo* info;
        QRect box;
        bool stacked; // 3:1 below the 1:1 instead of beside it
    };
    std::vector<Cell> cells;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const PictureInfo& info : zq::pictures::detail::kTable) {
        const int w = info.width, h = info.height;
        const bool stacked = 4 * w + 8 > kMaxWidth - 2 * kGap;
        const int cw = std::max(stacked ? 3 * w : 4 * w + 8, labelWidth(info) + 8);
        const int ch = kLabel + (stacked ? 4 * h + 8 : 3 * h);
        if (x + cw > kMaxWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        cells.push_back({&info, QRect(x, y, cw, ch), stacked});
        x += cw + kGap;
        rowHeight = std::max(rowHeight, ch);
    }
    QImage sheet(kMaxWidth, y + rowHeight + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(196, 196, 198));
    QPainter p(&sheet);
    p.setFont(paint::sansFont(11, false));
    auto place = [&](const QImage& img, const QRect& at, bool transparent) {
        if (transparent) {
            for (int cy = at.top(); cy <= at.bottom(); cy += 6)
                for (int cx = at.left(); cx <= at.right(); cx += 6)
                    p.fillRect(QRect(cx, cy, 6, 6).intersected(at),
                               ((cx - at.left()) / 6 + (cy - at.top()) / 6) % 2
                                   ? QColor(214, 214, 216)
                                   : QColor(176, 176, 180));
        }
        p.drawImage(at, img);
    };
    for (const Cell& c : cells) {
        const PictureInfo& info = *c.info;
        const QImage& img = studio.picture(info.path);
        p.setPen(QColor(30, 30, 34));
        p.drawText(QRect(c.box.left(), c.box.top(), c.box.width(), kLabel),
                   Qt::AlignLeft | Qt::AlignVCenter, caption(info));
        const int top = c.box.top() + kLabel;
        place(img, QRect(c.box.left(), top, info.width, info.height), info.transparent);
        const QImage big =
            img.scaled(img.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QPoint at = c.stacked ? QPoint(c.box.left(), top + info.height + 8)
                                    : QPoint(c.box.left() + info.width + 8, top);
        place(big, QRect(at, big.size()), info.transparent);
    }
    p.end();
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: paint_pictures <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    try {
        std::vector<paint::Job> jobs;
        paint::addResistorPictures(jobs);
        paint::addMeterPictures(jobs);
        paint::addMainChromePictures(jobs);
        paint::addHelpPictures(jobs);
        paint::addAboutPictures(jobs);
        paint::addValuePictures(jobs);
        // One painter for each picture, and a picture for each painter.
        for (const PictureInfo& info : zq::pictures::detail::kTable) {
            const auto n = std::count_if(jobs.begin(), jobs.end(),
                                         [&](const paint::Job& j) { return j.path == info.path; });
            if (n != 1)
                throw std::runtime_error("painters for " + std::string(info.path) + ": " +
                                         std::to_string(n));
        }
        if (jobs.size() != std::size(zq::pictures::detail::kTable))
            throw std::runtime_error("a painter paints a picture that is not in the catalogue");

        for (int scale : {1, 2}) {
            paint::Studio studio(scale, jobs);
            for (const PictureInfo& info : zq::pictures::detail::kTable)
                write(studio.picture(info.path), info, scale, folder);
            if (scale == 1) {
                const QString sheet = folder + QStringLiteral("/contact-sheet.png");
                if (!contactSheet(studio).save(sheet, "PNG"))
                    throw std::runtime_error("cannot write " + sheet.toStdString());
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "paint_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
