// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Making the value window's value from the parts at hand: the companion panel through its
// controls, and the user's own kit kept in the configuration folder.
#include "model/combinations/kit.h"
#include "platform/services.h"
#include "tests/support/full_disk.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/value/combinations_panel.h"
#include "ui/words.h"
#include "ui/value/kit_store.h"
#include "ui/value/own_kit_editor.h"
#include "ui/value/value_window.h"
#include "wording/combinations.h"
#include "wording/kit_panel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace zq;
using zq::test::MainWindow;
using zq::ui::CombinationsPanel;

namespace {

// A text as the window writes it: with the user's decimal point.
QString shown(const char16_t* text) {
    return QString::fromUtf16(text).replace(QLatin1Char('.'), zq::decimalPoint());
}

class Combinations : public MainWindow {
  protected:
    void SetUp() override {
        // Never the user's own folder, nor one another test run beside this one writes in.
        home_ = qgetenv("HOME");
        ASSERT_TRUE(folder_.isValid());
        qputenv("HOME", folder_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(ui::ownKitPath().startsWith(folder_.path()));
        MainWindow::SetUp();
    }
    void TearDown() override {
        MainWindow::TearDown();
        forget();
        qputenv("HOME", home_);
    }
    QTemporaryDir folder_;
    QByteArray home_;
    static void forget() {
        const QDir folder = QFileInfo(ui::ownKitPath()).dir();
        for (const QString& f : folder.entryList({QStringLiteral("kit*")}, QDir::Files))
            QFile::remove(folder.filePath(f));
    }
    ui::ValueWindow& valueWindow() {
        w->openValueWindow();
        ui::ValueWindow* v = w->valueWindow();
        if (!v) throw std::runtime_error("no value window");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(v));
        return *v;
    }
    static void type(ui::ValueWindow& v, const QString& text) {
        v.valueField().clear();
        QTest::keyClicks(&v.valueField(), text);
        QTest::keyClick(&v.valueField(), Qt::Key_Return);
    }
    CombinationsPanel& panel(ui::ValueWindow& v) {
        click(v, centreOf(v.KitButton));
        if (!v.Combinations) throw std::runtime_error("no panel");
        EXPECT_TRUE(QTest::qWaitForWindowExposed(v.Combinations));
        return *v.Combinations;
    }
    static QStringList rows(const CombinationsPanel& p) {
        QStringList out;
        for (const zq::Label* way : p.Way)
            if (way->Visible()) out << way->Caption();
        return out;
    }
    static void choose(CombinationsPanel& p, int kit) { click(p, centreOf(*p.KitChoice[kit])); }
    // The editor of the own kit, opened by its link as Return or a screen reader presses it.
    static ui::OwnKitEditor& editor(CombinationsPanel& p) {
        p.activate(p.EditButton);
        if (!p.Editor) throw std::runtime_error("no editor");
        return *p.Editor;
    }
    static void edit(ui::OwnKitEditor& d, const QString& text) {
        d.kitText().setPlainText(text);
        d.activate(d.image(QStringLiteral("SaveButton")));
    }
};

TEST_F(Combinations, E12MakesTheTypedValueFromOneTwoAndThreePartsAndMarksTheSimplest) {
    ui::ValueWindow& v = valueWindow();
    CombinationsPanel& p = panel(v);
    EXPECT_TRUE(p.isVisible());
    EXPECT_TRUE(rows(p).isEmpty()) << "nothing to make before a value is answered";
    type(v, QStringLiteral("4.5k"));
    choose(p, CombinationsPanel::E12);
    const QStringList at5 = rows(p);
    ASSERT_EQ(at5.size(), 3) << at5.join(u'\n').toStdString();
    // 4.7 kΩ is 4.44 % above: within gold's ±5 %, the one part is the simplest.
    EXPECT_TRUE(at5[0].contains(shown(u"4.70KΩ"))) << at5[0].toStdString();
    EXPECT_TRUE(at5[0].contains(shown(u"+4.44%")));
    EXPECT_TRUE(at5[0].contains(QStringLiteral("最简单")));
    // Two E12 parts make 4.5 kΩ exactly (1.2 k + 3.3 k and 1.8 k + 2.7 k): the nearer wins.
    EXPECT_TRUE(at5[1].contains(QStringLiteral(" + "))) << at5[1].toStdString();
    EXPECT_TRUE(at5[1].contains(shown(u"= 4.50KΩ  0.00%")));
    EXPECT_FALSE(at5[1].contains(QStringLiteral("最简单")));
    EXPECT_FALSE(at5[2].contains(QStringLiteral("最简单")));
    EXPECT_EQ(p.Heading.Caption(), shown(u"用手头的电阻凑 4.50KΩ（E12，误差 ±5% 以内）"));

    // Brown's ±1 % leaves the one part out: the simplest is now two.
    v.toleranceChipClicked(0);
    const QStringList at1 = rows(p);
    ASSERT_EQ(at1.size(), 3);
    EXPECT_FALSE(at1[0].contains(QStringLiteral("最简单")));
    EXPECT_TRUE(at1[1].contains(QStringLiteral("最简单")));
    EXPECT_TRUE(p.Heading.Caption().contains(QStringLiteral("±1%")));

    // A value the window refuses empties the list.
    type(v, QStringLiteral("4..5k"));
    EXPECT_TRUE(rows(p).isEmpty());
}

TEST_F(Combinations, ClickingAWayShowsItsWorkingAndTheColoursOfItsParts) {
    ui::ValueWindow& v = valueWindow();
    type(v, QStringLiteral("1234.5"));
    CombinationsPanel& p = panel(v);
    choose(p, CombinationsPanel::E6);
    ASSERT_EQ(rows(p).size(), 3);
    // Two in parallel: 1.5 kΩ ∥ 6.8 kΩ = 1500 × 6800 / 8300 = 102000/83 Ω ≈ 1228.916 Ω.
    click(p, centreOf(*p.Way[1]));
    const QString parallel = p.Working.Caption() + p.Parts.Caption();
    EXPECT_TRUE(parallel.contains(shown(u"1/(1/1.50KΩ + 1/6.80KΩ) ≈ 1.229KΩ")))
        << parallel.toStdString();
    EXPECT_TRUE(parallel.contains(QStringLiteral("102000/83 Ω")));
    // IEC 60062: 1.5 kΩ brown green red, 6.8 kΩ blue grey red.
    EXPECT_TRUE(parallel.contains(shown(u"1.50KΩ：棕 绿 红 金")));
    EXPECT_TRUE(parallel.contains(shown(u"6.80KΩ：蓝 灰 红 金")));

    // One part is its own value, with no fraction to show; by the keyboard, as by the mouse.
    p.setFocusedControl(p.Way[1]);
    QTest::keyClick(p.windowHandle(), Qt::Key_Up);
    QTest::keyClick(p.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(p.chosenWay, 0);
    const QString single = p.Working.Caption() + p.Parts.Caption();
    EXPECT_TRUE(single.contains(shown(u"1000.00Ω"))) << single.toStdString();
    EXPECT_FALSE(single.contains(u'/'));
    EXPECT_TRUE(single.contains(QStringLiteral("棕 黑 红 金")));
}

TEST_F(Combinations, TheOwnKitStartsAsTheStarterKitAndIsSavedAndReadBackOrKeptOpenUnsaved) {
    ui::ValueWindow& v = valueWindow();
    type(v, QStringLiteral("3k"));
    CombinationsPanel& p = panel(v);
    EXPECT_EQ(p.ownKit, model::starterKit());
    EXPECT_FALSE(p.EditButton.Visible()) << "only the own kit is edited";
    choose(p, CombinationsPanel::Own);
    EXPECT_TRUE(p.EditButton.Visible());
    EXPECT_FALSE(QFile::exists(ui::ownKitPath())) << "nothing written before a save";

    // A pasted list, with a line that cannot be used: refused as the line typed, the cursor on
    // it, nothing saved.
    QPointer<ui::OwnKitEditor> d = &editor(p);
    edit(*d, QStringLiteral("4.7k, 4..7k\n10k"));
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->Note.Caption().startsWith(QStringLiteral("第 2 行用不了：")))
        << d->Note.Caption().toStdString();
    EXPECT_EQ(d->kitText().textCursor().selectedText(), QStringLiteral("4..7k"));
    EXPECT_FALSE(QFile::exists(ui::ownKitPath()));
    edit(*d, QStringLiteral("4.7k，10k、 4k7\n# 我的\n1M"));
    EXPECT_TRUE(!d || d->unloaded()) << "closed once saved";
    const std::vector<model::Decimal> want{
        model::Decimal::of(4700, 0), model::Decimal::of(10000, 0), model::Decimal::of(4700, 0),
        model::Decimal::of(1000000, 0)};
    EXPECT_EQ(p.ownKit, want);
    EXPECT_EQ(ui::loadOwnKit().values, want) << "read back from the file";
    EXPECT_TRUE(ui::loadOwnKit().note.isEmpty());
    // 3 kΩ from 4.7 kΩ and 10 kΩ: three parts, 4.7 k ∥ (4.7 k + 4.7 k) = 3.133 kΩ.
    ASSERT_EQ(rows(p).size(), 3);
    EXPECT_TRUE(rows(p)[2].contains(shown(u"4.70KΩ ∥ (4.70KΩ + 4.70KΩ)")))
        << rows(p)[2].toStdString();

    // Unsaved edits: Esc or the desktop's close asks first; "no" keeps them, "yes" drops them.
    d = &editor(p);
    QTest::keyClick(&d->kitText(), Qt::Key_Escape);
    EXPECT_TRUE(!d || d->unloaded()) << "nothing edited, nothing to ask";
    for (const bool byDesktop : {false, true})
        for (const int answer : {kAnswerNo, kAnswerYes}) {
            if (!d || d->unloaded()) d = &editor(p);
            d->kitText().setPlainText(QStringLiteral("1k"));
            messages_.answer = answer;
            if (byDesktop)
                d->close();
            else
                QTest::keyClick(&d->kitText(), Qt::Key_Escape);
            EXPECT_EQ(takeMessages().size(), 1u);
            EXPECT_EQ(d && !d->unloaded(), answer == kAnswerNo) << byDesktop;
        }
    // A save the disk has no room for is said, the edits kept open and the saved kit unchanged.
    d = &editor(p);
    test::onFullDisk([&] { edit(*d, QStringLiteral("1k")); });
    ASSERT_TRUE(d && !d->unloaded());
    EXPECT_EQ(d->Note.Caption(), ui::q(wording::ownKitNotSaved(ui::ownKitPath().toStdString())));
    EXPECT_EQ(d->kitText().toPlainText(), QStringLiteral("1k"));
    EXPECT_EQ(p.ownKit, want);
    EXPECT_EQ(ui::loadOwnKit().values, want);
    d->activate(d->image(QStringLiteral("SaveButton"))); // with room again it goes through
    EXPECT_TRUE(!d || d->unloaded());
}

TEST_F(Combinations, ABrokenOwnKitIsSetAsideWithANoteThatGoesOnceAKitIsSaved) {
    QDir().mkpath(QFileInfo(ui::ownKitPath()).absolutePath());
    const auto writeBroken = [] {
        QFile f(ui::ownKitPath());
        return f.open(QIODevice::WriteOnly) && f.write("4.7k\n0\n") == 7;
    };
    // When the renaming fails, the note does not say it was renamed.
    ASSERT_TRUE(writeBroken());
    const QString failed = ui::loadOwnKit([](const QString&) { return QString(); }).note;
    EXPECT_TRUE(failed.contains(QStringLiteral("没能改名"))) << failed.toStdString();
    ASSERT_TRUE(writeBroken());
    ui::ValueWindow& v = valueWindow();
    type(v, QStringLiteral("4.5k"));
    CombinationsPanel& p = panel(v);
    choose(p, CombinationsPanel::Own);
    EXPECT_EQ(p.ownKit, model::starterKit());
    EXPECT_EQ(p.Note.Caption(),
              QStringLiteral(
                  "我的套装文件第 2 行读不出。原文件改名为“kit.txt.bad-1”留着，先用入门套装。"));
    EXPECT_EQ(rows(p).size(), 3) << "never fatal: the starter kit answers";
    EXPECT_FALSE(QFile::exists(ui::ownKitPath()));
    EXPECT_TRUE(QFile::exists(ui::ownKitPath() + QStringLiteral(".bad-1")));
    // The other kits carry no such note; a kit saved since ends it.
    choose(p, CombinationsPanel::E24);
    EXPECT_TRUE(p.Note.Caption().isEmpty());
    choose(p, CombinationsPanel::Own);
    edit(editor(p), QStringLiteral("4.7k"));
    EXPECT_TRUE(p.Note.Caption().isEmpty()) << p.Note.Caption().toStdString();
}

// Up to its limits a kit file is the kit; one past either it is set aside whole, the limit named.
TEST_F(Combinations, AnOwnKitFileIsReadUpToItsLimitsAndSetAsideOnePast) {
    QByteArray most;
    for (std::size_t i = 0; i < model::kKitMostValues; ++i) most += "1k\n";
    const QByteArray full = most.leftJustified(qsizetype(model::kKitMostBytes), '#');
    const std::pair<QByteArray, std::optional<model::KitLimit>> cases[] = {
        {most, {}}, {most + "1k\n", model::KitLimit::values},
        {full, {}}, {full + '#', model::KitLimit::bytes}};
    for (const auto& [text, over] : cases) {
        forget();
        QFile f(ui::ownKitPath());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(f).absolutePath()) && f.open(QIODevice::WriteOnly) &&
                    f.write(text) == text.size() && f.flush());
        const ui::OwnKit kit = ui::loadOwnKit();
        EXPECT_EQ(kit.values.size(), over ? model::starterKit().size() : model::kKitMostValues);
        EXPECT_EQ(kit.note, over ? ui::q(wording::ownKitSetAside({}, "kit.txt.bad-1", over))
                                 : QString());
        EXPECT_EQ(test::contentsOf(f.fileName() + (over ? ".bad-1" : "")), text) << "never cut";
    }
}

