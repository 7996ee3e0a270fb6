// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The program icon as installed for a desktop's icon theme: one file for every size the
// theme asks for, each a whole, centred picture of banded resistors on a clear background.
#include <QColor>
#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {

// The sizes of the hicolor theme that desktops ask for, from menus (16) to app stores (256).
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage icon(int n) {
    return QImage(QStringLiteral(ZQ_PROGRAM_ICON_DIR "/%1.png").arg(n))
        .convertToFormat(QImage::Format_ARGB32);
}

class ProgramIcon : public testing::TestWithParam<int> {};

TEST_P(ProgramIcon, IsSquareOfItsSizeWithClearCorners) {
    const int n = GetParam();
    const QImage img = icon(n);
    ASSERT_FALSE(img.isNull()) << "no icon of " << n << " pixels";
    EXPECT_EQ(img.size(), QSize(n, n));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(n - 1, 0), QPoint(0, n - 1), QPoint(n - 1, n - 1)})
        EXPECT_EQ(qAlpha(img.pixel(corner)), 0) << corner.x() << "," << corner.y();
}

TEST_P(ProgramIcon, DrawingFillsTheWidthAndStandsInTheMiddle) {
    const int n = GetParam();
    const QImage img = icon(n);
    ASSERT_FALSE(img.isNull());
    QRect ink;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (qAlpha(img.pixel(x, y)) >= 128) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    // Leads run from edge to edge; a picture drawn at the wrong scale is cut off or shrunk.
    EXPECT_GE(ink.width(), n * 9 / 10) << "ink " << ink.left() << ".." << ink.right();
    EXPECT_GE(ink.height(), n / 3);
    const int slack = 1 + n / 16;
    EXPECT_LE(std::abs(ink.left() - (n - 1 - ink.right())), slack);
    EXPECT_LE(std::abs(ink.top() - (n - 1 - ink.bottom())), slack);
}

TEST_P(ProgramIcon, BandsStayDistinctColours) {
    const int n = GetParam();
    const QImage img = icon(n);
    ASSERT_FALSE(img.isNull());
    // Strong colours, by hue in twelve steps: the tan body and grey leads have none, the
    // bands (yellow, violet, orange and more) several. A blurred or flat drawing has fewer.
    std::set<int> hues;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const QColor c = QColor::fromRgba(img.pixel(x, y));
            if (c.alpha() == 255 && c.hsvSaturationF() > 0.55 && c.valueF() > 0.3)
                hues.insert(c.hsvHue() / 30);
        }
    EXPECT_GE(hues.size(), 3u) << n << " pixels";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ProgramIcon, testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::to_string(info.param) + "px"; });

} // namespace
