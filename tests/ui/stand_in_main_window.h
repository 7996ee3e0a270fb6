// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A bare window standing in for the main window, counting how often it is made visible,
// for tests of the windows that hide and show it.
#include "platform/design.h"
#include "platform/form.h"
#include "tests/support/ui_test.h"

#include <QCoreApplication>
#include <memory>

namespace zq::test {

inline FormDesign standInDesign() {
    FormDesign d;
    d.name = "MainWindow";
    d.caption = "ZelquinV1.1";
    d.width = 200 * 15;
    d.height = 100 * 15;
    d.font = {"宋体", 9, false};
    return d;
}

class StandInMainWindow : public Form {
  public:
    StandInMainWindow() : Form(standInDesign()) {}
    void setVisible(bool v) override {
        if (v) ++shown;
        Form::setVisible(v);
    }
    int shown = 0;
};

// Tests of a secondary window beside a shown stand-in main window.
class WithStandInMainWindow : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        main = std::make_unique<StandInMainWindow>();
        showWindow(*main);
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main.reset();
        UiTest::TearDown();
    }
    std::unique_ptr<StandInMainWindow> main;
};

} // namespace zq::test
