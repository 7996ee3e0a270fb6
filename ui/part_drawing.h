// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one drawing of a leaded part for the secondary windows: its bands where parts are made
// with them, on the body colour of its kind, turned round when it reads from the right. The
// main window keeps its own skin.
#include "model/part_look.h"
#include "platform/controls.h"

#include <QImage>
#include <optional>
#include <span>
#include <vector>

class QPainter;

namespace zq::ui {

struct PartLook {
    struct Band {
        int colour = 0; // palette index
        model::BandPlace place;
    };
    std::vector<Band> bands; // in any order
    model::BodyColour body = model::BodyColour::Beige;
    bool turned = false; // drawn read from the right

    // The colours as drawn, left to right.
    std::vector<int> coloursLeftToRight() const;
};

// A part of these bands in reading order, as made; turned, it is drawn read from the right.
// Without a body colour, the one its tolerance is mostly made in.
PartLook madeLook(const std::vector<int>& readingOrder, bool turned,
                  std::optional<model::BodyColour> body = std::nullopt);
// Bands left to right as seen when nobody knows the end to start from: evenly spread.
PartLook evenLook(const std::vector<int>& asSeen, model::BodyColour body);

// Paints the part, leads to the sides of `area`, the body in the middle.
void paintPart(QPainter& p, const QRectF& area, const PartLook& look);

// Shows the part in a window's body places, which tile it from left to right: the left end,
// the band places, the right end. Each gets its piece of one drawing. The part lies in `area`
// (window pixels), by default as tall as the band places and a little more for the end caps.
void showPart(const PartLook& look, zq::Image& left, std::span<zq::Image* const> middle,
              zq::Image& right, std::optional<QRectF> area = std::nullopt);

} // namespace zq::ui
