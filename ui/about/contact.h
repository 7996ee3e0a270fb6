// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The author's and maker's contact lines, shared by the help text and the About text.
#include <QCoreApplication>
#include <QString>

namespace zq::ui {

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

} // namespace zq::ui
