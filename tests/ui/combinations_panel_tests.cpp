// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Making the value window's value from the parts at hand: the companion panel through its
// controls, and the user's own kit kept in the configuration folder.
#include "model/combinations/kit.h"
#include "platform/services.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/value/combinations_panel.h"
#include "ui/value/kit_store.h"
#include "ui/value/value_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

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
        for (const QString& f : folder.entryList({QStringLiteral("kit*.txt")}, QDir::Files))
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
        return *v.Combinations;
    }
    static QStringList rows(const CombinationsPanel& p) {
        QStringList out;
        for (int i = 0; i < p.lines->count(); ++i)
            out << p.lines->item(i)->text();
        return out;
    }
};

TEST_F(Combinations, E12MakesTheTypedValueFromOneTwoAndThreePartsAndMarksTheSimplest) {
    ui::ValueWindow& v = valueWindow();
    CombinationsPanel& p = panel(v);
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(p.lines->count(), 0) << "nothing to make before a value is answered";
    type(v, QStringLiteral("4.5k"));
    p.kitChooser->setCurrentIndex(CombinationsPanel::E12);
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
    EXPECT_TRUE(p.heading->text().contains(QStringLiteral("±5%")));

    // Brown's ±1 % leaves the one part out: the simplest is now two.
    v.ToleranceChip_Click(0);
    const QStringList at1 = rows(p);
    ASSERT_EQ(at1.size(), 3);
    EXPECT_FALSE(at1[0].contains(QStringLiteral("最简单")));
    EXPECT_TRUE(at1[1].contains(QStringLiteral("最简单")));
    EXPECT_TRUE(p.heading->text().contains(QStringLiteral("±1%")));

    // A value the window refuses empties the list.
    type(v, QStringLiteral("4..5k"));
    EXPECT_EQ(p.lines->count(), 0);
}

TEST_F(Combinations, ClickingAWayShowsItsWorkingAndTheColoursOfItsParts) {
    ui::ValueWindow& v = valueWindow();
    type(v, QStringLiteral("1234.5"));
    CombinationsPanel& p = panel(v);
    p.kitChooser->setCurrentIndex(CombinationsPanel::E6);
    ASSERT_EQ(p.lines->count(), 3);
    // Two in parallel: 1.5 kΩ ∥ 6.8 kΩ = 1500 × 6800 / 8300 = 102000/83 Ω ≈ 1228.916 Ω.
    const QRect row = p.lines->visualItemRect(p.lines->item(1));
    QTest::mouseClick(p.lines->viewport(), Qt::LeftButton, {}, row.center());
    const QString parallel = p.working->text();
    EXPECT_TRUE(parallel.contains(shown(u"1/(1/1.50KΩ + 1/6.80KΩ) ≈ 1.229KΩ")))
        << parallel.toStdString();
    EXPECT_TRUE(parallel.contains(QStringLiteral("102000/83 Ω")));
    // IEC 60062: 1.5 kΩ brown green red, 6.8 kΩ blue grey red.
    EXPECT_TRUE(parallel.contains(shown(u"1.50KΩ：棕 绿 红 金")));
    EXPECT_TRUE(parallel.contains(shown(u"6.80KΩ：蓝 灰 红 金")));

    // One part is its own value, with no fraction to show.
    p.lines->setCurrentRow(0);
    const QString single = p.working->text();
    EXPECT_TRUE(single.contains(shown(u"1000.00Ω"))) << single.toStdString();
    EXPECT_FALSE(single.contains(u'/'));
    EXPECT_TRUE(single.contains(QStringLiteral("棕 黑 红 金")));
}

