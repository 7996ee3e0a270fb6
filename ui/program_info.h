// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Who made the program and where it lives; the windows and the version record share these.
#include "platform/program.h"
#include "wording/help.h"

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

// The author's and maker's contact lines, which the help text and the About text both give.
inline QString authorName() {
    return QCoreApplication::translate("Contact", "Zelquin 开发组");
}
inline QString messengerNumbers() {
    //: Messenger numbers: none yet.
    return QCoreApplication::translate("Contact", "暂无 / 暂无");
}
inline const QString kMessengerAccount = QStringLiteral("zelquin");
inline const QString kMakerMail = QStringLiteral("mail@zelquin.example");
inline const QString kMakerMail2 = QStringLiteral("help@zelquin.example");

inline wording::Contact contact() {
    return {kHomePage.toStdString(),          authorName().toStdString(),
            messengerNumbers().toStdString(), kMessengerAccount.toStdString(),
            kMakerMail.toStdString(),         kMakerMail2.toStdString(),
            makerName().toStdString()};
}

inline VersionRecord versionRecord() {
    return {QStringLiteral("1.1.0.1"), QStringLiteral("1.01.0001"), QStringLiteral("Zelquin"),
            QStringLiteral("ZelquinV1.1"), makerName()};
}

} // namespace zq::ui
