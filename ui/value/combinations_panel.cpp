// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/combinations_panel.h"
#include "ui/words.h"

#include "assets/designs/designs.h"
#include "model/colour_finder.h"
#include "model/combinations/kit.h"
#include "model/combinations/kit_file.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "ui/part_drawing.h"
#include "ui/value/kit_store.h"
#include "ui/value/own_kit_editor.h"
#include "wording/combinations.h"
#include "wording/kit_panel.h"
#include "wording/value.h"

#include <QCoreApplication>
#include <QPainter>

namespace zq::ui {

namespace {

const QColor kLink(0, 0, 192);
const QColor kChosen(224, 0, 0);

// The bands of one part, as the value window gives them: four where they carry it exactly.
std::optional<model::ColourAnswer> partBands(const model::Decimal& value) {
    for (const int bands : {4, 5}) {
        const model::Finding f = model::findColours(value, bands, model::defaultTolerance(bands));
        // Past four bands' two digits, the five-band part; never a four-band one in its place.
        if (f.answer && (f.answer->exact || f.answer->bands == 5)) return f.answer;
    }
    return std::nullopt;
}

QString partColours(const model::Decimal& value) {
    const auto bands = partBands(value);
    return bands ? q(wording::colourNames(*bands)) : QString();
}

zq::Picture partPicture(const model::ColourAnswer& bands, QSize size) {
    const PartLook look = madeLook(model::bandColours(bands), false);
    QImage drawn[2];
    for (const int scale : {1, 2}) {
        QImage& img = drawn[scale - 1];
        img = QImage(size * scale, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.scale(scale, scale);
        paintPart(p, QRectF(QPointF(0, 0), QSizeF(size)), look);
    }
    return zq::Picture::drawn(drawn[0], drawn[1]);
}

QString kitName(int kit) {
    switch (kit) {
    case CombinationsPanel::E6:
        return q(wording::seriesKitName(model::ESeries::E6));
    case CombinationsPanel::E12:
        return q(wording::seriesKitName(model::ESeries::E12));
    case CombinationsPanel::E24:
        return q(wording::seriesKitName(model::ESeries::E24));
    default:
        return q(wording::ownKitName());
    }
}

} // namespace

CombinationsPanel::CombinationsPanel(zq::Form& mainWindow, zq::Form& valueWindow)
    : SecondaryWindow(designs::combinationsPanel(), mainWindow), Heading(label("Heading")),
      Note(label("Note")), Working(label("Working")), Parts(label("Parts")),
      EditButton(label("EditButton")), WayMark(line("WayMark")), valueWindow_(&valueWindow) {
    for (int i = 0; i < 4; ++i)
        KitChoice[std::size_t(i)] = &label(QStringLiteral("KitChoice"), i);
    for (int i = 0; i < 3; ++i) {
        Way[std::size_t(i)] = &label(QStringLiteral("Way"), i);
        PartPicture[std::size_t(i)] = &image(QStringLiteral("PartPicture"), i);
    }
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    const OwnKit own = loadOwnKit();
    ownKit = own.values;
    ownKitNote_ = own.note;
    const KeptKitChoice kept = loadKitChoice(E12, kitName(E12));
    Kit = kept.choice;
    choiceNote_ = kept.note;
    wire();
    showKits();
    search();
}

void CombinationsPanel::wire() {
    auto& close = image(QStringLiteral("CloseBox"));
    close.Click = [this] { closeBoxClicked(); };
    for (int i = 0; i < 4; ++i)
        KitChoice[std::size_t(i)]->Click = [this, i] { kitChoiceClicked(i); };
    for (int i = 0; i < 3; ++i)
        Way[std::size_t(i)]->Click = [this, i] { wayClicked(i); };
    EditButton.Click = [this] { editButtonClicked(); };
    dragByTitle();

    std::vector<zq::Control*> kits(KitChoice.begin(), KitChoice.end());
    std::vector<zq::Control*> ways(Way.begin(), Way.end());
    std::vector<zq::Control*> order = kits;
    order.push_back(&EditButton);
    order.insert(order.end(), ways.begin(), ways.end());
    order.push_back(&close);
    setFocusOrder(order);
    addArrowGroup(kits);
    addArrowGroup(ways);
    ways.push_back(&EditButton);
    passOverWhenHidden(ways); // the editor is for the own kit; fewer ways than places

    std::vector<zq::AccessibleItem> items;
    auto text = [&items](zq::Label& l, std::function<QString()> n) {
        items.push_back(
            {&l, QAccessible::StaticText, std::move(n), [&l] { return l.Caption(); }, {}});
    };
    auto button = [&items](zq::Control& c, std::function<QString()> n) {
        items.push_back({&c, QAccessible::Button, std::move(n), {}, {}});
    };
    text(label(QStringLiteral("title")),
         [] { return QCoreApplication::translate("CombinationsPanel", "用手头的电阻凑"); });
    text(Heading, [this] { return Heading.Caption(); });
    for (std::size_t i = 0; i < KitChoice.size(); ++i)
        button(*KitChoice[i], [i] { return kitName(int(i)); }); // the heading says which is chosen
    button(EditButton,
           [] { return QCoreApplication::translate("CombinationsPanel", "编辑我的套装"); });
    text(Note, [] { return QCoreApplication::translate("CombinationsPanel", "说明"); });
    for (std::size_t i = 0; i < Way.size(); ++i)
        button(*Way[i], [this, i] { return wayNames_[i]; });
    text(Working, [] { return QCoreApplication::translate("CombinationsPanel", "算式"); });
    text(Parts, [] { return QCoreApplication::translate("CombinationsPanel", "每个电阻的色环"); });
    button(close, [] { return QCoreApplication::translate("CombinationsPanel", "关闭"); });
    setAccessibleItems(std::move(items));
}

void CombinationsPanel::onLoad() {
    showKits();
    search();
}

CombinationsPanel::~CombinationsPanel() {
    // At the program's end the editor goes with the panel; one the user kept open, edits and
    // all, when the panel closed lives on by itself.
    if (!unloaded()) delete Editor.data();
}

void CombinationsPanel::onUnload() {
    // The editor goes too, asking first about edits not saved.
    if (Editor && !Editor->unloaded()) Editor->close();
    // Not the main window's way back: the keyboard returns to the window this one answers for.
    hide();
    if (valueWindow_ && !valueWindow_->unloaded() && valueWindow_->isVisible())
        valueWindow_->activateWindow();
}

void CombinationsPanel::closeBoxClicked() {
    Unload();
}

void CombinationsPanel::kitChoiceClicked(int Index) {
    if (Index < 0 || Index >= int(KitChoice.size())) return;
    Kit = Index;
    // A choice made since: what was said of the one kept before is no longer true.
    choiceNote_ = saveKitChoice(Kit) ? QString() : q(wording::kitChoiceNotSaved(kitName(Kit).toStdString()));
    showKits();
    search();
}

void CombinationsPanel::showKits() {
    for (std::size_t i = 0; i < KitChoice.size(); ++i)
        KitChoice[i]->setCaption(q(wording::kitChoiceCaption(kitName(int(i)).toStdString(), int(i) == Kit)));
    EditButton.setVisible(Kit == Own);
}

void CombinationsPanel::setWanted(const model::Decimal& ohms, int toleranceHundredths) {
    wanted_ = ohms;
    tolerance_ = toleranceHundredths;
    search();
}

void CombinationsPanel::clearWanted() {
    wanted_.reset();
    search();
}

void CombinationsPanel::search() {
    shown.clear();
    wayNames_.fill(QString());
    chosenWay = -1;
    WayMark.setVisible(false);
    Working.setCaption(QString());
    showParts({});
    QStringList notes;
    if (!choiceNote_.isEmpty()) notes << choiceNote_;
    if (Kit == Own && !ownKitNote_.isEmpty()) notes << ownKitNote_;
    const model::DecimalFormat fmt = wording::userNumbers();
    if (wanted_) {
        const std::vector<model::Decimal> values =
            Kit == Own ? ownKit
                       : model::seriesKit(Kit == E6    ? model::ESeries::E6
                                          : Kit == E12 ? model::ESeries::E12
                                                       : model::ESeries::E24);
        Heading.setCaption(q(wording::combinationsPanelHeading(*wanted_, kitName(Kit).toStdString(), tolerance_, fmt)));
        const model::Kit kit(values);
        const model::Combinations made = model::findCombinations(*wanted_, kit, tolerance_);
        if (made.wantedFault)
            notes << q(wording::wantedFault(*made.wantedFault));
        else if (kit.empty())
            notes << q(wording::emptyKit());
        else if (!made.simplest)
            notes << q(wording::noneWithinTolerance(tolerance_));
        for (const auto& c : made.bestOfParts)
            if (c) shown.push_back(*c);
        for (std::size_t i = 0; i < Way.size(); ++i) {
            const bool simplest = i < shown.size() && made.simplest == shown[i];
            Way[i]->setCaption(i < shown.size() ? q(wording::panelWay(shown[i], simplest, fmt))
                                                : QString());
            wayNames_[i] =
                i < shown.size() ? q(wording::panelWayName(shown[i], simplest, fmt)) : QString();
        }
        if (!shown.empty()) Working.setCaption(q(wording::panelChooseAWay()));
    } else {
        Heading.setCaption(q(wording::panelPrompt()));
    }
    for (std::size_t i = 0; i < Way.size(); ++i) {
        Way[i]->setVisible(i < shown.size());
        Way[i]->setForeColor(kLink);
    }
    Note.setForeColor(kChosen);
    Note.setCaption(notes.join(QLatin1Char(' ')));
}

void CombinationsPanel::wayClicked(int Index) {
    if (Index < 0 || std::size_t(Index) >= shown.size()) return;
    chosenWay = Index;
    for (std::size_t i = 0; i < Way.size(); ++i)
        Way[i]->setForeColor(int(i) == Index ? kChosen : kLink);
    const zq::Label& row = *Way[std::size_t(Index)];
    const double under = row.Top() + row.Height();
    WayMark.setY1(under);
    WayMark.setY2(under);
    WayMark.setVisible(true);
    const model::Combination& c = shown[std::size_t(Index)];
    Working.setCaption(q(wording::working(c, wording::userNumbers())).join(QLatin1Char('\n')));
    showParts(c.parts);
}

void CombinationsPanel::showParts(const std::vector<model::Decimal>& parts) {
    // Each value once, in the order of the parts.
    std::vector<model::Decimal> seen;
    QStringList text;
    for (const model::Decimal& p : parts) {
        if (std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
        seen.push_back(p);
        text << q(wording::partColours(p, partColours(p).toStdString(), wording::userNumbers()));
    }
    for (std::size_t i = 0; i < PartPicture.size(); ++i) {
        zq::Image& picture = *PartPicture[i];
        const auto bands = i < seen.size() ? partBands(seen[i]) : std::nullopt;
        picture.setPicture(bands ? partPicture(*bands, picture.pixelRect().size()) : zq::Picture());
    }
    Parts.setCaption(text.join(QLatin1Char('\n')));
}

void CombinationsPanel::editButtonClicked() {
    if (!mainWindow()) return;
    if (!Editor || Editor->unloaded()) {
        Editor = new OwnKitEditor(*mainWindow(), ownKit);
        Editor->setDeleteOnUnload(true);
        Editor->Saved = [this, panel = QPointer<CombinationsPanel>(this)] {
            if (!panel || !Editor) return;
            ownKit = Editor->values;
            // What was said about a file set aside is no longer true of the kit just saved.
            ownKitNote_.clear();
            search();
        };
        // Never over the value window's answer, which the kit is edited for.
        Editor->placeOverOrBesideWindow(*this, valueWindow_.data());
    }
    Editor->Show();
    Editor->raise();
    Editor->activateWindow();
}

} // namespace zq::ui
