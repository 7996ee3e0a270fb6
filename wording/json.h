// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The --json answers' values, written without Qt so the core builds everywhere. The text is
// byte for byte what the command line wrote before through QJsonDocument's compact form.
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace zq::wording {

class Json {
public:
    using Array = std::vector<Json>;

    // Members stay sorted by key and a key set twice keeps its last value, as the answers'
    // objects always did. Keys are compared as bytes: every key is ASCII, where that is the
    // same order as the UTF-16 order they were sorted in before.
    class Object {
    public:
        Object() = default;
        Object(std::initializer_list<std::pair<std::string, Json>> members);
        // The value under key, null if it was not there yet.
        Json& operator[](std::string_view key);
        std::size_t size() const { return members_.size(); }
        auto begin() const { return members_.begin(); }
        auto end() const { return members_.end(); }

    private:
        std::vector<std::pair<std::string, Json>> members_;
    };

    enum class Kind { Null, Bool, Integer, String, Array, Object };

    Json() = default;
    Json(std::nullptr_t) {}
    Json(std::nullopt_t) {}
    // Only a real bool: a pointer or a double must not quietly become true.
    template <std::same_as<bool> B>
    Json(B b) : kind_(Kind::Bool), integer_(b) {}
    // Any integer that fits in 64 signed bits; wider unsigned ones need a deliberate cast.
    template <std::integral I>
        requires(!std::same_as<I, bool> && !std::same_as<I, char> &&
                 (std::is_signed_v<I> || sizeof(I) < sizeof(std::int64_t)))
    Json(I n) : kind_(Kind::Integer), integer_(n) {}
    Json(std::string s) : kind_(Kind::String), text_(std::move(s)) {}
    Json(std::string_view s) : Json(std::string(s)) {}
    Json(const char* s) : Json(std::string(s)) {}
    Json(Array items) : kind_(Kind::Array), items_(std::move(items)) {}
    Json(Object members) : kind_(Kind::Object), members_(std::move(members)) {}
    // Absent is null, as the answers write a fact they do not have.
    template <typename T>
    Json(const std::optional<T>& v) : Json(v ? Json(*v) : Json()) {}

    Kind kind() const { return kind_; }
    bool boolean() const { return kind_ == Kind::Bool && integer_ != 0; }
    std::int64_t integer() const { return kind_ == Kind::Integer ? integer_ : 0; }
    const std::string& text() const { return text_; }
    const Array& items() const { return items_; }
    const Object& members() const { return members_; }

private:
    Kind kind_ = Kind::Null;
    std::int64_t integer_ = 0;
    std::string text_;
    Array items_;
    Object members_;
};

// One line of JSON with no spaces and no newline. Text that is not UTF-8 is not passed on:
// each byte that starts no well-formed sequence becomes U+FFFD.
std::string compactText(const Json& value);

} // namespace zq::wording
