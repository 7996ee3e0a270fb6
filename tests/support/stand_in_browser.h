// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A stand-in for the desktop's browser opener: a script put first on PATH that records
// the arguments it was started with and then stays running until the test lets it end,
// so that a test can tell whether the caller waited for it.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace zq::test {

class StandInBrowser {
  public:
    // `present` false leaves PATH with no opener at all, like a machine without a browser.
    explicit StandInBrowser(bool present = true);
    ~StandInBrowser();
    StandInBrowser(const StandInBrowser&) = delete;
    StandInBrowser& operator=(const StandInBrowser&) = delete;

    QString dir() const { return dir_.path(); }
    // The arguments it was started with, once it has recorded them; nullopt if it never ran.
    std::optional<QStringList> arguments() const;
    bool started() const;
    // Whether it has ended; it ends only after letFinish().
    bool finished() const;
    void letFinish();

  private:
    QTemporaryDir dir_;
    QByteArray oldPath_, oldBrowser_;
    bool present_;
};

} // namespace zq::test
