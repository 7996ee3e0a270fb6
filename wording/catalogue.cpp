// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wording/catalogue.h"

#include <algorithm>
#include <climits>

namespace zq::wording {

namespace {

Translator installed = nullptr;
model::DecimalFormat numbers;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A place is "%" with an optional "L" and one or two digits; `end` is set past it.
int placeAt(std::string_view s, std::size_t i, std::size_t& end) {
    std::size_t j = i + 1;
    if (j < s.size() && s[j] == 'L') ++j;
    if (j >= s.size() || !isDigit(s[j])) return -1;
    int number = s[j++] - '0';
    if (j < s.size() && isDigit(s[j])) number = number * 10 + (s[j++] - '0');
    end = j;
    return number;
}

} // namespace

Phrase Phrase::arg(std::string_view piece) const {
    const std::string_view s(*this);
    int lowest = INT_MAX;
    for (std::size_t i = 0, end = 0; i < s.size(); ++i)
        if (s[i] == '%') {
            const int n = placeAt(s, i, end);
            if (n >= 0) lowest = std::min(lowest, n);
        }
    if (lowest == INT_MAX) return *this;
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t end = 0;
        if (s[i] == '%' && placeAt(s, i, end) == lowest) {
            out += piece;
            i = end;
        } else {
            out += s[i++];
        }
    }
    return Phrase(std::move(out));
}

Phrase Phrase::fill(std::initializer_list<std::string> pieces) const {
    const std::string_view s(*this);
    std::vector<int> numbers;
    for (std::size_t i = 0, end = 0; i < s.size(); ++i)
        if (s[i] == '%') {
            const int n = placeAt(s, i, end);
            if (n >= 0) numbers.push_back(n);
        }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t end = 0;
        const int n = s[i] == '%' ? placeAt(s, i, end) : -1;
        const auto rank =
            std::size_t(std::lower_bound(numbers.begin(), numbers.end(), n) - numbers.begin());
        if (n >= 0 && rank < pieces.size()) {
            out += pieces.begin()[rank];
            i = end;
        } else {
            out += s[i++];
        }
    }
    return Phrase(std::move(out));
}

Phrase translate(const char* context, const char* source, const char* comment) {
    return Phrase(installed ? installed(context, source, comment) : std::string(source));
}

void installTranslator(Translator lookUp) {
    installed = lookUp;
}

void useDecimalPoint(std::string point) {
    numbers.point = std::move(point);
}

const model::DecimalFormat& userNumbers() {
    return numbers;
}

std::string join(const std::vector<std::string>& pieces, std::string_view between) {
    std::string out;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i) out += between;
        out += pieces[i];
    }
    return out;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        out.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return out;
        start = end + 1;
    }
}

} // namespace zq::wording
