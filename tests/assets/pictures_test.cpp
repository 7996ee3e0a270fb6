// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted pictures as the program gets them: from the resources linked in with the
// picture library, at 1x and @2x, checked for size, opacity and the joins between pieces
// that the windows lay next to or over one another.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "assets/pictures/pictures.h"
#include "ui/main/numbered_pictures.h"

namespace {

using zq::pictures::PictureInfo;

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QImage load(std::string_view path, int scale = 1) {
    const std::string p = scale == 2 ? zq::pictures::twiceSizePath(path) : std::string(path);
    return QImage(qs(p)).convertToFormat(QImage::Format_ARGB32);
}

QImage numbered(int n, int scale = 1) {
    return load(":/res/" + std::to_string(n) + ".png", scale);
}
QImage design(int form, const std::string& name, int scale = 1) {
    return load(":/design/form" + std::to_string(form) + "/" + name + ".png", scale);
}

// Where the form runtime puts a control given in twips.
int px(int twips) {
    return int(std::nearbyint(twips / 15.0));
}

double luminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}
double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string hex(QRgb c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%08x", c);
    return buf;
}

const QRgb kDisplay = qRgb(140, 166, 132);
const QRgb kWhite = qRgb(255, 255, 255);

// ---- catalogue -----------------------------------------------------------------------------

TEST(PictureCatalogue, EveryEntryLoadsAtItsSizeAndItsTwinAtTwiceThat) {
    ASSERT_EQ(zq::pictures::catalogue().size(), 98u);
    for (const PictureInfo& p : zq::pictures::catalogue()) {
        const QImage one = load(p.path), two = load(p.path, 2);
        ASSERT_FALSE(one.isNull()) << p.path;
        ASSERT_FALSE(two.isNull()) << p.path;
        EXPECT_EQ(one.size(), QSize(p.width, p.height)) << p.path;
        EXPECT_EQ(two.size(), QSize(p.width, p.height) * 2) << p.path;
    }
}

TEST(PictureCatalogue, PathsAreUniqueAndFound) {
    std::set<std::string_view> seen;
    for (const PictureInfo& p : zq::pictures::catalogue()) {
        EXPECT_TRUE(seen.insert(p.path).second) << p.path;
        EXPECT_EQ(zq::pictures::find(p.path), &p);
    }
    EXPECT_EQ(zq::pictures::find(":/res/114.png"), nullptr);
    EXPECT_EQ(zq::pictures::twiceSizePath(":/design/form1/Image29_3.png"),
              ":/design/form1/Image29_3@2x.png");
}

TEST(PictureCatalogue, OpaquePicturesAreOpaqueEverywhere) {
    for (const PictureInfo& p : zq::pictures::catalogue()) {
        if (p.transparent) continue;
        for (int scale : {1, 2}) {
            const QImage img(
                qs(scale == 2 ? zq::pictures::twiceSizePath(p.path) : std::string(p.path)));
            EXPECT_FALSE(img.hasAlphaChannel()) << p.path << " @" << scale;
        }
    }
}

// ---- numbered bitmaps ----------------------------------------------------------------------

TEST(NumberedBitmaps, EveryNumberTheProgramLoadsExistsAtItsSize) {
    struct Entry {
        int number, width, height;
    };
    std::vector<Entry> all;
    for (int n = 101; n <= 113; ++n)
        all.push_back({n, 21, 67});
    const std::vector<Entry> rest{
        {124, 23, 10}, {125, 23, 10}, {126, 53, 17}, {127, 67, 18}, {128, 71, 17}, {129, 71, 17},
        {130, 71, 17}, {131, 65, 18}, {132, 52, 17}, {133, 52, 17}, {134, 34, 19}, {135, 15, 18},
        {136, 30, 19}, {137, 34, 19}, {138, 19, 18}, {139, 19, 18}, {140, 68, 26}, {141, 68, 26}};
    all.insert(all.end(), rest.begin(), rest.end());
    for (const Entry& e : all) {
        const QImage img = numbered(e.number);
        ASSERT_FALSE(img.isNull()) << e.number;
        EXPECT_EQ(img.size(), QSize(e.width, e.height)) << e.number;
        const PictureInfo* info = zq::pictures::find(":/res/" + std::to_string(e.number) + ".png");
        ASSERT_NE(info, nullptr) << e.number;
        // Band chips are clear above and below the body: each window's ground shows there.
        EXPECT_EQ(info->transparent, e.number <= 113) << e.number;
    }
    for (int n = 114; n <= 123; ++n)
        EXPECT_FALSE(QFile::exists(QStringLiteral(":/res/%1.png").arg(n))) << n;
}

