// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/pictures/pictures.h"

#include "assets/pictures/catalogue_table.h"

namespace zq::pictures {

std::span<const PictureInfo> catalogue() {
    return detail::kTable;
}

const PictureInfo* find(std::string_view path) {
    for (const PictureInfo& p : detail::kTable)
        if (p.path == path) return &p;
    return nullptr;
}

} // namespace zq::pictures
