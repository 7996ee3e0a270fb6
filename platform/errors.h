// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <stdexcept>

namespace zq {

// A failure of a runtime service; callers that the design lets pass over a failure catch it.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(const QString& what) : std::runtime_error(what.toStdString()) {}
};

} // namespace zq