// ---- read-outs -----------------------------------------------------------------------------

TEST(Readouts, FillTheirBitmapWithDisplayColourAroundCentredDarkCharacters) {
    for (int n = 126; n <= 137; ++n) {
        for (int scale : {1, 2}) {
            const QImage img = numbered(n, scale);
            const int w = img.width(), h = img.height();
            int left = w, right = -1, top = h, bottom = -1;
            bool dark = false;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const QRgb c = img.pixel(x, y);
                    if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                        EXPECT_EQ(c, kDisplay) << n << "@" << scale << " edge " << x << "," << y;
                    }
                    if (qRgb(qRed(c), qGreen(c), qBlue(c)) == kDisplay) continue;
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    dark = dark || luminance(c) < 0.02;
                }
            }
            EXPECT_TRUE(dark) << n << "@" << scale;
            // Centred within a pixel, and filling most of the height.
            EXPECT_LE(std::abs(left - (w - 1 - right)), 1 + scale) << n << "@" << scale;
            EXPECT_LE(std::abs(top - (h - 1 - bottom)), 1 + scale) << n << "@" << scale;
            EXPECT_GE(bottom - top + 1, h * 6 / 10) << n << "@" << scale;
        }
    }
}

TEST(Readouts, TheMultimeterDisplayIsTheirColourWhereverTheyGo) {
    const int meterX = px(240), meterY = px(960);
    struct Place {
        int left, top, width, height; // the widest read-out each place takes
    };
    const std::vector<Place> places{{px(680), px(2100), 34, 19}, {px(1410), px(2100), 71, 18}};
    for (int scale : {1, 2}) {
        const QImage meter = design(1, "Image15", scale);
        for (const Place& p : places) {
            for (int y = (p.top - meterY) * scale; y < (p.top - meterY + p.height) * scale; ++y)
                for (int x = (p.left - meterX) * scale; x < (p.left - meterX + p.width) * scale;
                     ++x)
                    ASSERT_EQ(meter.pixel(x, y), kDisplay | 0xff000000u)
                        << "@" << scale << " at " << x << "," << y;
        }
    }
}

// ---- the resistor --------------------------------------------------------------------------

// Rows of a chip column that show the body rather than the window's ground.
std::vector<int> bodyRows(const QImage& chip, int column) {
    std::vector<int> rows;
    for (int y = 0; y < chip.height(); ++y)
        if (qAlpha(chip.pixel(column, y)) != 0) rows.push_back(y);
    return rows;
}

TEST(ResistorBody, ChipsAreAllBodyAndTheirEdgesJoinOneAnother) {
    for (int scale : {1, 2}) {
        const QImage bare = numbered(113, scale);
        const std::vector<int> rows = bodyRows(bare, 0);
        ASSERT_FALSE(rows.empty());
        // One run of rows, clear of the top and bottom of the chip.
        EXPECT_EQ(rows.back() - rows.front() + 1, int(rows.size()));
        EXPECT_GT(rows.front(), 0);
        EXPECT_LT(rows.back(), bare.height() - 1);
        for (int n = 101; n <= 113; ++n) {
            const QImage chip = numbered(n, scale);
            for (int y = 0; y < chip.height(); ++y) {
                ASSERT_EQ(chip.pixel(0, y), chip.pixel(chip.width() - 1, y))
                    << n << "@" << scale << " row " << y;
                ASSERT_EQ(chip.pixel(0, y), bare.pixel(0, y)) << n << "@" << scale << " row " << y;
                // Whole pixels of body or of nothing: on white they draw what an opaque chip did.
                for (int x = 0; x < chip.width(); ++x)
                    ASSERT_TRUE(qAlpha(chip.pixel(x, y)) == 0 || qAlpha(chip.pixel(x, y)) == 255)
                        << n << "@" << scale << " " << x << "," << y;
            }
        }
    }
}

