// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared fixture for tests that drive real windows offscreen. Input goes through the
// native window, so Qt's own routing decides which widget, and the runtime which
// control, receives it. Message boxes, program starts and the program's end are
// recorded instead of shown; a modal dialog that appears anyway fails the test and is
// closed, so that no test can hang.
#include "platform/form.h"
#include "platform/services.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

// Readable failures for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ')';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{';
    for (const QString& s : l)
        *os << '"' << s.toStdString() << "\" ";
    *os << '}';
}

namespace zq::test {

struct Message {
    QString prompt;
    int style;
    QString title;
};

class MessageRecorder final : public MessageBoxService {
  public:
    int show(QWidget* parent, const QString& prompt, int style, const QString& title) override;
    std::vector<Message> calls;
    std::function<void()> whileOpen; // runs while the box would be open
    int answer = kAnswerOk;          // what the user presses
};

class ShellRecorder final : public ShellService {
  public:
    void start(const QString& command, int windowStyle) override;
    std::vector<std::pair<QString, int>> calls;
    bool fail = true; // like a machine where the program does not exist
};

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Every message shown since the last call; the fixture fails a test that leaves any unread.
    std::vector<Message> takeMessages();
    int programEnds() const { return ends_; }

    // Pixel positions are in the window's coordinates.
    static void moveTo(Form& f, QPoint px);
    static void press(Form& f, QPoint px, Qt::MouseButton b = Qt::LeftButton,
                      Qt::KeyboardModifiers m = Qt::NoModifier);
    static void release(Form& f, QPoint px, Qt::MouseButton b = Qt::LeftButton,
                        Qt::KeyboardModifiers m = Qt::NoModifier);
    static void click(Form& f, QPoint px, Qt::MouseButton b = Qt::LeftButton);
    // The centre of a control, in window pixels.
    static QPoint centreOf(const Control& c);
    // Shows the window offscreen and waits until it is exposed.
    static void showWindow(Form& f);

    MessageRecorder messages_;
    ShellRecorder shell_;

  private:
    int ends_ = 0;
};

} // namespace zq::test
