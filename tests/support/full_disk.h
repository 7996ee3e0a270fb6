// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A disk that fills up, without root: while a FullDisk lives no file this process writes grows
// past `bytes`, and a write beyond fails (EFBIG) as it would on a full disk, instead of ending
// the process.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <climits>
#include <csignal>
#include <sys/resource.h>

namespace zq::test {

class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes = 1) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, signal_);
    }

  private:
    rlimit saved_{};
    void (*signal_)(int) = SIG_DFL;
};

// What `path` holds now; "(none)" when there is nothing to read.
inline QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArrayLiteral("(none)");
}

// `base` followed by folders until a name `tailBytes` long after it makes the longest path the
// system takes: no longer name in that folder can be made, even by root (ENAMETOOLONG).
inline QString longestPathFolder(QString base, qsizetype tailBytes) {
    const qsizetype want = PATH_MAX - 1 - tailBytes;
    for (qsizetype left = want - QFile::encodeName(base).size(); left > 0;) {
        qsizetype n = std::min<qsizetype>(left - 1, 200);
        if (left - 1 - n == 1) --n; // never one byte left: a folder needs a name after its slash
        base += QLatin1Char('/') + QString(n, QLatin1Char('d'));
        left -= n + 1;
    }
    return base;
}

} // namespace zq::test