TEST(ResistorBody, BandChipsShowTheirColourInTheMiddle) {
    auto middle = [](int n) {
        const QImage chip = numbered(n);
        return chip.pixel(chip.width() / 2, chip.height() / 2);
    };
    const QRgb red = middle(102), green = middle(105), blue = middle(106);
    EXPECT_GT(qRed(red), qGreen(red) + 80);
    EXPECT_GT(qGreen(green), qRed(green) + 60);
    EXPECT_GT(qBlue(blue), qRed(blue) + 80);
    EXPECT_LT(luminance(middle(110)), luminance(middle(101)));
    EXPECT_GT(luminance(middle(109)), luminance(middle(108)));
    // The bare body shows no band: its middle is its edge.
    const QImage bare = numbered(113);
    EXPECT_EQ(middle(113), bare.pixel(0, bare.height() / 2));
}

TEST(ResistorBody, EndPicturesJoinTheChipsWithoutASeam) {
    const int chipX = px(4680), chipY = px(1695);
    const int lastChipRight = px(6840) + 21; // the last body piece ends here
    const int leftX = px(2950), leftY = px(1560), rightX = px(7140), rightY = px(1515);
    for (int scale : {1, 2}) {
        const QImage chip = numbered(113, scale);
        const QImage left = design(1, "Image16", scale), right = design(1, "Image23", scale);
        const std::vector<int> rows = bodyRows(chip, 0);
        ASSERT_FALSE(rows.empty());
        // The last visible column of the left end, and the first of the right end.
        const int lx = (chipX - leftX) * scale - 1, rx = (lastChipRight - rightX) * scale;
        for (int y : rows) {
            const QRgb want = chip.pixel(0, y);
            EXPECT_EQ(left.pixel(lx, y + (chipY - leftY) * scale), want)
                << "left @" << scale << " row " << y;
            EXPECT_EQ(right.pixel(rx, y + (chipY - rightY) * scale), want)
                << "right @" << scale << " row " << y;
        }
        // Above the neck the end and the chips are see-through: the window's ground shows.
        const int above = rows.front() - 1;
        EXPECT_EQ(qAlpha(chip.pixel(0, above)), 0) << "@" << scale;
        EXPECT_EQ(qAlpha(left.pixel(lx, above + (chipY - leftY) * scale)), 0) << "@" << scale;
        EXPECT_EQ(qAlpha(right.pixel(rx, above + (chipY - rightY) * scale)), 0) << "@" << scale;
    }
}

// ---- multimeter ----------------------------------------------------------------------------

TEST(Multimeter, KeysSitInDrawnWells) {
    const int meterX = px(240), meterY = px(960);
    for (int scale : {1, 2}) {
        const QImage meter = design(1, "Image15", scale);
        const QImage key = numbered(124, scale), lit = numbered(125, scale);
        EXPECT_EQ(design(1, "Image30", scale), key);
        const int w = key.width(), h = key.height();
        for (int left : {630, 1020, 1380, 1770, 2160}) {
            const int x0 = (px(left) - meterX) * scale, y0 = (px(2760) - meterY) * scale;
            for (QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
                EXPECT_EQ(meter.pixel(x0 + corner.x(), y0 + corner.y()), key.pixel(corner)) << left;
                EXPECT_EQ(key.pixel(corner), lit.pixel(corner)) << left;
            }
            // The well shows around the key: a dark ring.
            EXPECT_LT(luminance(meter.pixel(x0 - 1, y0 + h / 2)), 0.02) << left;
            EXPECT_LT(luminance(meter.pixel(x0 + w, y0 + h / 2)), 0.02) << left;
        }
    }
    auto average = [](const QImage& img) {
        double sum = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                sum += luminance(img.pixel(x, y));
        return sum / (img.width() * img.height());
    };
    EXPECT_GT(average(numbered(125)), average(numbered(124)) + 0.1);
}

TEST(Multimeter, BezelBehindTheMakersNameCarriesWhiteText) {
    const QImage meter = design(1, "Image15");
    const QRect label(px(1140) - px(240), px(1320) - px(960), 56, 14);
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x)
            ASSERT_GE(contrast(meter.pixel(x, y), kWhite), 4.5) << x << "," << y;
}

// ---- skins ---------------------------------------------------------------------------------

struct Piece {
    const char* name;
    int left, top; // twips
};

