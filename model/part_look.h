// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a leaded part looks beside its colours: where its bands stand along the body, the body
// colour its kind is made in, and the cues a learner reads off a part in the hand.
#include <optional>
#include <string_view>
#include <vector>

namespace zq::model {

enum class Side { Left, Right };
enum class BodyColour { Beige, Blue, Green, Other };

// What the learner saw besides the colours. The end cue is either the side where the wider
// gap stands (before the tolerance band) or the side whose end band sits nearer its lead
// (the first band); both tell which end to read from.
struct EndCue {
    enum class Kind { WiderGap, NearerEnd } kind = Kind::WiderGap;
    Side side = Side::Right;
    // Which end the reading starts from, on the side the cue names or the other one.
    Side startsFrom() const {
        return kind == Kind::NearerEnd ? side : side == Side::Left ? Side::Right : Side::Left;
    }
};

struct Cues {
    std::optional<EndCue> end;
    std::optional<BodyColour> body;
};

// "left", "right"; "beige", "blue", "green", "other": the names on the terminal and in JSON.
std::string_view sideName(Side s);
std::string_view bodyColourName(BodyColour b);
// Names as typed: the English ones above, or the Chinese ones in model/colour_vocabulary.h.
std::optional<Side> sideOfName(std::string_view name);
std::optional<BodyColour> bodyColourOfName(std::string_view name);

// The body a part of this tolerance (hundredths of a per cent) is mostly made with: beige
// carbon film for ±5 % and wider, blue metal film for the precision ones.
BodyColour bodyColourOf(int tolerance);
// Whether a body colour tells anything about the tolerance, and if so whether it fits: beige
// goes with ±5/10/20 %, blue with ±1, ±0.5 and ±2 %; green and other bodies tell nothing.
std::optional<bool> bodyFits(BodyColour b, int tolerance);

// Where a band stands along the body, in thousandths of its length from the left end.
struct BandPlace {
    int centre = 0;
    int width = 0;
};
inline constexpr int kBodyLength = 1000;

// The places of `bandCount` bands (3..6) in reading order, as a part is made: the first band
// nearer its end than the last band is to the other, a wider gap before the tolerance band,
// the coefficient band of six after it, a three-band part's bands from one end. Turned, the
// part is drawn read from the right. Empty for another band count.
std::vector<BandPlace> bandPlaces(int bandCount, bool turned);
// Evenly spread over the body (1..6 bands), for colours whose reading direction nobody knows:
// no false cue.
std::vector<BandPlace> evenBandPlaces(int bandCount);

} // namespace zq::model
