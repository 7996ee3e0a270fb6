// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the command line asks for, decided before any window or display exists.
#include "platform/program.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace zq::app {

struct CommandLineAnswer {
    bool openWindow = true; // otherwise the program ends with exitStatus
    int exitStatus = 0;
    QString out;      // for standard output
    QString err;      // for standard error: one line, or nothing
    QString platform; // what -platform chose, which stands in for the display checks
    // A window to open in front of the main one at the start.
    enum class StartWindow { None, Value, Reading, Practice } startWindow = StartWindow::None;
    std::optional<quint64> practiceSeed; // open the practice window, its questions from this seed
};

// `arguments` as QCoreApplication::arguments() gives them, the program's path first. Numbers in
// the answers are written with `decimalPoint`, the user's by default.
CommandLineAnswer readCommandLine(const QStringList& arguments, const VersionRecord& version);
CommandLineAnswer readCommandLine(const QStringList& arguments, const VersionRecord& version,
                                  const QString& decimalPoint);

// The usage text of --help.
QString helpText();

} // namespace zq::app
