// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/save_whole.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace zq::ui {

std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes,
                                 const std::function<void()>& beforeCommit) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QDir::toNativeSeparators(folder);
    // Unbuffered: each write reaches the system at once, and its failure is seen here.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    const auto fail = [&file](const QString& why) {
        file.cancelWriting(); // the temporary file goes, the old one stays
        return std::optional<QString>(why);
    };
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) return fail(file.errorString()); // a short write fails on the next one
        done += n;
    }
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
    // Some file systems (network ones, those that allocate late) say only here that the bytes
    // have no room; commit() would not ask.
    // EINVAL and EROFS: a file that cannot be synced, not a fault. An interrupted sync fails
    // the save like any other: the old file stays.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (beforeCommit) beforeCommit();
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

} // namespace zq::ui
