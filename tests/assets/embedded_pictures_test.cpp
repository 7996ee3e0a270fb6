// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures as the runtime hands them to the windows, against the PNGs the host tool drew:
// the 1x ones are the embedded pixels, painted in place, and must paint exactly like the
// drawings; the @2x ones are decoded on demand and must too.
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QResource>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

#include "assets/designs/designs.h"
#include "assets/pictures/pictures.h"
#include "platform/errors.h"
#include "platform/form.h"
#include "platform/pictures.h"
#include "platform/raw_picture.h"

namespace {

using zq::pictures::PictureInfo;

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The file the host tool wrote for a resource path, at 1x or 2x.
QImage drawn(std::string_view path, int scale) {
    const std::string p = scale == 2 ? zq::pictures::twiceSizePath(path) : std::string(path);
    return QImage(QStringLiteral(ZQ_PICTURE_DIR "/") + qs(p).mid(2));
}

// What the window's painter leaves when it draws `img` at 1:1 over `background`.
QImage paintedOver(const QImage& img, QColor background) {
    QImage canvas(img.size(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(img.devicePixelRatio());
    canvas.fill(background);
    QPainter p(&canvas);
    p.drawImage(QRect(QPoint(0, 0), img.deviceIndependentSize().toSize()), img);
    p.end();
    return canvas;
}

bool hasTransparency(const QImage& img) {
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) != 255) return true;
    return false;
}

// The first pixel where two pictures differ, as text; empty when they agree.
std::string firstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pa.height(); ++y)
        for (int x = 0; x < pa.width(); ++x)
            if (pa.pixel(x, y) != pb.pixel(x, y)) {
                char buf[80];
                std::snprintf(buf, sizeof buf, "at %d,%d: %08x against %08x", x, y, pa.pixel(x, y),
                              pb.pixel(x, y));
                return buf;
            }
    return {};
}

TEST(EmbeddedPictures, EveryPicturePaintsExactlyLikeTheDrawingOfTheHostTool) {
    ASSERT_FALSE(zq::pictures::catalogue().empty());
    for (const PictureInfo& info : zq::pictures::catalogue()) {
        const zq::Picture picture = zq::LoadDesignPicture(qs(info.path));
        for (int scale : {1, 2}) {
            const QImage want = drawn(info.path, scale);
            ASSERT_FALSE(want.isNull()) << info.path << " @" << scale;
            const QImage& got = picture.imageFor(scale);
            ASSERT_EQ(got.size(), want.size()) << info.path << " @" << scale;
            EXPECT_EQ(got.devicePixelRatio(), scale) << info.path;
            // Premultiplied, so that what does not show through is compared too.
            EXPECT_EQ(firstDifference(got, want), "") << info.path << " @" << scale;
            for (QColor back : {QColor(Qt::white), QColor(255, 0, 255), QColor(Qt::black)})
                EXPECT_EQ(firstDifference(paintedOver(got, back), paintedOver(want, back)), "")
                    << info.path << " @" << scale << " over " << back.name().toStdString();
        }
    }
}

