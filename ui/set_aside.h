// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One name for every file the program keeps and cannot read: renamed beside itself to
// <name>.bad-<n>, the first number free, so that the next save cannot overwrite what the user
// may still want and an older one set aside stays too.
#include <QString>

namespace zq::ui {

// The name (without its folder) the file or folder at `path` now has; empty when it could not
// be renamed.
QString setAside(const QString& path);

} // namespace zq::ui
