// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window drawn as a user meets it and compared pixel for pixel with the pictures in
// tests/ui/references/. Run through tests/ui/reference_pictures.sh, which fixes the fonts and
// the locale; with ZQ_UPDATE_REFERENCES=1 the pictures are written instead of compared
// (scripts/update-references). A failure leaves the drawing and a difference picture in
// ZQ_REFERENCE_OUT.
#include "tests/ui/main_window_fixture.h"
#include "ui/about/about_window.h"
#include "ui/first_start_hint.h"
#include "ui/help/help_window.h"
#include "ui/practice/practice_window.h"
#include "ui/reading/reading_window.h"
#include "ui/value/combinations_panel.h"
#include "ui/value/own_kit_editor.h"
#include "ui/value/value_window.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <functional>

using namespace zq;
using zq::test::MainWindow;
using zq::ui::CombinationsPanel;
using zq::ui::ReadingWindow;
using zq::ui::ValueWindow;

namespace {

// The window as drawn, with what its region cuts away left transparent.
QImage drawn(QWidget& w) {
    QCoreApplication::processEvents();
    QImage shot = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (w.mask().isEmpty()) return shot;
    QImage cut(shot.size(), QImage::Format_ARGB32);
    cut.fill(Qt::transparent);
    QPainter p(&cut);
    p.setClipRegion(w.mask());
    p.drawImage(0, 0, shot);
    return cut;
}

// Differing pixels in magenta over a faded copy of the reference.
QImage difference(const QImage& want, const QImage& got, int& count, QRect& where) {
    QImage d = want.copy();
    count = 0;
    where = {};
    for (int y = 0; y < d.height(); ++y)
        for (int x = 0; x < d.width(); ++x) {
            if (want.pixel(x, y) != got.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
                d.setPixel(x, y, qRgb(255, 0, 255));
            } else {
                const QColor c = want.pixelColor(x, y);
                d.setPixelColor(x, y, QColor(c.red(), c.green(), c.blue(), 40));
            }
        }
    return d;
}

class ReferencePictures;

struct Picture {
    const char* name;
    std::function<QWidget*(ReferencePictures&, zq::ui::MainWindow&)> show;
};

void PrintTo(const Picture& p, std::ostream* os) {
    *os << p.name;
}

class ReferencePictures : public MainWindow, public ::testing::WithParamInterface<Picture> {
  protected:
    void SetUp() override {
        // Whatever the desktop's locale, the windows show the one decimal point of the
        // pictures, and a focused field's caret does not blink.
        zq::useLocale(QLocale::c());
        QApplication::setCursorFlashTime(0);
        MainWindow::SetUp();
    }
    void TearDown() override {
        zq::useLocale(QLocale::system());
        MainWindow::TearDown();
    }