TEST(EmbeddedPictures, OneXPicturesArePaintedWhereTheyLieInTheProgram) {
    for (const PictureInfo& info : zq::pictures::catalogue()) {
        const QResource raw(qs(zq::rawPicturePath(info.path)));
        ASSERT_TRUE(raw.isValid()) << info.path << " has no embedded pixels";
        EXPECT_EQ(raw.compressionAlgorithm(), QResource::NoCompression) << info.path;
        EXPECT_EQ(raw.size(), qint64(sizeof(zq::RawPictureHeader)) + 4LL * info.width * info.height)
            << info.path;
        const QImage& img = zq::LoadDesignPicture(qs(info.path)).image();
        // The very bytes of the resource: nothing decoded, nothing copied.
        EXPECT_EQ(img.constBits(), raw.data() + sizeof(zq::RawPictureHeader)) << info.path;
        EXPECT_EQ(img.bytesPerLine(), 4 * info.width) << info.path;
        // Opaque pictures read as plain RGB, which paints without blending.
        const bool clear = hasTransparency(drawn(info.path, 1));
        EXPECT_EQ(img.format(), clear ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
            << info.path;
    }
}

TEST(EmbeddedPictures, LoadingAgainGivesTheSamePictureAndNumbersAreKnown) {
    struct Case {
        int number;
        const char* design; // the same picture by its design path, or nullptr
    };
    for (const Case c : {Case{101, nullptr}, Case{124, ":/res/124.png"}, Case{141, nullptr}}) {
        const zq::Picture a = zq::LoadResPicture(c.number, 0), b = zq::LoadResPicture(c.number, 0);
        EXPECT_EQ(a, b) << c.number;
        EXPECT_EQ(a.resourceId(), c.number);
        EXPECT_EQ(a.image().constBits(), b.image().constBits()) << c.number;
        if (c.design) {
            EXPECT_EQ(zq::LoadDesignPicture(QString::fromLatin1(c.design)), a);
        }
    }
    EXPECT_EQ(zq::LoadDesignPicture(QStringLiteral(":/design/form1/Image15.png")).resourceId(), 0);
    EXPECT_THROW(zq::LoadResPicture(114, 0), zq::RuntimeError);
    EXPECT_THROW(zq::LoadResPicture(101, 1), zq::RuntimeError);
}

TEST(EmbeddedPictures, APictureTheBuildDidNotEmbedIsDecodedFromItsFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage source(5, 3, QImage::Format_ARGB32);
    source.fill(QColor(10, 200, 30, 128));
    source.setPixel(4, 2, qRgba(255, 0, 0, 255));
    const QString path = dir.filePath(QStringLiteral("loose.png"));
    ASSERT_TRUE(source.save(path));
    const zq::Picture p = zq::LoadDesignPicture(path);
    EXPECT_EQ(p.size(), QSize(5, 3));
    EXPECT_EQ(p.resourceId(), 0);
    EXPECT_EQ(firstDifference(p.image(), source), "");
    EXPECT_EQ(p.image().format(), QImage::Format_ARGB32_Premultiplied);
    // No twin drawn at twice the size: high-density screens get the 1x drawing.
    EXPECT_EQ(&p.imageFor(2.0), &p.image());
    EXPECT_THROW(zq::LoadDesignPicture(dir.filePath(QStringLiteral("absent.png"))),
                 zq::RuntimeError);
}

TEST(RawPicturePath, NamesTheEmbeddedTwinBesideThePicture) {
    const struct {
        const char* picture;
        const char* raw;
    } cases[] = {
        {":/res/101.png", ":/res/101.argb32"},
        {":/design/form1/Image29_3.png", ":/design/form1/Image29_3.argb32"},
        {":/design.v2/icon", ":/design.v2/icon.argb32"},
        {"hand", "hand.argb32"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zq::rawPicturePath(c.picture), c.raw) << c.picture;
}

TEST(RawPictureLayout, AcceptsOnlyAWholePictureWithItsOwnByteOrder) {
    const zq::RawPictureHeader good{zq::kRawPictureMagic, 21, 67, zq::kRawPictureOpaque};
    const std::uint64_t whole = 16 + 21 * 67 * 4;
    struct Case {
        const char* what;
        zq::RawPictureHeader header;
        std::uint64_t size;
        bool fits;
    };
    const Case cases[] = {
        {"whole", good, whole, true},
        {"one byte short", good, whole - 1, false},
        {"one pixel too many", good, whole + 4, false},
        {"header only", good, 16, false},
        {"other byte order", {0x5850515a, 21, 67, 1}, whole, false},
        {"no width", {zq::kRawPictureMagic, 0, 67, 1}, 16, false},
        {"no height", {zq::kRawPictureMagic, 21, 0, 1}, 16, false},
        // 2^32 pixels would wrap a 32-bit size to the header alone.
        {"sides that overflow", {zq::kRawPictureMagic, 1u << 16, 1u << 16, 0}, 16, false},
        {"largest side", {zq::kRawPictureMagic, 1u << 15, 1, 0}, 16 + (1u << 15) * 4, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zq::rawPictureFits(c.header, c.size), c.fits) << c.what;
}

TEST(WindowIcons, AreTheDesignsIconPicturesAtTheirSize) {
    const struct {
        const zq::FormDesign& design;
        const char* icon;
    } windows[] = {{zq::designs::mainWindow(), ":/design/form1/icon.png"},
                   {zq::designs::helpWindow(), ":/design/form2/icon.png"},
                   {zq::designs::aboutWindow(), ":/design/form3/icon.png"}};
    for (const auto& w : windows) {
        ASSERT_EQ(w.design.icon, w.icon);
        const zq::Form form(w.design);
        const QIcon icon = form.windowIcon();
        const QImage want = drawn(w.icon, 1);
        ASSERT_FALSE(icon.isNull()) << w.icon;
        EXPECT_TRUE(icon.availableSizes().contains(want.size())) << w.icon;
        EXPECT_EQ(firstDifference(icon.pixmap(want.size()).toImage(), want), "") << w.icon;
    }
}

} // namespace
