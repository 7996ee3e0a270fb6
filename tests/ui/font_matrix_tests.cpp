// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window keeps its design whatever Chinese face stands in for 宋体: each text inside its
// control, lines one design step apart, indented lines under what they are indented under.
// tests/ui/font_matrix.sh runs these once per face, with only that face installed; run
// directly, they check the faces of this machine.
#include "platform/program.h"
#include "tests/support/ui_test.h"
#include "tests/ui/stand_in_main_window.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main/main_window.h"
#include "ui/reading/reading_window.h"
#include "ui/value/value_window.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextEdit>
#include <functional>
#include <memory>

using namespace zq;

namespace {

// Every window of the program as a user first sees it; a new window joins with one line.
struct WindowCase {
    const char* what;
    std::function<std::unique_ptr<Form>(Form& main)> open;
};

// The value window needs a real main window beside it; the fixture drops it after each test.
std::unique_ptr<ui::MainWindow>& valueWindowsMain() {
    static std::unique_ptr<ui::MainWindow> m;
    return m;
}

const std::vector<WindowCase>& allWindows() {
    static const std::vector<WindowCase> w{
        {"main window",
         [](Form&) -> std::unique_ptr<Form> {
             auto f = std::make_unique<ui::MainWindow>();
             f->tick(); // the value and the flow chart filled in
             return f;
         }},
        {"help window",
         [](Form& m) -> std::unique_ptr<Form> { return std::make_unique<ui::HelpWindow>(m); }},
        {"About window",
         [](Form& m) -> std::unique_ptr<Form> { return std::make_unique<ui::AboutWindow>(m); }},
        {"value window",
         [](Form&) -> std::unique_ptr<Form> {
             valueWindowsMain() = std::make_unique<ui::MainWindow>();
             auto f = std::make_unique<ui::ValueWindow>(*valueWindowsMain(), *valueWindowsMain());
             f->valueField().setPlainText(QStringLiteral("4k7")); // an answer on show
             f->valueFieldKeyPressed(Qt::Key_Return, Qt::NoModifier);
             return f;
         }},
        {"reading window",
         [](Form&) -> std::unique_ptr<Form> {
             valueWindowsMain() = std::make_unique<ui::MainWindow>();
             auto f = std::make_unique<ui::ReadingWindow>(*valueWindowsMain(), *valueWindowsMain());
             // The longest texts it shows: two readings, a measurement, a two-way code.
             for (const int colour : {0, 9, 9, 1, 0})
                 f->chipClicked(colour);
             f->measuredField().setPlainText(QStringLiteral("120"));
             f->measuredReturnPressed();
             f->smdField().setPlainText(QStringLiteral("68R"));
             f->smdReturnPressed();
             return f;
         }},
    };
    return w;
}

constexpr int kSongStep = 12; // a 9 pt 宋体 line

class FontMatrix : public test::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        main = std::make_unique<test::StandInMainWindow>();
    }
    void TearDown() override {
        main.reset();
        valueWindowsMain().reset();
        UiTest::TearDown();
    }
    std::unique_ptr<Form> open(const WindowCase& c) {
        auto f = c.open(*main);
        showWindow(*f);
        return f;
    }
    // Rows of the window's picture, within columns [left, right), that hold any ink
    // darker than the background there.
    static bool inkIn(const QImage& img, QRect r) {
        r = r.intersected(img.rect());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(img.pixel(x, y)) < 160) return true;
        return false;
    }
    std::unique_ptr<test::StandInMainWindow> main;
};

} // namespace

TEST_F(FontMatrix, TheFaceAskedForIsTheOneChosenAndNoFontIsMissing) {
    const QString face = installedFaceFor("宋体");
    ASSERT_FALSE(face.isEmpty()) << "no Chinese face recognised: the program would warn";
    const QString want = qEnvironmentVariable("ZQ_EXPECT_FACE");
    if (want.isEmpty()) GTEST_SKIP() << "run by font_matrix.sh with one face installed";
    // Compared as drawn, since the face may be known here by a name in another language.
    EXPECT_EQ(QFontInfo(QFont(face)).family(), QFontInfo(QFont(want)).family())
        << face.toStdString();
}

