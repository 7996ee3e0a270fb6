// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/combinations/kit.h"
#include "model/decimal.h"
#include "model/value_input.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zq::model {

// A line of a kit file that gives no value to combine.
struct KitLine {
    int line = 0;       // counted from 1
    ValueInput reading; // what parseValue made of the line, reason and all
    // Set when the line was read but no combination can use the value.
    std::optional<KitValueFault> fault;
};

// A kit is a short list: a file beyond these is no kit, and is refused rather than read for
// ever. The same limits hold for every kit the program reads.
inline constexpr std::size_t kKitMostBytes = 64 * 1024;
inline constexpr std::size_t kKitMostValues = 1000;
enum class KitLimit { bytes, values };

// A line read with a note, such as "5m" read as 5 MΩ.
struct KitNote {
    int line = 0;
    ValueInput reading;
};

struct KitFile {
    std::vector<Decimal> values; // in the order of the file, repeats kept
    std::vector<KitLine> refused;
    std::vector<KitNote> notes;
    // Set when the text passes a limit; nothing past it is read.
    std::optional<KitLimit> over;
};

// One value a line, in any form parseValue reads ("4.7k", "4k7", "470R", "4.7千欧"), with "."
// as the decimal point whatever the locale, so that files travel. Blank lines are skipped and
// "#" (or a full-width "＃") starts a comment to the end of the line. A byte order mark and
// Windows line ends are accepted.
KitFile readKit(std::string_view text);

// Why a kit file gives no text to read.
enum class KitFileTrouble { none, missing, folder, notRegular, notReadable, failed, tooLarge };
struct KitFileRead {
    KitFileTrouble trouble = KitFileTrouble::none;
    KitFile kit; // read when trouble is none
};
// Reads only a regular file of at most kKitMostBytes (a device or a pipe could give bytes for
// ever, or none), without waiting on it, then the text as readKit does.
KitFileRead readKitFile(const std::string& path);

// The file readKit reads back as the same values: one value a line, as people write it
// ("4.7k", "1M", "0.47").
std::string kitText(std::span<const Decimal> values);

} // namespace zq::model
