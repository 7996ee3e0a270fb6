// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The form in which the build embeds a picture so that the runtime can paint it in place: a
// 16-byte header, then the rows top to bottom, each pixel one native 32-bit word 0xAARRGGBB
// with the colour premultiplied by alpha, rows unpadded. Words in the machine's own byte
// order, so the magic number also tells a build for another byte order.
#include <cstdint>
#include <string>
#include <string_view>

namespace zq {

struct RawPictureHeader {
    std::uint32_t magic;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t flags;
};
static_assert(sizeof(RawPictureHeader) == 16);

inline constexpr std::uint32_t kRawPictureMagic = 0x5a515058;
// Every pixel has full alpha: the same words then read as opaque RGB, which paints faster.
inline constexpr std::uint32_t kRawPictureOpaque = 1;

// Whether `size` bytes that start with `h` are one whole picture in this form. The sides are
// bounded so that no damaged header can make the size overflow.
inline bool rawPictureFits(const RawPictureHeader& h, std::uint64_t size) {
    constexpr std::uint32_t kMaxSide = 1u << 15;
    return h.magic == kRawPictureMagic && h.width > 0 && h.height > 0 && h.width <= kMaxSide &&
           h.height <= kMaxSide && size == sizeof h + std::uint64_t(h.width) * h.height * 4;
}

// Where the embedded twin of a picture lives: ":/res/101.png" -> ":/res/101.argb32".
inline std::string rawPicturePath(std::string_view picturePath) {
    std::string out(picturePath);
    const auto dot = out.rfind('.');
    const auto slash = out.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) out.resize(dot);
    return out + ".argb32";
}

} // namespace zq