TEST_F(FontMatrix, EveryTextStaysInsideItsControl) {
    for (const WindowCase& c : allWindows()) {
        auto w = open(c);
        for (const auto& control : w->controls()) {
            if (control->kind() != Kind::Label || !control->Visible()) continue;
            const auto& label = static_cast<const Label&>(*control);
            const QRect r = label.pixelRect();
            const QFontMetricsF fm(label.font());
            const int shown = int(label.lines().size());
            for (int k = 0; k < shown; ++k) {
                const SetLine& line = label.lines()[k];
                const std::string where = std::string(c.what) + " " + label.Name().toStdString() +
                                          " line " + std::to_string(k + 1) + " \"" +
                                          line.text.toStdString() + "\"";
                EXPECT_GE(line.origin.x(), -0.5) << where;
                EXPECT_LE(line.origin.x() + line.width, r.width() + 0.5) << where;
                for (const auto& [x, word] : line.words) {
                    const QRectF ink = fm.tightBoundingRect(word);
                    EXPECT_GE(line.origin.y() + ink.top(), -1.0) << where << " ink above";
                    EXPECT_LE(line.origin.y() + ink.bottom(), r.height() + 1.0)
                        << where << " ink below";
                }
            }
        }
    }
}

TEST_F(FontMatrix, AboutTextLinesStandWhereTheDesignPutsThem) {
    auto about = open(allWindows()[2]);
    const Label& text = about->label("aboutLines");
    const QStringList want = ui::AboutWindow::aboutText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(text.lines().size(), size_t(want.size())) << "no line wraps, none is lost";
    EXPECT_EQ(text.lineStep(), kSongStep);
    const double baseline = text.lines()[0].origin.y();
    for (qsizetype k = 0; k < want.size(); ++k) {
        EXPECT_EQ(text.lines()[k].text, want[k]) << "line " << k + 1;
        EXPECT_EQ(text.lines()[k].origin.y(), baseline + double(k) * kSongStep) << "line " << k + 1;
    }
    // The second address stands under the first.
    ASSERT_EQ(text.lines()[6].words.size(), 2u);
    ASSERT_EQ(text.lines()[7].words.size(), 1u);
    EXPECT_NEAR(text.lines()[7].words[0].first, text.lines()[6].words[1].first, 0.5);

    // In the picture: ink in the band of every line that has text, none in the middle of an
    // empty one, the last line drawn whole inside the label and above the button.
    const QImage img = about->grab().toImage();
    const QRect r = text.pixelRect();
    for (qsizetype k = 0; k < want.size(); ++k) {
        const QRect band(r.left(), r.top() + int(k) * kSongStep, r.width(), kSongStep);
        if (want[k].isEmpty())
            EXPECT_FALSE(inkIn(img, band.adjusted(0, 3, 0, -3))) << "empty line " << k + 1;
        else
            EXPECT_TRUE(inkIn(img, band)) << "line " << k + 1 << " missing";
    }
    const int lastBottom = r.top() + int(want.size()) * kSongStep;
    EXPECT_LE(lastBottom, r.bottom() + 1);
    EXPECT_FALSE(inkIn(img, QRect(r.left(), lastBottom + 2, r.width(),
                                  about->image("okButton").pixelRect().top() - lastBottom - 2)))
        << "nothing below the last line";
}

TEST_F(FontMatrix, HelpTextLinesAreOneStepApartWithTheSignatureAligned) {
    auto help = open(allWindows()[1]);
    QTextEdit* edit = help->textBox("text").widget();
    QTextDocument* doc = edit->document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    const double top = layout->blockBoundingRect(doc->begin()).top();
    int k = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next(), ++k) {
        const QRectF box = layout->blockBoundingRect(b);
        ASSERT_EQ(box.top(), top + k * kSongStep) << "line " << k + 1;
        ASSERT_EQ(b.layout()->lineCount(), 1) << "line " << k + 1 << " wraps";
    }
    // The signature's second address stands under the first, past its label: the two lines
    // with an address, one after the other.
    QTextBlock second = doc->begin().next();
    while (second.isValid() && !(second.text().contains(QLatin1Char('@')) &&
                                 second.previous().text().contains(QLatin1Char('@'))))
        second = second.next();
    ASSERT_TRUE(second.isValid());
    const QTextBlock first = second.previous();
    const auto xOf = [](const QTextBlock& b, int pos) {
        return b.layout()->lineAt(0).cursorToX(pos);
    };
    ASSERT_TRUE(first.text().contains(QLatin1Char('@')));
    const int firstAddress = int(first.text().lastIndexOf(QChar(0xFF1A))) + 1;
    const int secondAddress = int(second.text().indexOf(QRegularExpression("\\S")));
    EXPECT_NEAR(xOf(second, secondAddress), xOf(first, firstAddress), 0.5);
    // The block stands at the right, 52 half-em spaces in.
    EXPECT_NEAR(xOf(first, 52) - xOf(first, 0), 52 * kSongStep / 2.0, 0.5);
}
