// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Test entry point for everything that needs a QApplication.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/program.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zq::setUpApplication(app, {QStringLiteral("1.1.0.1"),
                               QStringLiteral("1.01.0001"),
                               QStringLiteral("Zelquin"),
                               QStringLiteral("ZelquinV1.1"),
                               {}});
    // A modal dialog that a test did not replace would wait for a user forever: close it
    // and fail instead.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    guard.start(200);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
