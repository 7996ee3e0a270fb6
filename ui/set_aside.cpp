// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/set_aside.h"

#include <QDir>
#include <QFileInfo>

namespace zq::ui {

QString setAside(const QString& path) {
    for (int n = 1; n < 1000; ++n) {
        const QString aside = path + QStringLiteral(".bad-%1").arg(n);
        if (QFileInfo::exists(aside)) continue;
        return QDir().rename(path, aside) ? QFileInfo(aside).fileName() : QString();
    }
    return {};
}

} // namespace zq::ui
