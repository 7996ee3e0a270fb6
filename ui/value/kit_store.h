// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The user's own kit, kept as a kit file in the configuration folder.
#include "model/decimal.h"

#include <QString>
#include <functional>
#include <vector>

namespace zq::ui {

struct OwnKit {
    std::vector<model::Decimal> values;
    QString note; // what happened to a file that could not be read; empty when all went well
};

QString ownKitPath();
// The starter kit until the user saves a list. A broken file is set aside (set_aside.h) and
// the starter kit is used with a note, which says whether the setting aside worked.
OwnKit loadOwnKit(const std::function<QString(const QString&)>& setAside = {});
// Written whole or not at all. Empty on success, otherwise why not.
QString saveOwnKit(const std::vector<model::Decimal>& values);

// The kit last chosen in the panel, by its place in the chooser, kept beside the kit; `fallback`
// when none was kept, and with a note when what was kept cannot be read (and is set aside).
struct KeptKitChoice {
    int choice;
    QString note;
};
KeptKitChoice loadKitChoice(int fallback, const QString& fallbackName);
// Written whole or not at all; false when it could not be kept, and the one kept before stays.
bool saveKitChoice(int choice);

} // namespace zq::ui
