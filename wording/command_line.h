// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line's own sentences: its refusals, --help and --version. Options are named as
// typed ("--colours").
#include "wording/catalogue.h"
#include <string>

namespace zq::wording {

// "zelquin：<what>。用 zelquin --help 查看可用的选项。"
std::string commandLineRefusal(const std::string& program, const std::string& what);
std::string unknownOption(const std::string& typed);
std::string optionTakesNoValue(const std::string& option);
std::string optionWithoutValue(const std::string& option);
std::string optionGivenTwice(const std::string& option);
// "选项“--bands”要和 --colours 一起用", the last of several joined by "或".
std::string optionNeedsOneOf(const std::string& option, const std::vector<std::string>& needed);
std::string severalQuestions(const std::vector<std::string>& asked);
std::string extraArgument(const std::string& word);
std::string severalWindows(const std::string& first, const std::string& second);
std::string seedNotANumber(const std::string& option);

// The whole of --help around the table of options, one option a line.
std::string commandLineHelp(const std::string& program, const std::string& optionTable);
// What --help says of an option, named as typed without its dashes.
std::string optionDescription(const std::string& option);
// What an option's value is, as --help names it: "阻值", "颜色"; empty for the others.
std::string optionValueName(const std::string& option);
// The answer could not be written to standard output, for `why`.
std::string answerNotWritten(const std::string& why);
// A window was asked for where there is no display.
std::string noDisplay();

std::string versionText(const std::string& name, const std::string& version,
                        const std::string& company);

} // namespace zq::wording
