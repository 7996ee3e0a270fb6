// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pictures the build paints: every skin piece of the three windows and every numbered
// bitmap, embedded as resources. Each ":/…/name.png" also exists as "…/name@2x.png", drawn
// at twice the size for screens with a device pixel ratio of 1.5 and more.
#include <span>
#include <string>
#include <string_view>

namespace zq::pictures {

struct PictureInfo {
    std::string_view path; // resource path, ":/res/101.png", ":/design/form1/Image15.png"
    int width;             // pixels at 1x
    int height;
    bool transparent; // has an alpha channel; the numbered bitmaps and the plain skin pieces do not
};

// Every 1x picture, numbered bitmaps first, then the designs of the three windows.
std::span<const PictureInfo> catalogue();

// The entry with this resource path, or nullptr.
const PictureInfo* find(std::string_view path);

// The resource path of the @2x twin of a 1x path: ":/res/101.png" -> ":/res/101@2x.png".
inline std::string twiceSizePath(std::string_view path) {
    std::string out(path);
    const auto dot = out.rfind('.');
    out.insert(dot == std::string::npos ? out.size() : dot, "@2x");
    return out;
}

} // namespace zq::pictures
