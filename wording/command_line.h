// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line's own sentences: its refusals, --help and --version. Options are named as
// typed ("--colours").
#include <QString>
#include <QStringList>

namespace zq::wording {

// "zelquin：<what>。用 zelquin --help 查看可用的选项。"
QString commandLineRefusal(const QString& program, const QString& what);
QString unknownOption(const QString& typed);
QString optionTakesNoValue(const QString& option);
QString optionWithoutValue(const QString& option);
QString optionGivenTwice(const QString& option);
// "选项“--bands”要和 --colours 一起用", the last of several joined by "或".
QString optionNeedsOneOf(const QString& option, const QStringList& needed);
QString severalQuestions(const QStringList& asked);
QString extraArgument(const QString& word);
QString severalWindows(const QString& first, const QString& second);
QString seedNotANumber(const QString& option);

// The whole of --help around the table of options, one option a line.
QString commandLineHelp(const QString& program, const QString& optionTable);
// What --help says of an option, named as typed without its dashes.
QString optionDescription(const QString& option);
// The answer could not be written to standard output, for `why`.
QString answerNotWritten(const QString& why);
// A window was asked for where there is no display.
QString noDisplay();

QString versionText(const QString& name, const QString& version, const QString& company);

} // namespace zq::wording
