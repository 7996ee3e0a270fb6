// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Who made the program and where it lives; the windows and the version record share these.
#include "platform/program.h"

#include <QCoreApplication>
#include <QString>

namespace zq::ui {

inline const QString kHomePage = QStringLiteral("https://zelquin.example");
inline QString makerName() {
    return QCoreApplication::translate("Program", "泽昆软件");
}
// The browser the links were written for, and the address it is given.
inline const QString kBrowserCommand =
    QStringLiteral("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE ") + kHomePage;

inline VersionRecord versionRecord() {
    return {QStringLiteral("1.1.0.1"), QStringLiteral("1.01.0001"), QStringLiteral("Zelquin"),
            QStringLiteral("ZelquinV1.1"), makerName()};
}

} // namespace zq::ui
