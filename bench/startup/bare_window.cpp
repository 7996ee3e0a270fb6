// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the program's start-up: a plain frameless Qt window of the main window's
// size with one label, started and ended the same way (ZELQUIN_QUIT_AFTER_FIRST_FRAME=1 ends it
// once its first whole frame is painted).
#include "platform/first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w.setWindowTitle(QStringLiteral("bare"));
    w.resize(616, 457);
    // One text in the toolkit's default font: what any window with words pays for fonts.
    QLabel label(QStringLiteral("ZelquinV1.1"), &w);
    label.move(8, 6);
    zq::QuitAfterFirstFrame quitter;
    quitter.watch(w);
    w.show();
    return QApplication::exec();
}