  public:
    using MainWindow::choose;
    using MainWindow::takeMessages;
};

const char* const kUpdate = "ZQ_UPDATE_REFERENCES";

TEST(ReferenceSetUp, DrawsWithUMingAtOnePixelPerPixel) {
    QWidget w;
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(12);
    EXPECT_TRUE(QFontInfo(f).family().contains(QStringLiteral("UMing")))
        << QFontInfo(f).family().toStdString()
        << ": run through tests/ui/reference_pictures.sh, which sets the fonts up";
    EXPECT_EQ(w.grab(QRect(0, 0, 4, 4)).devicePixelRatio(), 1.0);
}

TEST_P(ReferencePictures, LookAsCommitted) {
    QWidget* shown = GetParam().show(*this, *w);
    ASSERT_NE(shown, nullptr);
    const QImage got = drawn(*shown);
    const QString name = QString::fromLatin1(GetParam().name) + QStringLiteral(".png");
    const QDir refs(QStringLiteral(ZQ_REFERENCE_DIR));
    if (qEnvironmentVariableIntValue(kUpdate)) {
        ASSERT_TRUE(got.save(refs.filePath(name), "PNG", 0)); // the smallest file
        return;
    }
    const QImage want = QImage(refs.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(want.isNull()) << "no reference " << refs.filePath(name).toStdString()
                                << ": scripts/update-references makes it";
    if (want == got) return;
    QDir out(qEnvironmentVariable("ZQ_REFERENCE_OUT", QStringLiteral("reference-pictures")));
    ASSERT_TRUE(out.mkpath(QStringLiteral(".")));
    const QString drawnPath =
        out.absoluteFilePath(QString::fromLatin1(GetParam().name) + QStringLiteral(".drawn.png"));
    got.save(drawnPath);
    ASSERT_EQ(want.size(), got.size()) << "drawn picture: " << drawnPath.toStdString();
    int count = 0;
    QRect where;
    const QString diffPath = out.absoluteFilePath(QString::fromLatin1(GetParam().name) +
                                                  QStringLiteral(".difference.png"));
    difference(want, got, count, where).save(diffPath);
    ADD_FAILURE() << count << " pixels differ, within x " << where.left() << ".." << where.right()
                  << ", y " << where.top() << ".." << where.bottom()
                  << "\n  drawn:      " << drawnPath.toStdString()
                  << "\n  difference: " << diffPath.toStdString()
                  << "\n  reference:  " << refs.filePath(name).toStdString();
}

QWidget* ticked(zq::ui::MainWindow& m) {
    m.valueTimer.fire();
    return &m;
}

ValueWindow* valueWindow(zq::ui::MainWindow& m) {
    m.openValueWindow();
    ValueWindow* v = m.valueWindow();
    EXPECT_TRUE(v && QTest::qWaitForWindowExposed(v));
    return v;
}

ReadingWindow* readingWindow(zq::ui::MainWindow& m) {
    m.openReadingWindow();
    ReadingWindow* r = m.readingWindow();
    EXPECT_TRUE(r && QTest::qWaitForWindowExposed(r));
    return r;
}

namespace practice = zq::model::practice;

// A practice window on fresh progress in a folder of its own, its questions from one seed,
// asked a question of `kind` from its chart; freed with the main window.
zq::ui::PracticeWindow* practiceWindow(zq::ui::MainWindow& m, practice::QuestionKind kind) {
    static QTemporaryDir folder;
    QFile::remove(folder.filePath(QStringLiteral("progress.json")));
    auto* p = new zq::ui::PracticeWindow(
        m, {std::uint64_t(26), folder.filePath(QStringLiteral("progress.json"))});
    QObject::connect(&m, &QObject::destroyed, [p] { delete p; });
    p->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(p));
    p->rowClicked(false, int(kind));
    EXPECT_EQ(p->Current.kind, kind);
    return p;
}

// The right answer, or one a power of ten off (the first band one colour on, for picked bands;
// the other end, for the direction).
void answer(zq::ui::PracticeWindow& p, bool right) {
    const practice::Question& q = p.Current;
    switch (q.kind) {
    case practice::QuestionKind::PickBands:
        for (std::size_t i = 0; i < q.answerBands.size(); ++i)
            p.chipClicked(right || i != 0 ? q.answerBands[i] : (q.answerBands[i] + 1) % 10);
        p.answerButtonClicked();
        return;
    case practice::QuestionKind::ReadDirection:
        p.endClicked(right == (q.answerEnd == practice::End::Left) ? practice::End::Left
                                                                   : practice::End::Right);
        return;
    default:
        p.answerField().setPlainText(
            QString::fromStdString((right ? q.answerValue : q.answerValue.shifted(1)).text()));
        p.answerReturnPressed();
    }
}

const Picture kPictures[] = {
    {"main-start", [](ReferencePictures&, zq::ui::MainWindow& m) { return ticked(m); }},
    {"main-four-bands",
     [](ReferencePictures& t, zq::ui::MainWindow& m) {
         t.choose(4, 12);
         return ticked(m);
     }},
    {"main-refused",
     [](ReferencePictures& t, zq::ui::MainWindow& m) {
         t.choose(3, 11);
         EXPECT_EQ(t.takeMessages().size(), 1u) << "the silver on band three is refused";
         return ticked(m);
     }},
    {"main-pointer-over-key-and-chip",
     [](ReferencePictures&, zq::ui::MainWindow& m) {
         QTest::mouseMove(m.windowHandle(), m.bandKey3.pixelRect().center());
         QTest::mouseMove(m.windowHandle(), m.paletteChip[4]->pixelRect().center());
         return ticked(m);
     }},
    {"main-focus-mark",
     [](ReferencePictures&, zq::ui::MainWindow& m) {
         QTest::keyClick(m.windowHandle(), Qt::Key_3);
         return ticked(m);
     }},
    {"help",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         m.helpClicked();
         return m.helpWindow();
     }},
    {"help-other-windows",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         m.helpClicked();
         zq::ui::HelpWindow* h = m.helpWindow();
         if (!h) return nullptr;
         QScrollBar* bar = h->textBox(QStringLiteral("text")).widget()->verticalScrollBar();
         bar->setValue(bar->maximum()); // the section after the signature
         return h;
     }},
    {"first-start-hint",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         static QTemporaryDir config;
         return zq::ui::FirstStartHint::offer(
             m, config.filePath(QStringLiteral("never-written/first-start")));
     }},
    {"about",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         m.aboutClicked();
         return m.aboutWindow();
     }},
    {"value-empty",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* { return valueWindow(m); }},
    {"value-answer",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         ValueWindow* v = valueWindow(m);
         if (!v) return nullptr;
         v->fiveBandsClicked();
         QTest::keyClicks(&v->valueField(), QStringLiteral("4k7"));
         QTest::keyClick(&v->valueField(), Qt::Key_Return);
         return v;
     }},
    {"value-combinations",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         // The starter kit, never the user's own file.
         QStandardPaths::setTestModeEnabled(true);
         ValueWindow* v = valueWindow(m);
         if (!v) return nullptr;
         QTest::keyClicks(&v->valueField(), QStringLiteral("1234.5"));
         QTest::keyClick(&v->valueField(), Qt::Key_Return);
         v->kitButtonClicked();
         CombinationsPanel* p = v->Combinations;
         if (!p || !QTest::qWaitForWindowExposed(p)) return nullptr;
         p->kitChoiceClicked(CombinationsPanel::E6);
         p->wayClicked(1);
         return p;
     }},
    {"value-kit-editor",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         QStandardPaths::setTestModeEnabled(true);
         ValueWindow* v = valueWindow(m);
         if (!v) return nullptr;
         v->kitButtonClicked();
         CombinationsPanel* p = v->Combinations;
         if (!p) return nullptr;
         p->kitChoiceClicked(CombinationsPanel::Own);
         p->editButtonClicked();
         if (!p->Editor || !QTest::qWaitForWindowExposed(p->Editor)) return nullptr;
         // A line refused: the reason under the text, the line selected.
         p->Editor->kitText().setPlainText(QStringLiteral("4.7k, 10k\n4..7k\n1M"));
         p->Editor->saveButtonClicked();
         return p->Editor;
     }},
    {"reading-empty", [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* { return readingWindow(m); }},
    {"reading-filled",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         ReadingWindow* r = readingWindow(m);
         if (!r) return nullptr;
         for (const int colour : {0, 9, 9, 1, 0})
             r->chipClicked(colour);
         r->measuredField().setPlainText(QStringLiteral("9.93k"));
         r->measuredReturnPressed();
         r->smdField().setPlainText(QStringLiteral("01C"));
         r->smdReturnPressed();
         return r;
     }},
    {"reading-cues",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         ReadingWindow* r = readingWindow(m);
         if (!r) return nullptr;
         for (const int colour : {1, 1, 0, 0})
             r->chipClicked(colour);
         r->gapClicked(1);
         r->bodyClicked(1);
         return r;
     }},
    // The longest verdict the cues make: both contradicted, and a measurement nothing explains.
    {"reading-cues-contradicted",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         ReadingWindow* r = readingWindow(m);
         if (!r) return nullptr;
         for (const int colour : {10, 1, 6, 3})
             r->chipClicked(colour);
         r->gapClicked(1);
         r->bodyClicked(1);
         r->measuredField().setPlainText(QStringLiteral("1k"));
         r->measuredReturnPressed();
         return r;
     }},
    {"practice-question",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         return practiceWindow(m, practice::QuestionKind::ReadValue);
     }},
    {"practice-wrong-with-working",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         auto* p = practiceWindow(m, practice::QuestionKind::ReadValue);
         p->hintButtonClicked();
         answer(*p, false);
         return p;
     }},
    // A which-end question whose only cue is the gap, read against it after a hint.
    {"practice-which-end-gap",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         auto* p = practiceWindow(m, practice::QuestionKind::ReadDirection);
         for (int i = 0; i < 300 && p->Current.part.cues != practice::DrawnPart::Cues::GapOnly; ++i)
             p->rowClicked(false, int(practice::QuestionKind::ReadDirection));
         EXPECT_EQ(p->Current.part.cues, practice::DrawnPart::Cues::GapOnly);
         p->hintButtonClicked();
         answer(*p, false);
         return p;
     }},
    {"practice-six-band-hints",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         using namespace zq::model::palette;
         auto* p = practiceWindow(m, practice::QuestionKind::ToleranceLimit);
         p->ask(*practice::questionOfPart(practice::QuestionKind::ToleranceLimit,
                                          {kViolet, kGrey, kWhite, kSilver, kViolet, kBrown}, true));
         for (int i = 0; i < 8; ++i)
             p->hintButtonClicked();
         return p;
     }},
    // A round with a question passed over, and its review.
    {"practice-end-of-round",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         auto* p = practiceWindow(m, practice::QuestionKind::ReadValue);
         for (int i = 0; i < 10; ++i) {
             if (i != 7) answer(*p, i % 4 != 1);
             p->nextButtonClicked();
             if (i == 7) p->nextButtonClicked();
         }
         return p;
     }},
    // Five bands picked with the first one wrong: the part drawn with them, tagged, and the
    // right ones in words.
    {"practice-pick-wrong",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         using namespace zq::model::palette;
         auto* p = practiceWindow(m, practice::QuestionKind::PickBands);
         p->ask(*practice::questionOfValue(zq::model::Decimal::of(100, 2), kBrown, 5));
         answer(*p, false);
         return p;
     }},
    {"practice-chart",
     [](ReferencePictures&, zq::ui::MainWindow& m) -> QWidget* {
         auto* p = practiceWindow(m, practice::QuestionKind::PickBands);
         for (int i = 0; i < 20; ++i) {
             if (i % 4 == 2) p->hintButtonClicked();
             answer(*p, i % 3 != 1);
             p->nextButtonClicked();
         }
         return p;
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryWindow, ReferencePictures, ::testing::ValuesIn(kPictures),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

} // namespace