// Where two opaque pieces of a window's skin overlap, they show the same pixels, so
// whichever is in front, no seam appears.
void expectOverlapsAgree(int form, const std::vector<Piece>& pieces, QSize window,
                         const std::vector<std::pair<int, int>>& pairs) {
    for (int scale : {1, 2}) {
        std::vector<QImage> img;
        std::vector<QRect> at;
        for (const Piece& p : pieces) {
            img.push_back(design(form, p.name, scale));
            at.emplace_back(QPoint(px(p.left), px(p.top)), img.back().size() / scale);
        }
        for (auto [a, b] : pairs) {
            const QRect both = at[a].intersected(at[b]).intersected(QRect(QPoint(0, 0), window));
            ASSERT_FALSE(both.isEmpty()) << pieces[a].name << " " << pieces[b].name;
            for (int y = both.top() * scale; y < (both.bottom() + 1) * scale; ++y)
                for (int x = both.left() * scale; x < (both.right() + 1) * scale; ++x)
                    ASSERT_EQ(img[a].pixel(x - at[a].left() * scale, y - at[a].top() * scale),
                              img[b].pixel(x - at[b].left() * scale, y - at[b].top() * scale))
                        << "form" << form << " " << pieces[a].name << "/" << pieces[b].name << " @"
                        << scale << " at " << x << "," << y;
        }
    }
}

TEST(WindowSkins, OverlappingEdgePiecesAgree) {
    // Main window after loading: title strip, corners and edges.
    expectOverlapsAgree(1,
                        {{"Image1", 0, 0},
                         {"Image2", 0, 0},
                         {"Image3", 9145, 0},
                         {"Image5", 9105, 360},
                         {"Image6", 0, 360},
                         {"Image8", 7, 6480},
                         {"Image9", 9140, 6570}},
                        {616, 457}, {{0, 1}, {1, 4}, {2, 3}, {3, 6}, {4, 5}});
    expectOverlapsAgree(2,
                        {{"Image2", 0, 5970},
                         {"Image3", 3930, 5970},
                         {"Image4", 0, 2250},
                         {"Image5", 0, 270},
                         {"Image6", 7550, 335},
                         {"Image7", 7550, 2280}},
                        {510, 406}, {{0, 1}, {2, 3}, {4, 5}, {1, 5}});
    expectOverlapsAgree(
        3, {{"Image1", 0, 0}, {"Image2", 0, 0}, {"Image3", 5310, 0}, {"Image4", 0, 5430}},
        {360, 368}, {{0, 1}, {1, 2}, {2, 3}, {3, 0}});
}

TEST(WindowSkins, WindowButtonsCarryTheTitleStripTheyCover) {
    for (int scale : {1, 2}) {
        const QImage strip = design(1, "Image1", scale);
        struct Button {
            const char* name;
            int left;
            bool hover;
        };
        for (const Button& b : {Button{"Image10", 8880, false}, Button{"Image11", 8880, true},
                                Button{"Image12", 8520, false}, Button{"Image13", 8520, true}}) {
            const QImage button = design(1, b.name, scale);
            const QPoint at = QPoint(px(b.left), px(65)) * scale;
            const int e = button.width() - 1;
            for (QPoint c : {QPoint(0, 0), QPoint(e, 0), QPoint(0, e), QPoint(e, e)})
                EXPECT_EQ(button.pixel(c), strip.pixel(at + c)) << b.name << " @" << scale;
            // The glyph through the middle: black at rest, white under the pointer.
            const QRgb glyph = button.pixel(8 * scale, 8 * scale - 1);
            if (b.hover) {
                EXPECT_GT(luminance(glyph), 0.9) << b.name << " " << hex(glyph);
            } else {
                EXPECT_LT(luminance(glyph), 0.02) << b.name << " " << hex(glyph);
            }
        }
    }
}

TEST(WindowSkins, HelpCloseBoxesMatchTheBoxDrawnInTheTitleBar) {
    const QImage title = design(2, "Image1");
    const QImage pale = numbered(138), strong = numbered(139);
    const QPoint at(px(7020), px(30));
    for (int y = 0; y < pale.height(); ++y)
        for (int x = 0; x < pale.width(); ++x)
            ASSERT_EQ(pale.pixel(x, y), title.pixel(at + QPoint(x, y))) << x << "," << y;
    // The strong cross is a deeper pink than the pale one.
    const QPoint cross(9, 8);
    EXPECT_LT(qGreen(strong.pixel(cross)), qGreen(pale.pixel(cross)) - 60);
    EXPECT_EQ(strong.pixel(0, 0), pale.pixel(0, 0));
}

