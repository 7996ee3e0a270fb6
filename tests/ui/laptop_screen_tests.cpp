// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// On a 1366×768 screen (laptop-screen.json) the value window and its panel fit only with the
// value window moved up.
#include "tests/ui/main_window_fixture.h"
#include "ui/value/combinations_panel.h"
#include "ui/value/own_kit_editor.h"
#include "ui/value/value_window.h"

#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace zq;

namespace {

class LaptopScreen : public test::MainWindow {
  protected:
    void SetUp() override {
        qputenv("HOME", folder_.path().toLocal8Bit()); // the kit files: never the user's
        QStandardPaths::setTestModeEnabled(true);
        MainWindow::SetUp();
        ASSERT_EQ(w->screen()->availableGeometry(), QRect(0, 0, 1366, 768)) << "laptop-screen.json";
    }
    QTemporaryDir folder_;
};

TEST_F(LaptopScreen, TheValueWindowItsPanelAndTheKitEditorCoverNoneOfEachOther) {
    w->openValueWindow();
    ui::ValueWindow& v = *w->valueWindow();
    v.valueField().setPlainText(QStringLiteral("4.7k"));
    QTest::keyClick(&v.valueField(), Qt::Key_Return);
    click(v, centreOf(v.KitButton));
    ASSERT_TRUE(v.Combinations);
    ui::CombinationsPanel& p = *v.Combinations;
    const QRect main = w->frameGeometry(), value = v.frameGeometry(), panel = p.frameGeometry();
    EXPECT_TRUE(w->screen()->availableGeometry().contains(panel));
    EXPECT_FALSE(panel.intersects(value) || panel.intersects(main) || value.intersects(main));
    click(p, centreOf(*p.KitChoice[ui::CombinationsPanel::Own]));
    p.activate(p.EditButton);
    ASSERT_TRUE(p.Editor);
    const QRect editor = p.Editor->frameGeometry();
    EXPECT_FALSE(editor.intersects(value) || editor.intersects(main));
    EXPECT_TRUE(p.Editor->kitText().toPlainText().contains(QStringLiteral("\n1k\n")));
}

} // namespace
