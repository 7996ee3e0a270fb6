// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time step after the painter: turns every 1x picture it drew into the pixels the
// windows paint, so that the program decodes nothing at start-up and paints straight from its
// own read-only resources. Writes <out>/<name>.argb32 for each <folder>/<name>.png of the
// catalogue (platform/raw_picture.h has the layout).
//
// Usage: embed_pictures <picture folder> <output folder>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <string>

#include "assets/pictures/catalogue_table.h"
#include "platform/raw_picture.h"

namespace {

QString relative(std::string_view resourcePath) {
    // ":/res/101.png" -> "res/101.png"
    return QString::fromUtf8(resourcePath.data() + 2, qsizetype(resourcePath.size() - 2));
}

bool embed(const QString& folder, const QString& out, const zq::pictures::PictureInfo& info) {
    const QString png = folder + QLatin1Char('/') + relative(info.path);
    const QImage drawn(png);
    if (drawn.isNull()) {
        std::fprintf(stderr, "embed_pictures: cannot read %s\n", qPrintable(png));
        return false;
    }
    if (drawn.size() != QSize(info.width, info.height)) {
        std::fprintf(stderr, "embed_pictures: %s is %dx%d, the catalogue says %dx%d\n",
                     qPrintable(png), drawn.width(), drawn.height(), info.width, info.height);
        return false;
    }
    const QImage pixels = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    bool opaque = true;
    for (int y = 0; y < pixels.height() && opaque; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width() && opaque; ++x)
            opaque = qAlpha(line[x]) == 255;
    }
    const zq::RawPictureHeader header{zq::kRawPictureMagic, std::uint32_t(pixels.width()),
                                      std::uint32_t(pixels.height()),
                                      opaque ? zq::kRawPictureOpaque : 0u};
    const QString file =
        out + QLatin1Char('/') +
        QString::fromStdString(zq::rawPicturePath(relative(info.path).toStdString()));
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              f.write(reinterpret_cast<const char*>(&header), sizeof header) == sizeof header;
    // Row by row: the rows of a QImage may be padded, those of the file are not.
    const qint64 row = qint64(pixels.width()) * 4;
    for (int y = 0; ok && y < pixels.height(); ++y)
        ok = f.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), row) == row;
    if (!ok) std::fprintf(stderr, "embed_pictures: cannot write %s\n", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: embed_pictures <picture folder> <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    for (const zq::pictures::PictureInfo& info : zq::pictures::detail::kTable)
        if (!embed(folder, out, info)) return 1;
    return 0;
}
