// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// `zelquin --colours VALUE [--bands 4|5] [--tolerance COLOUR]`: the colours of a value on
// standard output, with no window and no display.
#include <ostream>
#include <string>
#include <vector>

namespace zq::ui {

// Whether the arguments (program name first) ask for the colours of a value.
bool wantsColours(int argc, const char* const* argv);

// Runs the command on the arguments after the program name. Returns the exit status: 0 with
// the answer on `out`, 2 with a one-line reason on `err`.
int runColoursCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const std::string& decimalPoint = ".");

} // namespace zq::ui
