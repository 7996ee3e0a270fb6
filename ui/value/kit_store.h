// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The user's own kit, kept as a kit file in the configuration folder.
#include "model/decimal.h"

#include <QString>
#include <vector>

namespace zq::ui {

struct OwnKit {
    std::vector<model::Decimal> values;
    QString note; // what happened to a file that could not be read; empty when all went well
};

QString ownKitPath();
// The starter kit until the user saves a list. A broken file is renamed out of the way, so
// that the next save cannot overwrite what the user may still want, and the starter kit is
// used with a note.
OwnKit loadOwnKit();
// Written whole or not at all. Empty on success, otherwise why not.
QString saveOwnKit(const std::vector<model::Decimal>& values);

} // namespace zq::ui
