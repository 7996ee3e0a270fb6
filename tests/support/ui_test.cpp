// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/ui_test.h"
#include "platform/errors.h"
#include "platform/program.h"
#include "platform/screen.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace zq::test {

int MessageRecorder::show(QWidget*, const QString& prompt, int style, const QString& title) {
    calls.push_back({prompt, style, title});
    if (whileOpen) whileOpen();
    return answer;
}

void ShellRecorder::start(const QString& command, int windowStyle) {
    calls.emplace_back(command, windowStyle);
    if (fail) throw RuntimeError(QStringLiteral("file not found"));
}

void UiTest::SetUp() {
    Screen::setTwipsPerPixel(15, 15);
    setMessageBoxService(&messages_);
    setShellService(&shell_);
    setEndProgramHandler([this] { ++ends_; });
}

void UiTest::TearDown() {
    EXPECT_TRUE(messages_.calls.empty())
        << "unexpected message: " << messages_.calls.front().prompt.toStdString();
    setMessageBoxService(nullptr);
    setShellService(nullptr);
    setEndProgramHandler(nullptr);
    Screen::setTwipsPerPixel(15, 15);
}

std::vector<Message> UiTest::takeMessages() {
    return std::exchange(messages_.calls, {});
}

static QWindow* win(Form& f) {
    QWindow* w = f.windowHandle();
    EXPECT_NE(w, nullptr) << "window not shown";
    return w;
}

void UiTest::moveTo(Form& f, QPoint px) {
    QTest::mouseMove(win(f), px);
}
void UiTest::press(Form& f, QPoint px, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    QTest::mousePress(win(f), b, m, px);
}
void UiTest::release(Form& f, QPoint px, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    QTest::mouseRelease(win(f), b, m, px);
}
void UiTest::click(Form& f, QPoint px, Qt::MouseButton b) {
    press(f, px, b);
    release(f, px, b);
}
QPoint UiTest::centreOf(const Control& c) {
    return c.pixelRect().center();
}

void UiTest::showWindow(Form& f) {
    f.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
}

} // namespace zq::test
