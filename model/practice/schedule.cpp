// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/practice/schedule.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <vector>

namespace zq::model::practice {

namespace {

constexpr std::array<int, kBoxes> kBoxWeight{16, 8, 4, 2, 1};
// Twice the weight once due: a kind that has waited its turn comes before one that has not.
constexpr int kDueFactor = 2;
// The kind that drills a mistake alone takes most of that mistake's weight.
constexpr int kDrillAffinity = 3;
constexpr int kTries = 30;
constexpr int kMaxCount = 1'000'000'000;

constexpr MistakeSet bit(MistakeKind k) {
    return MistakeSet(1) << int(k);
}

int trackWeight(const Track& t, int turn) {
    return kBoxWeight[std::size_t(std::clamp(t.box, 0, kBoxes - 1))] *
           (turn >= t.due ? kDueFactor : 1);
}

int mistakeWeight(const LearnerState& s, MistakeKind m) {
    const Track& t = s.of(m);
    return t.wrong == 0 ? 0 : trackWeight(t, s.turn);
}

int affinity(QuestionKind k, MistakeKind m) {
    if (!contains(mistakesOf(k), m)) return 0;
    return drillOf(m) == k ? kDrillAffinity : 1;
}

void update(Track& t, Result r, int now) {
    switch (r) {
    case Result::Right:
        ++t.right;
        if (++t.streak >= 2) t.box = std::min(t.box + 1, kBoxes - 1);
        break;
    case Result::Helped:
        ++t.helped;
        t.streak = 0;
        t.box = std::min(t.box, 1);
        break;
    case Result::Wrong:
    case Result::Skipped:
        ++t.wrong;
        t.streak = 0;
        t.box = 0;
        break;
    }
    t.due = now + (1 << t.box);
    t.recent += r == Result::Right ? 'r' : r == Result::Helped ? 'h' : 'w';
    if (t.recent.size() > std::size_t(kRecent)) t.recent.erase(0, t.recent.size() - kRecent);
}

constexpr std::array<std::string_view, 6> kRoundFields{"number", "asked", "right",
                                                       "helped", "wrong", "skipped"};

constexpr std::array<std::string_view, 7> kFields{"box",    "due",   "streak", "right",
                                                  "helped", "wrong", "recent"};

void writeTrack(std::string& out, std::string_view prefix, const Track& t) {
    const int numbers[] = {t.box, t.due, t.streak, t.right, t.helped, t.wrong};
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        out += std::string(prefix) + "." + std::string(kFields[i]) + "=" +
               std::to_string(numbers[i]) + "\n";
    out += std::string(prefix) + ".recent=" + t.recent + "\n";
}

std::optional<int> number(std::string_view v, int highest) {
    int n = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (error != std::errc() || end != v.data() + v.size() || n < 0 || n > highest)
        return std::nullopt;
    return n;
}

bool readField(Track& t, std::string_view field, std::string_view v) {
    if (field == "recent") {
        if (v.size() > std::size_t(kRecent) || v.find_first_not_of("rhw") != std::string_view::npos)
            return false;
        t.recent = std::string(v);
        return true;
    }
    int* const slots[] = {&t.box, &t.due, &t.streak, &t.right, &t.helped, &t.wrong};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        if (field == kFields[i]) {
            const auto n = number(v, i == 0 ? kBoxes - 1 : kMaxCount);
            if (!n) return false;
            *slots[i] = *n;
            return true;
        }
    return false;
}

// A field of the round's tally: its counts are at most a round long.
bool readRound(RoundTally& r, std::string_view key, std::string_view v) {
    int* const slots[] = {&r.number, &r.asked, &r.right, &r.helped, &r.wrong, &r.skipped};
    for (std::size_t i = 0; i < std::size(slots); ++i)
        if (key == kRoundFields[i]) {
            const auto n = number(v, i == 0 ? kMaxCount : kRoundLength);
            if (!n || (i == 0 && *n == 0)) return false;
            *slots[i] = *n;
            return true;
        }
    const std::size_t dot = key.find('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view group = key.substr(0, dot), name = key.substr(dot + 1);
    int* slot = nullptr;
    if (group == "missed") {
        if (const auto k = questionKindOfCode(name)) slot = &r.missed[std::size_t(*k)];
    } else if (group == "made") {
        const auto m = mistakeKindOfCode(name);
        if (m && *m != MistakeKind::Other) slot = &r.made[std::size_t(*m)];
    }
    const auto n = number(v, kRoundLength);
    if (!slot || !n) return false;
    *slot = *n;
    return true;
}

} // namespace

int Track::rightLately() const {
    return int(std::count(recent.begin(), recent.end(), 'r'));
}

int Track::helpedLately() const {
    return int(std::count(recent.begin(), recent.end(), 'h'));
}

int Track::wrongLately() const {
    return int(std::count(recent.begin(), recent.end(), 'w'));
}

bool Track::fading() const {
    if (recent.empty() || recent.back() == 'w') return false;
    const auto half = recent.begin() + std::ptrdiff_t(recent.size() / 2);
    return std::count(half, recent.end(), 'w') < std::count(recent.begin(), half, 'w');
}

QuestionKind drillOf(MistakeKind m) {
    switch (m) {
    case MistakeKind::WrongEnd:
    case MistakeKind::AgainstGap:
        return QuestionKind::ReadDirection;
    case MistakeKind::UnitSlip:
        return QuestionKind::ChipCode;
    case MistakeKind::ToleranceMisread:
        return QuestionKind::ToleranceLimit;
    default:
        return QuestionKind::ReadValue;
    }
}

Review reviewOf(const LearnerState& s) {
    Review r;
    // Strong: four in five right without a hint, over at least three answers; weak: under half.
    for (const QuestionKind k : kAllQuestionKinds) {
        const Track& t = s.of(k);
        const int n = int(t.recent.size());
        if (n >= 3 && 5 * t.rightLately() >= 4 * n) r.strong.push_back(k);
        if (n > 0 && 2 * t.rightLately() < n) r.weak.push_back(k);
    }
    const auto share = [&s](QuestionKind k) {
        return double(s.of(k).rightLately()) / double(s.of(k).recent.size());
    };
    std::stable_sort(r.weak.begin(), r.weak.end(),
                     [&](QuestionKind a, QuestionKind b) { return share(a) < share(b); });
    for (const MistakeKind m : kAllMistakeKinds)
        if (s.of(m).wrongLately() > 0 && !s.of(m).fading()) r.toPractise.push_back(m);
    std::stable_sort(r.toPractise.begin(), r.toPractise.end(), [&s](MistakeKind a, MistakeKind b) {
        return s.of(a).wrongLately() > s.of(b).wrongLately();
    });
    return r;
}

MistakeSet mistakesOf(QuestionKind kind) {
    using M = MistakeKind;
    const MistakeSet typedValue = bit(M::BandCount) | bit(M::MultiplierOff) | bit(M::UnitSlip);
    switch (kind) {
    case QuestionKind::ReadValue:
        return typedValue | bit(M::WrongEnd) | bit(M::ConfusedColour);
    case QuestionKind::PickBands:
    case QuestionKind::ToleranceLimit:
        return typedValue | bit(M::WrongEnd) | bit(M::ConfusedColour) | bit(M::ToleranceMisread);
    case QuestionKind::ReadDirection:
        return bit(M::WrongEnd) | bit(M::AgainstGap);
    case QuestionKind::ChipCode:
        return typedValue;
    }
    return 0;
}

void record(LearnerState& s, const Attempt& a) {
    const int now = ++s.turn;
    update(s.questions[std::size_t(a.kind)], a.result, now);
    RoundTally& round = s.round;
    if (round.over()) round = {.number = round.number + 1};
    ++round.asked;
    switch (a.result) {
    case Result::Right:
        ++round.right;
        break;
    case Result::Helped:
        ++round.helped;
        break;
    case Result::Wrong:
        ++round.wrong;
        break;
    case Result::Skipped:
        ++round.skipped;
        break;
    }
    if (a.result == Result::Wrong || a.result == Result::Skipped)
        ++round.missed[std::size_t(a.kind)];
    if (a.result == Result::Wrong && a.mistake != MistakeKind::Other)
        ++round.made[std::size_t(a.mistake)];
    for (const MistakeKind m : kAllMistakeKinds) {
        const bool made = a.result == Result::Wrong && a.mistake == m;
        if (made)
            update(s.mistakes[std::size_t(m)], Result::Wrong, now);
        else if ((a.result == Result::Right || a.result == Result::Helped) &&
                 contains(a.exercised, m))
            update(s.mistakes[std::size_t(m)], a.result, now);
    }
}

void record(LearnerState& s, const Question& q, const Judgement& j, bool helped) {
    if (j.verdict == Verdict::Unreadable) return;
    Attempt a;
    a.kind = q.kind;
    a.exercised = possibleMistakes(q);
    a.result = j.verdict == Verdict::Wrong     ? Result::Wrong
               : j.verdict == Verdict::Skipped ? Result::Skipped
               : helped                        ? Result::Helped
                                               : Result::Right;
    a.mistake = j.mistake.kind;
    record(s, a);
}

std::optional<Pick> practiseNext(const LearnerState& s) {
    const RoundTally& round = s.round;
    const auto most = [](const auto& counts) {
        return std::size_t(std::max_element(counts.begin(), counts.end()) - counts.begin());
    };
    if (const std::size_t m = most(round.made); round.made[m] > 0)
        return Pick{drillOf(MistakeKind(m)), MistakeKind(m)};
    if (const std::size_t k = most(round.missed); round.missed[k] > 0)
        return Pick{QuestionKind(k), std::nullopt};
    const Review r = reviewOf(s);
    if (!r.toPractise.empty()) return Pick{drillOf(r.toPractise.front()), r.toPractise.front()};
    if (!r.weak.empty()) return Pick{r.weak.front(), std::nullopt};
    return std::nullopt;
}

int weightOf(const LearnerState& s, QuestionKind kind) {
    int w = trackWeight(s.of(kind), s.turn);
    for (const MistakeKind m : kAllMistakeKinds)
        w += affinity(kind, m) * mistakeWeight(s, m);
    return w;
}

Pick pickNext(const LearnerState& s, Random& random) {
    std::array<int, kQuestionKinds> weights{};
    for (const QuestionKind k : kAllQuestionKinds)
        weights[std::size_t(k)] = weightOf(s, k);
    Pick p;
    p.kind = QuestionKind(random.weighted(weights));
    std::array<int, kMistakeKinds> focus{};
    bool any = false;
    for (const MistakeKind m : kAllMistakeKinds) {
        focus[std::size_t(m)] = affinity(p.kind, m) ? mistakeWeight(s, m) : 0;
        any = any || focus[std::size_t(m)] > 0;
    }
    if (any) p.focus = MistakeKind(random.weighted(focus));
    return p;
}

Question questionFor(const Pick& pick, Random& random) {
    Question q = drawQuestion(pick.kind, random);
    for (int i = 1; i < kTries && pick.focus && !contains(possibleMistakes(q), *pick.focus); ++i)
        q = drawQuestion(pick.kind, random);
    return q;
}

std::string toText(const LearnerState& s) {
    std::string out = "format=" + std::to_string(kStateFormat) + "\n";
    out += "turn=" + std::to_string(s.turn) + "\n";
    for (const QuestionKind k : kAllQuestionKinds)
        writeTrack(out, "question." + std::string(questionKindCode(k)), s.of(k));
    for (const MistakeKind m : kAllMistakeKinds)
        writeTrack(out, "mistake." + std::string(mistakeKindCode(m)), s.of(m));
    const RoundTally& r = s.round;
    const int numbers[] = {r.number, r.asked, r.right, r.helped, r.wrong, r.skipped};
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        out += "round." + std::string(kRoundFields[i]) + "=" + std::to_string(numbers[i]) + "\n";
    for (const QuestionKind k : kAllQuestionKinds)
        out += "round.missed." + std::string(questionKindCode(k)) + "=" +
               std::to_string(r.missed[std::size_t(k)]) + "\n";
    for (const MistakeKind m : kAllMistakeKinds)
        out += "round.made." + std::string(mistakeKindCode(m)) + "=" +
               std::to_string(r.made[std::size_t(m)]) + "\n";
    return out;
}

std::optional<LearnerState> fromText(std::string_view text) {
    LearnerState s;
    std::map<std::string, bool, std::less<>> seen;
    bool haveFormat = false, rounds = false;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
        if (!seen.emplace(std::string(key), true).second) return std::nullopt;
        if (key == "format") {
            if (number(value, kMaxCount) != kStateFormat) return std::nullopt;
            haveFormat = true;
            continue;
        }
        if (key.substr(0, 6) == "round.") {
            if (!readRound(s.round, key.substr(6), value)) return std::nullopt;
            rounds = true;
            continue;
        }
        if (key == "turn") {
            const auto n = number(value, kMaxCount);
            if (!n) return std::nullopt;
            s.turn = *n;
            continue;
        }
        const std::size_t dot1 = key.find('.'), dot2 = key.rfind('.');
        if (dot1 == std::string_view::npos || dot1 == dot2) return std::nullopt;
        const std::string_view group = key.substr(0, dot1),
                               name = key.substr(dot1 + 1, dot2 - dot1 - 1),
                               field = key.substr(dot2 + 1);
        Track* track = nullptr;
        if (group == "question") {
            if (const auto k = questionKindOfCode(name)) track = &s.questions[std::size_t(*k)];
        } else if (group == "mistake") {
            const auto m = mistakeKindOfCode(name);
            if (m && *m != MistakeKind::Other) track = &s.mistakes[std::size_t(*m)];
        }
        if (!track || !readField(*track, field, value)) return std::nullopt;
    }
    if (!haveFormat) return std::nullopt;
    // Progress kept before rounds were: its rounds went by the answers, ten a round.
    if (!rounds) s.round.number = s.turn / kRoundLength + 1;
    return s;
}

} // namespace zq::model::practice
