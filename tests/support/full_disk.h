// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A disk that fills up, without root: while a FullDisk lives no file this process writes grows
// past a byte, and a write beyond fails (EFBIG) as on a full disk instead of ending the process.
#include <QFile>
#include <climits>
#include <csignal>
#include <sys/resource.h>

namespace zq::test {

struct FullDisk {
    FullDisk() : handler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit full{1, saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &saved); std::signal(SIGXFSZ, handler); }
    rlimit saved{};
    void (*handler)(int);
};
template <class F> auto onFullDisk(F f) { FullDisk full; return f(); }

// What `path` holds now; "(none)" when there is nothing to read.
inline QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArrayLiteral("(none)");
}

// Folders under `base` so deep that `tail` after them is the longest path the system takes or a
// byte short: ".bad-1" more is past it, even for root (ENAMETOOLONG).
inline QString longestPathFolder(QString base, const QString& tail) {
    for (qsizetype left; (left = PATH_MAX - 1 - QFile::encodeName(base + tail).size()) > 1;)
        base += QLatin1Char('/') + QString(qMin<qsizetype>(left - 1, 200), QLatin1Char('d'));
    return base;
}

} // namespace zq::test
