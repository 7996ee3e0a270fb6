// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/part_drawing.h"

#include "model/colour_code.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace zq::ui {

namespace {

QColor bodyInk(model::BodyColour b) {
    switch (b) {
    case model::BodyColour::Beige:
        return {226, 199, 150};
    case model::BodyColour::Blue:
        return {92, 148, 214};
    case model::BodyColour::Green:
        return {96, 160, 104};
    case model::BodyColour::Other:
        return {196, 188, 178};
    }
    return {226, 199, 150};
}

QColor bandInk(int colour) {
    const model::Rgb ink = model::colourRecord(colour).ink;
    return {ink.r, ink.g, ink.b};
}

int toleranceOf(const std::vector<int>& bands) {
    const model::BandLayout* layout = model::layoutOf(int(bands.size()));
    const int band = layout ? layout->toleranceBand() : 0;
    if (!band) return 2000; // no tolerance band: ±20 %
    const model::ColourRecord& t = model::colourRecord(bands[std::size_t(band - 1)]);
    return t.tolerance ? t.tolerance : t.iecTolerance;
}

} // namespace

std::vector<int> PartLook::coloursLeftToRight() const {
    std::vector<Band> sorted = bands;
    std::sort(sorted.begin(), sorted.end(),
              [](const Band& a, const Band& b) { return a.place.centre < b.place.centre; });
    std::vector<int> out;
    for (const Band& b : sorted)
        out.push_back(b.colour);
    return out;
}

PartLook madeLook(const std::vector<int>& readingOrder, bool turned,
                  std::optional<model::BodyColour> body) {
    PartLook look;
    look.body = body.value_or(model::bodyColourOf(toleranceOf(readingOrder)));
    look.turned = turned;
    const std::vector<model::BandPlace> places =
        model::bandPlaces(int(readingOrder.size()), turned);
    for (std::size_t i = 0; i < places.size(); ++i)
        look.bands.push_back({readingOrder[i], places[i]});
    return look;
}

PartLook evenLook(const std::vector<int>& asSeen, model::BodyColour body) {
    PartLook look;
    look.body = body;
    const std::vector<model::BandPlace> places = model::evenBandPlaces(int(asSeen.size()));
    for (std::size_t i = 0; i < places.size(); ++i)
        look.bands.push_back({asSeen[i], places[i]});
    return look;
}

void paintPart(QPainter& p, const QRectF& area, const PartLook& look) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = area.height(), midY = area.center().y();
    // The body takes the middle 89 % of the width, the leads the rest; end caps a fifth of it.
    const qreal leadLength = area.width() * 0.055;
    const QRectF body(area.left() + leadLength, midY - h * 0.44, area.width() - 2 * leadLength,
                      h * 0.88);
    const qreal capWidth = body.width() * 0.2, neck = h * 0.32;
    const auto along = [&body](int thousandths) {
        return body.left() + body.width() * thousandths / model::kBodyLength;
    };

    // Leads: tinned wire, lit from above.
    QLinearGradient wire(0, midY - 2, 0, midY + 2);
    wire.setColorAt(0, QColor(236, 236, 236));
    wire.setColorAt(1, QColor(120, 120, 120));
    p.fillRect(QRectF(area.left(), midY - 1.6, area.width(), 3.2), wire);

    // The body: two end caps joined by a narrower middle, the lacquer rounded at every edge.
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    const qreal capRound = h * 0.3;
    shape.addRoundedRect(QRectF(body.left(), body.top(), capWidth, body.height()), capRound,
                         capRound);
    shape.addRoundedRect(QRectF(body.right() - capWidth, body.top(), capWidth, body.height()),
                         capRound, capRound);
    shape.addRoundedRect(
        QRectF(body.left() + capWidth * 0.6, midY - neck, body.width() - capWidth * 1.2, 2 * neck),
        neck * 0.3, neck * 0.3);
    shape = shape.simplified();
    p.fillPath(shape, bodyInk(look.body));

    p.setClipPath(shape);
    for (const PartLook::Band& b : look.bands) {
        const qreal w = body.width() * b.place.width / model::kBodyLength;
        p.fillRect(QRectF(along(b.place.centre) - w / 2, body.top(), w, body.height()),
                   bandInk(b.colour));
    }
    // Light from above: a highlight high on the body, shade low.
    QLinearGradient light(0, body.top(), 0, body.bottom());
    light.setColorAt(0.0, QColor(255, 255, 255, 40));
    light.setColorAt(0.28, QColor(255, 255, 255, 150));
    light.setColorAt(0.45, QColor(255, 255, 255, 0));
    light.setColorAt(0.8, QColor(0, 0, 0, 50));
    light.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(body, light);
    p.setClipping(false);
    p.setPen(QPen(bodyInk(look.body).darker(190), 1.0));
    p.drawPath(shape);
    p.restore();
}

void showPart(const PartLook& look, zq::Image& left, std::span<zq::Image* const> middle,
              zq::Image& right, std::optional<QRectF> within) {
    std::vector<zq::Image*> pieces{&left};
    pieces.insert(pieces.end(), middle.begin(), middle.end());
    pieces.push_back(&right);
    QRect all;
    for (const zq::Image* i : pieces)
        all |= i->pixelRect();
    // The body's height is the band places' height, so that the middle pieces hold all of it.
    const QRect bandRow = middle.empty() ? all : middle.front()->pixelRect();
    const QRectF area = within ? within->translated(-all.topLeft())
                               : QRectF(0, bandRow.top() - all.top() - bandRow.height() * 0.12,
                                        all.width(), bandRow.height() * 1.24);
    QImage drawings[2];
    for (int scale : {1, 2}) {
        QImage& img = drawings[scale - 1];
        img = QImage(all.size() * scale, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.scale(scale, scale);
        paintPart(p, area, look);
    }
    for (zq::Image* i : pieces) {
        const QRect r = i->pixelRect().translated(-all.topLeft());
        i->setPicture(zq::Picture::drawn(drawings[0].copy(r),
                                         drawings[1].copy(QRect(r.topLeft() * 2, r.size() * 2))));
    }
}

} // namespace zq::ui