TEST_F(Combinations, TheOwnKitStartsAsTheStarterKitAndIsEditedSavedAndReadBack) {
    ui::ValueWindow& v = valueWindow();
    type(v, QStringLiteral("3k"));
    CombinationsPanel& p = panel(v);
    EXPECT_EQ(p.ownKit, model::starterKit());
    EXPECT_FALSE(p.editButton->isEnabled()) << "only the own kit is edited";
    p.kitChooser->setCurrentIndex(CombinationsPanel::Own);
    EXPECT_TRUE(p.editButton->isEnabled());
    EXPECT_FALSE(QFile::exists(ui::ownKitPath())) << "nothing written before a save";

    // A pasted list, with a line that cannot be used: refused by its line, nothing saved.
    bool refusedFirst = false;
    QTimer::singleShot(0, [&] {
        auto* d = dynamic_cast<ui::OwnKitDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->editor->setPlainText(QStringLiteral("4.7k, 4..7k\n10k"));
        d->save();
        refusedFirst = d->isVisible() && d->note->text().contains(QStringLiteral("第 2 行"));
        EXPECT_FALSE(QFile::exists(ui::ownKitPath()));
        d->editor->setPlainText(QStringLiteral("4.7k，10k、 4k7\n# 我的\n1M"));
        d->save();
    });
    p.editButton->click();
    EXPECT_TRUE(refusedFirst);
    const std::vector<model::Decimal> want{
        model::Decimal::of(4700, 0), model::Decimal::of(10000, 0), model::Decimal::of(4700, 0),
        model::Decimal::of(1000000, 0)};
    EXPECT_EQ(p.ownKit, want);
    EXPECT_EQ(ui::loadOwnKit().values, want) << "read back from the file";
    EXPECT_TRUE(ui::loadOwnKit().note.isEmpty());
    // 3 kΩ from 4.7 kΩ and 10 kΩ: three parts, 4.7 k ∥ (4.7 k + 4.7 k) = 3.133 kΩ.
    ASSERT_EQ(p.lines->count(), 3);
    EXPECT_TRUE(p.lines->item(2)->text().contains(shown(u"4.70KΩ ∥ (4.70KΩ + 4.70KΩ)")))
        << p.lines->item(2)->text().toStdString();

    // Cancel keeps the kit.
    QTimer::singleShot(0, [] {
        auto* d = dynamic_cast<ui::OwnKitDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->editor->setPlainText(QStringLiteral("1k"));
        d->reject();
    });
    p.editButton->click();
    EXPECT_EQ(p.ownKit, want);
    EXPECT_EQ(ui::loadOwnKit().values, want);
}

TEST_F(Combinations, ABrokenOwnKitIsSetAsideWithANoteAndTheStarterKitStandsIn) {
    QDir().mkpath(QFileInfo(ui::ownKitPath()).absolutePath());
    {
        QFile f(ui::ownKitPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("4.7k\n0\n");
    }
    ui::ValueWindow& v = valueWindow();
    type(v, QStringLiteral("4.5k"));
    CombinationsPanel& p = panel(v);
    p.kitChooser->setCurrentIndex(CombinationsPanel::Own);
    EXPECT_EQ(p.ownKit, model::starterKit());
    EXPECT_TRUE(p.note->text().contains(QStringLiteral("第 2 行"))) << p.note->text().toStdString();
    EXPECT_EQ(p.lines->count(), 3) << "never fatal: the starter kit answers";
    EXPECT_FALSE(QFile::exists(ui::ownKitPath()));
    const QStringList aside = QFileInfo(ui::ownKitPath())
                                  .dir()
                                  .entryList({QStringLiteral("kit*.broken.txt")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    // The other kits carry no such note.
    p.kitChooser->setCurrentIndex(CombinationsPanel::E24);
    EXPECT_FALSE(p.note->text().contains(QStringLiteral("第 2 行")));
}

TEST_F(Combinations, EveryControlHasANameAndEscCloses) {
    ui::ValueWindow& v = valueWindow();
    CombinationsPanel& p = panel(v);
    int named = 0;
    for (QWidget* c : p.findChildren<QWidget*>()) {
        if (!qobject_cast<QComboBox*>(c) && !qobject_cast<QPushButton*>(c) &&
            !qobject_cast<QListWidget*>(c))
            continue;
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->metaObject()->className();
        ++named;
    }
    EXPECT_EQ(named, 4) << "chooser, edit, list, close";
    EXPECT_FALSE(p.working->accessibleName().isEmpty());
    p.activateWindow();
    QTest::keyClick(&p, Qt::Key_Escape);
    EXPECT_FALSE(p.isVisible());
    EXPECT_TRUE(v.isVisible()) << "the value window stays";
    // Opened again, the same panel.
    EXPECT_EQ(&panel(v), &p);
    EXPECT_TRUE(p.isVisible());
    // The panel fits the smallest screen the windows are made for.
    EXPECT_LE(p.frameGeometry().height(), 728);
    // Beside the value window where the screen has room for both, as the other windows go.
    const QRect area = v.screen()->availableGeometry();
    if (area.width() >= v.frameGeometry().width() + p.frameGeometry().width()) {
        EXPECT_FALSE(p.frameGeometry().intersects(v.frameGeometry()));
    }
    EXPECT_TRUE(area.contains(p.frameGeometry().topLeft()));

    // Closing the value window takes the panel with it.
    v.CloseBox_Click();
    EXPECT_FALSE(v.isVisible());
    EXPECT_FALSE(p.isVisible());
}

} // namespace
