// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every file the program keeps is saved through here: whole, or not at all with the file that
// was there left as it was. QSaveFile alone is not enough: it holds what it is given, and a
// write that then fails (a full disk) is not seen by commit(), which puts a short or empty file
// in place and says it worked.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace zq::ui {

// Nothing when `bytes` are all in `path`, else why not as the system says it (it may say
// nothing: a failure is never told by its text). The folder is made when missing.
// `beforeCommit` runs with every byte written and synced but not yet in place.
std::optional<QString> saveWhole(const QString& path, const QByteArray& bytes,
                                 const std::function<void()>& beforeCommit = {});

} // namespace zq::ui
