// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser edition's one way into the core: a request as JSON text in, the terminal's answer
// out, so the page shows exactly what `zelquin` prints and never words anything itself.
#include "model/colour_code.h"
#include "model/part_look.h"
#include "wording/answers/answers.h"
#include "wording/json.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zq::wording::Json;

// A request is one flat object: strings, arrays of strings, and bare words (numbers, true).
// A bare word is kept as its text, so "bands":5 and "bands":"5" ask the same.
struct Request {
    std::map<std::string, std::string> words;
    std::map<std::string, std::vector<std::string>> lists;
    std::optional<std::string> word(const std::string& key) const {
        auto it = words.find(key);
        return it == words.end() ? std::nullopt : std::optional(it->second);
    }
};

class Reader {
public:
    explicit Reader(std::string_view s) : s_(s) {}

    std::optional<Request> request() {
        Request r;
        if (!take('{')) return std::nullopt;
        if (take('}')) return end() ? std::optional(r) : std::nullopt;
        do {
            auto key = string();
            if (!key || !take(':')) return std::nullopt;
            if (take('[')) {
                std::vector<std::string>& list = r.lists[*key];
                if (!take(']')) {
                    do {
                        auto item = string();
                        if (!item) return std::nullopt;
                        list.push_back(*item);
                    } while (take(','));
                    if (!take(']')) return std::nullopt;
                }
            } else if (auto text = peek('"') ? string() : bare()) {
                r.words[*key] = *text;
            } else {
                return std::nullopt;
            }
        } while (take(','));
        return take('}') && end() ? std::optional(r) : std::nullopt;
    }

private:
    void space() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }
    bool peek(char c) {
        space();
        return i_ < s_.size() && s_[i_] == c;
    }
    bool take(char c) {
        if (!peek(c)) return false;
        ++i_;
        return true;
    }
    bool end() {
        space();
        return i_ == s_.size();
    }
    std::optional<std::string> bare() {
        space();
        const std::size_t from = i_;
        while (i_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' ||
                                  s_[i_] == '-' || s_[i_] == '+'))
            ++i_;
        if (i_ == from) return std::nullopt;
        const std::string word(s_.substr(from, i_ - from));
        if (word == "null") return std::nullopt;
        return word;
    }
    std::optional<std::uint32_t> hex4() {
        if (s_.size() - i_ < 4) return std::nullopt;
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[i_++];
            v <<= 4;
            if (c >= '0' && c <= '9') v |= std::uint32_t(c - '0');
            else if (c >= 'a' && c <= 'f') v |= std::uint32_t(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') v |= std::uint32_t(c - 'A' + 10);
            else return std::nullopt;
        }
        return v;
    }
    static void putUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3F));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    std::optional<std::string> string() {
        if (!take('"')) return std::nullopt;
        std::string out;
        while (i_ < s_.size()) {
            const char c = s_[i_++];
            if (c == '"') return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ == s_.size()) return std::nullopt;
            switch (const char e = s_[i_++]) {
            case '"': case '\\': case '/': out += e; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                auto cp = hex4();
                if (!cp) return std::nullopt;
                // A lone half of a pair stays for the core to refuse as U+FFFD, like any
                // text that is not UTF-8.
                if (*cp >= 0xD800 && *cp < 0xDC00 && s_.substr(i_, 2) == "\\u") {
                    const std::size_t back = i_;
                    i_ += 2;
                    auto low = hex4();
                    if (low && *low >= 0xDC00 && *low < 0xE000)
                        cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
                    else
                        i_ = back;
                }
                if (*cp >= 0xD800 && *cp < 0xE000) cp = 0xFFFD;
                putUtf8(out, *cp);
                break;
            }
            default: return std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

std::string withoutNewline(std::string s) {
    while (!s.empty() && s.back() == '\n')
        s.pop_back();
    return s;
}

// The core's JSON goes first and untouched, so the page can take its exact bytes as well as
// the parsed object; "text" is the terminal's stdout, or its one stderr line on a refusal.
std::string reply(const zq::answers::Answer& asJson, const zq::answers::Answer& asText) {
    const std::string text = asText.status == 0 ? asText.out : asText.err;
    return "{\"json\":" + withoutNewline(asJson.out) + ",\"status\":" + std::to_string(asJson.status) +
           ",\"text\":" + zq::wording::compactText(Json(withoutNewline(text))) + "}";
}

// Only the page sends requests; one it cannot have meant is a fault there, with no words for
// the learner.
std::string badRequest() {
    return R"({"json":{"code":"bad-request"},"status":2,"text":""})";
}

std::string hex(zq::model::Rgb c) {
    static const char digits[] = "0123456789abcdef";
    std::string s = "#";
    for (std::uint8_t v : {c.r, c.g, c.b}) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

// Where the bands of these colours stand on the body and how they are painted, as the desktop
// windows draw a part: as made (reading order), or spread evenly for colours read as seen.
// Reply: {"bands":[{"centre","colour","ink","metal","width"}],"body","length"}.
std::string look(const Request& r) {
    using namespace zq::model;
    std::vector<int> colours;
    auto listed = r.lists.find("colours");
    if (listed != r.lists.end())
        for (const std::string& name : listed->second) {
            auto c = colourByName(name);
            if (!c) return badRequest();
            colours.push_back(*c);
        }
    // Fewer bands than any made part (a jumper's one) stand evenly, as the value window draws
    // them, on a beige body.
    const bool even = r.word("even") == "true" || colours.size() < std::size_t(kFewestBands);
    const std::vector<BandPlace> places =
        even ? evenBandPlaces(int(colours.size())) : bandPlaces(int(colours.size()), false);
    if (places.size() != colours.size()) return badRequest();

    // The body a part's tolerance is mostly made in; colours read as seen say nothing sure.
    BodyColour body = BodyColour::Beige;
    if (!even) {
        const BandLayout* layout = layoutOf(int(colours.size()));
        const int band = layout ? layout->toleranceBand() : 0;
        int tolerance = layout ? layout->impliedTolerance : 2000;
        if (band) {
            const ColourRecord& t = colourRecord(colours[std::size_t(band - 1)]);
            tolerance = t.tolerance ? t.tolerance : t.iecTolerance;
        }
        body = bodyColourOf(tolerance);
    }
    Json::Array bands;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const ColourRecord& c = colourRecord(colours[i]);
        bands.push_back(Json::Object{{"centre", places[i].centre},
                                     {"colour", c.english},
                                     {"ink", hex(c.ink)},
                                     {"metal", c.metal},
                                     {"width", places[i].width}});
    }
    const Json::Object json{{"bands", bands}, {"body", bodyColourName(body)}, {"length", kBodyLength}};
    return "{\"json\":" + zq::wording::compactText(json) + ",\"status\":0,\"text\":\"\"}";
}

std::string answer(std::string_view requestText) {
    namespace answers = zq::answers;
    const std::optional<Request> request = Reader(requestText).request();
    if (!request) return badRequest();
    const Request& r = *request;
    // The page always writes "." as the point, as the JSON does.
    const std::string point = ".";
    const std::optional<std::string> question = r.word("question");

    if (question == "colours") {
        const auto value = r.word("value");
        if (!value) return badRequest();
        const answers::ColoursQuestion q{*value, r.word("bands"), r.word("tolerance")};
        return reply(answers::coloursAnswer(q, true, point), answers::coloursAnswer(q, false, point));
    }
    if (question == "smd") {
        const auto code = r.word("code");
        if (!code) return badRequest();
        return reply(answers::smdAnswer(*code, true, point), answers::smdAnswer(*code, false, point));
    }
    if (question == "read") {
        auto listed = r.lists.find("colours");
        const std::vector<std::string> colours =
            listed == r.lists.end() ? std::vector<std::string>{} : listed->second;
        const answers::ReadCues cues{r.word("gap"), r.word("body")};
        const auto measured = r.word("measured");
        return reply(answers::readAnswer(colours, measured, true, point, cues),
                     answers::readAnswer(colours, measured, false, point, cues));
    }
    if (question == "look") return look(r);
    return badRequest();
}

} // namespace

extern "C" {

// The reply lives until the next call: the page copies it out at once (UTF8ToString), and one
// buffer kept here spares it a free() per answer.
const char* zq_answer(const char* request) {
    static std::string last;
    try {
        last = answer(request ? request : "");
    } catch (...) {
        // The terminal would end with a message; the page must go on answering.
        last = badRequest();
    }
    return last.c_str();
}

}
