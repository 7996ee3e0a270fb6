// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/part_look.h"

#include "model/colour_vocabulary.h"

#include <array>

namespace zq::model {

namespace {

constexpr int kBandWidth = 52;
// The first band's centre from its end; the last band of a part stands farther from the other.
constexpr int kFirstCentre = 125;
constexpr int kLastCentre = 790;
constexpr int kThreeBandStep = 120;

template <std::size_t N>
std::optional<int> lookUp(const std::array<TypedCue, N>& names, std::string_view typed) {
    for (const TypedCue& n : names)
        if (n.word == typed) return n.value;
    return std::nullopt;
}

} // namespace

std::string_view sideName(Side s) {
    return s == Side::Left ? "left" : "right";
}

std::string_view bodyColourName(BodyColour b) {
    switch (b) {
    case BodyColour::Beige:
        return "beige";
    case BodyColour::Blue:
        return "blue";
    case BodyColour::Green:
        return "green";
    case BodyColour::Other:
        return "other";
    }
    return {};
}

std::optional<Side> sideOfName(std::string_view name) {
    const auto v = lookUp(kTypedSides, name);
    if (!v) return std::nullopt;
    return *v == 0 ? Side::Left : Side::Right;
}

std::optional<BodyColour> bodyColourOfName(std::string_view name) {
    const auto v = lookUp(kTypedBodies, name);
    if (!v) return std::nullopt;
    return BodyColour(*v);
}

BodyColour bodyColourOf(int tolerance) {
    return tolerance >= 500 || tolerance == 0 ? BodyColour::Beige : BodyColour::Blue;
}

std::optional<bool> bodyFits(BodyColour b, int tolerance) {
    switch (b) {
    case BodyColour::Beige:
        return tolerance == 500 || tolerance == 1000 || tolerance == 2000;
    case BodyColour::Blue:
        return tolerance == 100 || tolerance == 50 || tolerance == 200;
    case BodyColour::Green:
    case BodyColour::Other:
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<BandPlace> bandPlaces(int n, bool turned) {
    if (n < 3 || n > 6) return {};
    // Steps between neighbours in units of a fifth of the ordinary step: the gap before the
    // tolerance band is nine, an ordinary step five. Three bands have no tolerance band and
    // keep the ordinary step from their end.
    std::vector<int> fifths;
    for (int i = 1; i < n; ++i) {
        const bool beforeTolerance = n >= 4 && i == (n == 6 ? 4 : n - 1);
        fifths.push_back(beforeTolerance ? 9 : 5);
    }
    int total = 0;
    for (const int f : fifths)
        total += f;
    std::vector<BandPlace> out{{kFirstCentre, kBandWidth}};
    int at = 0;
    for (const int f : fifths) {
        at += f;
        const int centre = n == 3 ? kFirstCentre + at * kThreeBandStep / 5
                                  : kFirstCentre + at * (kLastCentre - kFirstCentre) / total;
        out.push_back({centre, kBandWidth});
    }
    if (turned)
        for (BandPlace& p : out)
            p.centre = kBodyLength - p.centre;
    return out;
}

std::vector<BandPlace> evenBandPlaces(int n) {
    if (n < 1 || n > 6) return {};
    if (n == 1) return {{kBodyLength / 2, kBandWidth}};
    std::vector<BandPlace> out;
    const int first = kFirstCentre, last = kBodyLength - kFirstCentre;
    for (int i = 0; i < n; ++i)
        out.push_back({first + (last - first) * i / (n - 1), kBandWidth});
    return out;
}

} // namespace zq::model
