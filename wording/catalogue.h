// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every text the program shows comes from the catalogue through translate(). The source texts
// are the Chinese ones, so where no catalogue is installed (the terminal's tests, the browser)
// a text is what the code says; the desktop installs its own catalogue at start. lupdate finds
// translate() by its name and ZQ_TRANSLATE_NOOP as an alias of its own marker.
#include "model/numbers.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A text to be looked up later, marked where it is written so that lupdate finds it.
#define ZQ_TRANSLATE_NOOP(context, text) text

namespace zq::wording {

// A text with places %1, %2 … to fill. Each arg() fills the lowest-numbered places left, and
// several pieces at once fill the places in one pass, as the catalogue's translations expect:
// a piece that itself holds "%2" is then left as it is.
class Phrase : public std::string {
  public:
    Phrase() = default;
    explicit Phrase(std::string text) : std::string(std::move(text)) {}

    Phrase arg(std::string_view piece) const;
    template <class N>
    requires(std::is_integral_v<N> && !std::is_same_v<N, char> && !std::is_same_v<N, bool>) Phrase
        arg(N n)
    const { return arg(std::string_view(std::to_string(n))); }
    template <class... Pieces>
    requires(sizeof...(Pieces) >= 2) Phrase arg(const Pieces&... pieces)
    const { return fill({text(pieces)...}); }

  private:
    static std::string text(std::string_view s) { return std::string(s); }
    template <class N>
    requires(std::is_integral_v<N> && !std::is_same_v<N, char> &&
             !std::is_same_v<N, bool>) static std::string text(N n) {
        return std::to_string(n);
    }
    Phrase fill(std::initializer_list<std::string> pieces) const;
};

// The catalogue's text for `source` in `context`; `comment` tells a translator where it shows.
Phrase translate(const char* context, const char* source, const char* comment = nullptr);

// What the desktop installs to look texts up in its catalogue; none means the source texts.
using Translator = std::string (*)(const char* context, const char* source, const char* comment);
void installTranslator(Translator lookUp);

// The user's decimal point, handed in once at start; every number the wording layer writes by
// default uses it. "." until set.
void useDecimalPoint(std::string point);
const model::DecimalFormat& userNumbers();

std::string join(const std::vector<std::string>& pieces, std::string_view between);
std::vector<std::string> splitLines(std::string_view text);

} // namespace zq::wording