TEST(WindowSkins, MenuStripCarriesWhiteLinkAndBlackButtonWords) {
    const QImage strip = design(1, "Image4");
    const int top = px(412), linkTop = px(510) - top;
    for (int y = linkTop; y < linkTop + 16; ++y) {
        EXPECT_GE(contrast(strip.pixel(40, y), kWhite), 3.0) << y;
        EXPECT_GE(contrast(strip.pixel(40, y), qRgb(0, 0, 0)), 4.5) << y;
    }
}

TEST(WindowSkins, AboutButtonDesignLooksLikeTheGreyBitmap) {
    const QImage designed = design(3, "Image5"), grey = numbered(141), blue = numbered(140);
    int compared = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (qAlpha(designed.pixel(x, y)) == 255) {
                ++compared;
                ASSERT_EQ(designed.pixel(x, y), grey.pixel(x, y)) << x << "," << y;
            }
    EXPECT_GT(compared, grey.width() * grey.height() * 3 / 4);
    // On the white page both bitmaps keep their corners white.
    EXPECT_EQ(grey.pixel(0, 0), kWhite);
    EXPECT_EQ(blue.pixel(0, 0), kWhite);
    EXPECT_GT(qBlue(blue.pixel(34, 20)), qRed(blue.pixel(34, 20)) + 40);
}

// ---- transparency, palette, cursor ---------------------------------------------------------

TEST(TransparentPictures, AreClearAtTheirCorners) {
    struct Clear {
        int form;
        std::string name;
        bool bottomToo;
    };
    std::vector<Clear> all{{1, "Image14", true}, {1, "Image15", true}, {1, "Image16", true},
                           {1, "Image23", true}, {1, "Image24", true}, {1, "Image25", true},
                           {1, "Image26", true}, {1, "icon", true},    {1, "hand", true},
                           {2, "Image1", false}, {2, "icon", true},    {3, "Image5", true},
                           {3, "Image6", true},  {3, "icon", true}};
    for (int i = 0; i <= 12; ++i)
        all.push_back({1, "Image29_" + std::to_string(i), true});
    for (const Clear& c : all) {
        for (int scale : {1, 2}) {
            const QImage img = design(c.form, c.name, scale);
            const int r = img.width() - 1, b = img.height() - 1;
            EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0) << c.name << " @" << scale;
            EXPECT_EQ(qAlpha(img.pixel(r, 0)), 0) << c.name << " @" << scale;
            if (!c.bottomToo) continue;
            EXPECT_EQ(qAlpha(img.pixel(0, b)), 0) << c.name << " @" << scale;
            EXPECT_EQ(qAlpha(img.pixel(r, b)), 0) << c.name << " @" << scale;
        }
    }
}

TEST(PaletteChips, NamesStandOutFromTheirColour) {
    for (int i = 0; i <= 12; ++i) {
        const QImage chip = design(1, "Image29_" + std::to_string(i));
        const QRgb fill = chip.pixel(chip.width() / 2, 4);
        double best = 1;
        for (int y = 15; y < 52; ++y)
            for (int x = 3; x < 18; ++x)
                best = std::max(best, contrast(fill, chip.pixel(x, y)));
        EXPECT_GE(best, 4.5) << i << " fill " << hex(fill);
        EXPECT_EQ(qAlpha(chip.pixel(chip.width() / 2, chip.height() / 2)), 255) << i;
    }
    // No band is the bare body's tan.
    const QRgb none = design(1, "Image29_12").pixel(10, 4);
    EXPECT_GT(qRed(none), qGreen(none));
    EXPECT_GT(qGreen(none), qBlue(none));
}

TEST(PaletteChips, ShowTheColourThatTheirBandChipPaints) {
    auto hueDistance = [](QRgb a, QRgb b) {
        const double d = std::abs(QColor(a).hsvHueF() - QColor(b).hsvHueF());
        return std::min(d, 1 - d) * 360;
    };
    for (int i = 0; i <= 12; ++i) {
        const QRgb fill = design(1, "Image29_" + std::to_string(i)).pixel(10, 4);
        // The picture the main window paints a band of that colour with.
        const QImage chip = numbered(zq::ui::bandPicture(i));
        const QRgb band = chip.pixel(chip.width() / 2, chip.height() / 2);
        const bool grey = QColor(fill).hsvSaturation() < 40;
        EXPECT_EQ(grey, QColor(band).hsvSaturation() < 60)
            << i << " " << hex(fill) << " " << hex(band);
        if (!grey) {
            EXPECT_LT(hueDistance(fill, band), 25) << i << " " << hex(fill) << " " << hex(band);
        }
    }
}