TEST_F(Combinations, AKitOrChoiceThatCannotBeRenamedIsSaidToStayWhereItWas) {
    const QString home = folder_.path(), kit = ui::ownKitPath().mid(home.size());
    for (const QString& tail : {kit, QFileInfo(kit).path() + QStringLiteral("/kit-choice.txt")}) {
        // So deep a home that ".bad-1" after the file's name is past the longest path there is.
        qputenv("HOME", QFile::encodeName(test::longestPathFolder(home, tail)));
        QFile f(QDir::homePath() + tail);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(f).absolutePath()) && f.open(QIODevice::WriteOnly) &&
                    f.write("0\n") == 2 && f.flush());
        EXPECT_EQ(
            tail == kit ? ui::loadOwnKit().note : ui::loadKitChoice(0, QStringLiteral("E6")).note,
            tail == kit ? ui::q(wording::ownKitSetAside(model::readKit("0\n").refused.at(0), {}))
                        : ui::q(wording::kitChoiceSetAside("E6", {})));
        EXPECT_EQ(test::contentsOf(f.fileName()), "0\n") << "where it was";
    }
}

TEST_F(Combinations, APanelOfTheHouseNamedControlByControlClosedByEscTheKitKept) {
    ui::ValueWindow& v = valueWindow();
    type(v, QStringLiteral("4.5k"));
    QPointer<CombinationsPanel> p = &panel(v);
    // Chosen by the keyboard: the arrow keys walk the kits, Return takes one.
    p->setFocusedControl(p->KitChoice[CombinationsPanel::E12]);
    QTest::keyClick(p->windowHandle(), Qt::Key_Right);
    QTest::keyClick(p->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(p->Kit, CombinationsPanel::E24);
    QTest::keyClick(p->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(!p || p->unloaded()) << "freed, to be built afresh";
    EXPECT_TRUE(v.isVisible()) << "the value window stays";
    // Opened again, afresh, with the kit last chosen: kept as the kit is, across starts.
    p = &panel(v);
    EXPECT_EQ(p->Kit, CombinationsPanel::E24);
    EXPECT_TRUE(p->Note.Caption().isEmpty());
    // A kept choice that cannot be read is set aside, said, and E12 stands in.
    const QString kept =
        QFileInfo(ui::ownKitPath()).dir().filePath(QStringLiteral("kit-choice.txt"));
    QFile garbage(kept);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly) && garbage.write("E96\n") == 4);
    garbage.close();
    p->Unload();
    p = &panel(v);
    EXPECT_EQ(p->Kit, CombinationsPanel::E12);
    EXPECT_EQ(
        p->Note.Caption(),
        QStringLiteral("上次选的套装读不出，先用 E12；原文件改名为“kit-choice.txt.bad-1”留着。"));
    // A choice that cannot be kept is said, the one kept before staying, until one is kept.
    choose(*p, CombinationsPanel::E24);
    test::onFullDisk([&] { choose(*p, CombinationsPanel::E6); });
    EXPECT_EQ(p->Note.Caption(), ui::q(wording::kitChoiceNotSaved("E6")));
    EXPECT_EQ(test::contentsOf(kept), "E24\n");
    choose(*p, CombinationsPanel::E6);
    EXPECT_TRUE(p->Note.Caption().isEmpty());
    // Inside the screen; where it has room, off both windows (the rules: Placement tests).
    const QRect area = v.screen()->availableGeometry(), panelAt = p->frameGeometry();
    EXPECT_TRUE(area.contains(panelAt));
    if (area.width() >= w->width() + v.width() && area.height() >= v.height() + p->height()) {
        EXPECT_FALSE(panelAt.intersects(v.frameGeometry()) ||
                     panelAt.intersects(w->frameGeometry()));
    }

    // Closing the value window takes the panel with it.
    v.closeBoxClicked();
    EXPECT_TRUE(!p || p->unloaded());
}

} // namespace
