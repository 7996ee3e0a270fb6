// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The running texts: the help window's, the About window's and the first-start note's, laid
// out as their windows show them.
#include "wording/catalogue.h"
#include <string>

namespace zq::wording {

// Who made the program and how to reach them, as the help and About texts give it.
struct Contact {
    std::string homePage, author, messengerNumbers, messengerAccount, mail, mail2, maker;
};

std::string helpText(const Contact& c);
// After it, in the same box: the windows beyond the main one, what they answer, their keys.
std::string otherWindowsText();
std::string aboutText(const Contact& c);
// Where the windows beyond the main one are, said once on the first start.
std::string firstStartNote();

} // namespace zq::wording
