// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/set_aside.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace zq::ui {

QString setAside(const QString& path) {
    const QByteArray from = QFile::encodeName(path);
    for (int n = 1; n < 1000; ++n) {
        const QString aside = path + QStringLiteral(".bad-%1").arg(n);
        const QByteArray to = QFile::encodeName(aside);
        struct stat taken {};
        if (::lstat(to.constData(), &taken) == 0) continue; // a link to nothing takes it too
        // Moved, or left where it is: never the copy QFile::rename falls back to, which a full
        // disk can leave empty once the original is gone.
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return QFileInfo(aside).fileName();
        if (errno == EEXIST) continue; // taken since
        // A file system that cannot refuse to replace: the name was free a moment ago.
        if (errno == EINVAL && ::rename(from.constData(), to.constData()) == 0)
            return QFileInfo(aside).fileName();
        return {};
    }
    return {};
}

} // namespace zq::ui
