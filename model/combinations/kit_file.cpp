// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/combinations/kit_file.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zq::model {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Spaces an editor may leave around a value: ASCII white space, and the no-break and
// ideographic spaces an input method types.
std::size_t spaceAt(std::string_view s, std::size_t at) {
    static constexpr std::array<std::string_view, 8> kSpaces{
        " ", "\t", "\r", "\v", "\f", "\xC2\xA0", "\xE3\x80\x80", "\xEF\xBB\xBF"};
    for (const std::string_view w : kSpaces)
        if (s.substr(at, w.size()) == w) return w.size();
    return 0;
}

std::string_view trimmed(std::string_view s) {
    std::size_t from = 0;
    while (from < s.size())
        if (const std::size_t n = spaceAt(s, from)) from += n;
        else break;
    s.remove_prefix(from);
    // Backwards: the last space is found by trying each ending.
    for (bool cut = true; cut && !s.empty();) {
        cut = false;
        for (std::size_t n = 1; n <= std::min<std::size_t>(3, s.size()); ++n) {
            if (spaceAt(s, s.size() - n) == n) {
                s.remove_suffix(n);
                cut = true;
                break;
            }
        }
    }
    return s;
}

std::string_view withoutComment(std::string_view line) {
    const std::size_t hash = std::min(line.find('#'), line.find("\xEF\xBC\x83")); // ＃
    return hash == std::string_view::npos ? line : line.substr(0, hash);
}

} // namespace

KitFile readKit(std::string_view text) {
    KitFile out;
    if (text.size() > kKitMostBytes) {
        out.over = KitLimit::bytes;
        return out;
    }
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        const std::string_view value = trimmed(withoutComment(line));
        if (value.empty()) continue;
        ValueInput reading = parseValue(value);
        if (!reading.ok) {
            out.refused.push_back({number, std::move(reading), std::nullopt});
        } else if (const auto fault = kitValueFault(reading.ohms)) {
            out.refused.push_back({number, std::move(reading), fault});
        } else if (out.values.size() == kKitMostValues) {
            out.over = KitLimit::values;
            return out;
        } else {
            if (reading.note != InputNote::None) out.notes.push_back({number, reading});
            out.values.push_back(reading.ohms);
        }
    }
    return out;
}

KitFileRead readKitFile(const std::string& path) {
    KitFileRead out;
    const auto troubled = [&](KitFileTrouble t) {
        out.trouble = t;
        return out;
    };
    // Non-blocking: a pipe with no writer would otherwise hold the open for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return troubled(errno == ENOENT || errno == ENOTDIR ? KitFileTrouble::missing
                        : errno == EISDIR                   ? KitFileTrouble::folder
                                                            : KitFileTrouble::notReadable);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) return troubled(KitFileTrouble::failed);
    if (S_ISDIR(st.st_mode)) return troubled(KitFileTrouble::folder);
    if (!S_ISREG(st.st_mode)) return troubled(KitFileTrouble::notRegular);
    if (std::uint64_t(st.st_size) > kKitMostBytes) return troubled(KitFileTrouble::tooLarge);
    // One byte past the limit tells a file that grew while read.
    std::string text(kKitMostBytes + 1, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return troubled(KitFileTrouble::failed);
        if (n == 0) break;
        got += std::size_t(n);
    }
    if (got > kKitMostBytes) return troubled(KitFileTrouble::tooLarge);
    text.resize(got);
    out.kit = readKit(text);
    return out;
}

std::string kitText(std::span<const Decimal> values) {
    std::string out;
    // As people write them: the editor shows this text.
    for (const Decimal& v : values)
        out += typedForm(v) + "\n";
    return out;
}

} // namespace zq::model