TEST(HandCursor, IsMonochromeWithItsHotSpotAtTheFingertip) {
    for (int scale : {1, 2}) {
        const QImage raw(qs(scale == 2 ? ":/design/form1/hand@2x.png" : ":/design/form1/hand.png"));
        EXPECT_EQ(raw.text(QStringLiteral("HotSpotX")), QString::number(6 * scale));
        EXPECT_EQ(raw.text(QStringLiteral("HotSpotY")), QStringLiteral("0"));
        const QImage hand = raw.convertToFormat(QImage::Format_ARGB32);
        int black = 0, white = 0;
        for (int y = 0; y < hand.height(); ++y)
            for (int x = 0; x < hand.width(); ++x) {
                const QRgb c = hand.pixel(x, y);
                if (qAlpha(c) == 0) continue;
                ASSERT_EQ(qAlpha(c), 255) << x << "," << y;
                if (c == qRgb(0, 0, 0)) {
                    ++black;
                } else if (c == kWhite) {
                    ++white;
                } else {
                    FAIL() << "not black or white at " << x << "," << y << ": " << hex(c);
                }
            }
        EXPECT_GT(black, 40 * scale);
        EXPECT_GT(white, 100 * scale);
        // The fingertip covers the hot spot.
        EXPECT_EQ(qAlpha(hand.pixel(6 * scale, 0)), 255);
    }
}

} // namespace

// ---- the main window's frame as it is put together --------------------------------------

namespace {

// The frame pictures of the main window at their places after loading, back to front, on
// the window's white: what the window shows of them.
QImage mainFrame() {
    struct Piece {
        const char* name;
        int left, top; // twips
    };
    const Piece backToFront[] = {
        {"Image4", -240, 412}, {"Image7", -120, 6720}, {"Image1", 0, 0},
        {"Image2", 0, 0},      {"Image3", 9145, 0},    {"Image6", 0, 360},
        {"Image5", 9105, 360}, {"Image9", 9140, 6570}, {"Image8", 7, 6480}};
    QImage w(616, 457, QImage::Format_ARGB32);
    w.fill(kWhite);
    QPainter p(&w);
    for (const Piece& piece : backToFront)
        p.drawImage(px(piece.left), px(piece.top), design(1, piece.name));
    return w;
}

} // namespace

TEST(MainWindowFrame, TheLastColumnIsWhiteOutsideTheDarkOutline) {
    const QImage w = mainFrame();
    // Rows clear of the rounded corners, which the window's region cuts away.
    for (int y = 6; y <= 450; ++y) {
        EXPECT_EQ(w.pixel(615, y), kWhite) << "row " << y << " " << hex(w.pixel(615, y));
        EXPECT_LT(luminance(w.pixel(614, y)), 0.05) << "outline, row " << y;
    }
}

TEST(MainWindowFrame, NothingPokesPastTheBottomRightCorner) {
    const QImage w = mainFrame();
    for (int y = 440; y < 457; ++y)
        EXPECT_EQ(w.pixel(615, y), kWhite) << "row " << y;
    // The bottom edge still runs up to the corner piece.
    EXPECT_LT(luminance(w.pixel(600, 455)), 0.05);
}

TEST(MainWindowFrame, TitleTabBearsARestoreGlyphBetweenTheWindowButtons) {
    for (int scale : {1, 2}) {
        const QImage strip = design(1, "Image1", scale);
        // Between the minimise button (568 to 583) and the close button (592 to 607).
        const int left = (px(8520) + 16) * scale, right = px(8880) * scale;
        int white = 0, top = 1 << 20, bottom = -1, first = 1 << 20, last = -1;
        // Below the tab's lit top rim, where the glyphs are pure white.
        for (int y = 4 * scale; y < 26 * scale; ++y)
            for (int x = left; x < right; ++x)
                if (strip.pixel(x, y) == kWhite) {
                    ++white;
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    first = std::min(first, x), last = std::max(last, x);
                }
        EXPECT_GE(white, 14 * scale * scale) << "@" << scale;
        // Two small windows one behind the other: about seven pixels each way, in the tab.
        EXPECT_GE(bottom - top + 1, 6 * scale) << "@" << scale;
        EXPECT_LE(bottom - top + 1, 8 * scale) << "@" << scale;
        EXPECT_GE(last - first + 1, 6 * scale) << "@" << scale;
        EXPECT_LE(last - first + 1, 8 * scale) << "@" << scale;
    }
}
