// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/reading/reading_window.h"
#include "ui/words.h"

#include "assets/designs/designs.h"
#include "model/colour_finder.h"
#include "model/value_input.h"
#include "platform/pictures.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "wording/chip_code.h"
#include "wording/reading.h"
#include "wording/words.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextEdit>
#include <algorithm>

namespace zq::ui {

namespace {

const QColor kReasonColour(224, 0, 0);
const QColor kNoteColour(32, 32, 96);

constexpr model::Side kSides[] = {model::Side::Left, model::Side::Right};
constexpr model::BodyColour kBodies[] = {model::BodyColour::Beige, model::BodyColour::Blue,
                                         model::BodyColour::Green, model::BodyColour::Other};

} // namespace

ReadingWindow::ReadingWindow(zq::Form& mainWindow, BandsReceiver& receiver)
    : SecondaryWindow(designs::readingWindow(), mainWindow),
      Entered(label(QStringLiteral("Entered"))), Verdict(label(QStringLiteral("Verdict"))),
      SmdAnswer(label(QStringLiteral("SmdAnswer"))), receiver_(receiver) {
    verdictTop_ = Verdict.Top();
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        Chip[std::size_t(i)] = &image(QStringLiteral("Chip"), i);
    for (int i = 0; i < 8; ++i)
        Band[std::size_t(i)] = &image(QStringLiteral("Band"), i);
    for (int i = 0; i < kReadingLines; ++i)
        Reading[std::size_t(i)] = &label(QStringLiteral("Reading"), i);
    for (std::size_t i = 0; i < Gap.size(); ++i)
        Gap[i] = &label(QStringLiteral("Gap"), int(i));
    for (std::size_t i = 0; i < Body.size(); ++i)
        Body[i] = &label(QStringLiteral("Body"), int(i));
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    dragByTitle();
    wire();
    wireKeyboard();
}

void ReadingWindow::wire() {
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        Chip[std::size_t(i)]->Click = [this, i] { chipClicked(i); };
    image(QStringLiteral("BackButton")).Click = [this] { backButtonClicked(); };
    image(QStringLiteral("ClearButton")).Click = [this] { clearButtonClicked(); };
    image(QStringLiteral("ShowButton")).Click = [this] { showButtonClicked(); };
    image(QStringLiteral("CloseBox")).Click = [this] { closeBoxClicked(); };
    for (std::size_t i = 0; i < Gap.size(); ++i)
        Gap[i]->Click = [this, i] { gapClicked(int(i)); };
    for (std::size_t i = 0; i < Body.size(); ++i)
        Body[i]->Click = [this, i] { bodyClicked(int(i)); };
    oneLineField(measuredField());
    oneLineField(smdField());
}

void ReadingWindow::wireKeyboard() {
    auto& back = image(QStringLiteral("BackButton"));
    auto& clear = image(QStringLiteral("ClearButton"));
    auto& show = image(QStringLiteral("ShowButton"));
    auto& close = image(QStringLiteral("CloseBox"));
    std::vector<zq::Control*> chips(Chip.begin(), Chip.end());
    std::vector<zq::Control*> order = chips;
    order.insert(order.end(), {&back, &clear, &show});
    order.insert(order.end(), Gap.begin(), Gap.end());
    order.insert(order.end(), Body.begin(), Body.end());
    order.insert(order.end(),
                 {&textBox(QStringLiteral("Measured")), &textBox(QStringLiteral("Smd")), &close});
    setFocusOrder(order);
    addArrowGroup(chips);
    addArrowGroup({&back, &clear, &show});
    addArrowGroup({Gap.begin(), Gap.end()});
    addArrowGroup({Body.begin(), Body.end()});

    std::vector<zq::AccessibleItem> items;
    const ReadAsShown text{items};
    const ReadAsButton button{items};
    text(label(QStringLiteral("title")));
    text(Entered);
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        button(*Chip[std::size_t(i)], q(wording::colourName(i)));
    button(back, QCoreApplication::translate("ReadingWindow", "退一环"));
    button(clear, QCoreApplication::translate("ReadingWindow", "清除"));
    button(show, QCoreApplication::translate("ReadingWindow", "在主窗口显示"));
    for (std::size_t i = 0; i < Gap.size(); ++i)
        items.push_back({Gap[i],
                         QAccessible::Button,
                         [this, i] {
                             return q(wording::gapOptionName(
                                 kSides[i], Cues.end.has_value() && Cues.end->side == kSides[i]));
                         },
                         {},
                         {}});
    for (std::size_t i = 0; i < Body.size(); ++i)
        items.push_back(
            {Body[i],
             QAccessible::Button,
             [this, i] { return q(wording::bodyOptionName(kBodies[i], Cues.body == kBodies[i])); },
             {},
             {}});
    // The drawn bands, one place each in the order entered, with their colour.
    for (std::size_t i = 0; i < Band.size(); ++i) {
        auto name = [this, i] {
            return i < Bands.size() ? q(wording::bandColourName(int(i) + 1, Bands[i])) : QString();
        };
        items.push_back({Band[i], QAccessible::Graphic, name, {}, {}});
    }
    measuredField().setAccessibleName(QCoreApplication::translate("ReadingWindow", "万用表读数"));
    smdField().setAccessibleName(QCoreApplication::translate("ReadingWindow", "贴片代码"));
    text(Verdict);
    for (zq::Label* l : Reading)
        text(*l);
    text(SmdAnswer);
    button(close, QCoreApplication::translate("ReadingWindow", "关闭"));
    setAccessibleItems(std::move(items));
}

QTextEdit& ReadingWindow::measuredField() const {
    return *textBox(QStringLiteral("Measured")).widget();
}

QTextEdit& ReadingWindow::smdField() const {
    return *textBox(QStringLiteral("Smd")).widget();
}

void ReadingWindow::onLoad() {
    readAgain();
    // The keys go to the palette first, not to a field: the digits enter bands.
    setFocus();
    setFocusedControl(Chip[0]);
}

// ---- entering the bands ---------------------------------------------------------------------

void ReadingWindow::enter(int colour) {
    lastUsed_ = LastUsed::Bands;
    if (int(Bands.size()) >= kMost) {
        say(q(wording::tooManyBands()));
        return;
    }
    Bands.push_back(colour);
    readAgain();
}

void ReadingWindow::chipClicked(int Index) {
    if (Index < 0 || Index >= model::palette::kPaintedSize) return;
    enter(Index);
}

void ReadingWindow::backButtonClicked() {
    lastUsed_ = LastUsed::Bands;
    if (Bands.empty()) return;
    Bands.pop_back();
    readAgain();
}

// A new part: the old one's measurement would judge it wrongly.
void ReadingWindow::clearButtonClicked() {
    lastUsed_ = LastUsed::Bands;
    Bands.clear();
    measuredField().clear();
    Cues = {};
    readAgain();
}

void ReadingWindow::gapClicked(int Index) {
    if (Index < 0 || Index >= int(Gap.size())) return;
    lastUsed_ = LastUsed::Bands;
    const model::Side side = kSides[std::size_t(Index)];
    if (Cues.end && Cues.end->side == side)
        Cues.end.reset();
    else
        Cues.end = model::EndCue{model::EndCue::Kind::WiderGap, side};
    readAgain();
}

void ReadingWindow::bodyClicked(int Index) {
    if (Index < 0 || Index >= int(Body.size())) return;
    lastUsed_ = LastUsed::Bands;
    const model::BodyColour body = kBodies[std::size_t(Index)];
    if (Cues.body == body)
        Cues.body.reset();
    else
        Cues.body = body;
    readAgain();
}

void ReadingWindow::closeBoxClicked() {
    Unload();
}

bool ReadingWindow::keyPressed(int KeyCode, int Shift) {
    if ((KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter) && (Shift & kCtrlMask)) {
        showButtonClicked();
        return true;
    }
    if (Shift & (kCtrlMask | kAltMask)) return false;
    if (KeyCode >= Qt::Key_0 && KeyCode <= Qt::Key_9) {
        enter(*model::colourOfDigit(KeyCode - Qt::Key_0));
        return true;
    }
    // The two colours with no digit, by the first letters of their names: jin, yin.
    if (KeyCode == Qt::Key_J || KeyCode == Qt::Key_Y) {
        enter(KeyCode == Qt::Key_J ? model::palette::kGold : model::palette::kSilver);
        return true;
    }
    if (KeyCode == Qt::Key_Backspace) {
        backButtonClicked();
        return true;
    }
    return false;
}

void ReadingWindow::measuredReturnPressed() {
    lastUsed_ = LastUsed::Bands;
    readAgain();
}

void ReadingWindow::readAgain() {
    showBands();
    showReadings();
    showCues();
    drawPart();
}

void ReadingWindow::showCues() {
    for (std::size_t i = 0; i < Gap.size(); ++i)
        Gap[i]->setCaption(
            q(wording::gapOption(kSides[i], Cues.end.has_value() && Cues.end->side == kSides[i])));
    for (std::size_t i = 0; i < Body.size(); ++i)
        Body[i]->setCaption(q(wording::bodyOption(kBodies[i], Cues.body == kBodies[i])));
}

// The part as the learner sees it: turned as the gap says, else as the likely reading reads;
// with neither, evenly spaced, so that the drawing shows no cue nobody saw. A cue changes only
// what it names: what it does not name is drawn as the colours and the measurement alone read.
void ReadingWindow::drawPart() {
    model::BandReadings bare;
    if (int(Bands.size()) >= kFewest) bare = model::readBothWays(Bands, Readings.measured);
    const model::BandReadingItem* likely =
        !bare.readings.empty() && bare.readings.front().likely ? &bare.readings.front() : nullptr;
    // The body the learner saw, else the one the likely reading's kind is made in.
    const model::BodyColour body = Cues.body.value_or(
        likely ? model::bodyColourOf(likely->reading.tolerance) : model::BodyColour::Beige);
    PartLook look = evenLook(Bands, body);
    if (int(Bands.size()) >= kFewest && Cues.end) {
        const bool turned = Cues.end->startsFrom() == model::Side::Right;
        std::vector<int> order = Bands;
        if (turned) std::reverse(order.begin(), order.end());
        look = madeLook(order, turned, body);
    } else if (likely) {
        look = madeLook(likely->colours, likely->direction == model::Direction::Reversed, body);
    }
    Drawn = look;
    // Clear of the cue row below it.
    showPart(look, image(QStringLiteral("BodyLeft")), Band, image(QStringLiteral("BodyRight")),
             QRectF(47, 150, 410, 72));
}

void ReadingWindow::showBands() {
    Entered.setForeColor(kNoteColour);
    if (Bands.empty()) {
        Entered.setCaption(q(wording::enterHint()));
        return;
    }
    Entered.setCaption(q(wording::enteredBands(Bands)));
}

void ReadingWindow::say(const QString& text) {
    Entered.setForeColor(kReasonColour);
    Entered.setCaption(text);
}

// ---- the readings ----------------------------------------------------------------------------

void ReadingWindow::showReadings() {
    QStringList lines;
    QString verdict;
    Readings = {};
    if (int(Bands.size()) >= kFewest) {
        const model::DecimalFormat fmt = wording::userNumbers();
        std::optional<model::Decimal> measured;
        QString refusal; // takes the verdict's place: what was said without it is not true now
        const QString typed = measuredField().toPlainText().trimmed();
        if (!typed.isEmpty()) {
            const model::ValueInput v = model::parseValue(typed.toStdString(), fmt.point);
            if (!v.ok) {
                refusal = q(wording::measuredRefusal(v));
            } else {
                measured = v.ohms;
                if (const wording::Said note = wording::measuredNote(v, fmt); !note.text.empty())
                    lines << q(note.text);
            }
        }
        Readings = model::readBothWays(Bands, measured, Cues);
        const wording::ReadingLines said = wording::readingLines(Readings, fmt);
        verdict = refusal.isEmpty() ? q(said.verdict) : refusal;
        lines << q(said.lines);
    }
    // More lines than labels (a measurement's note, the cues, both readings and a misread band):
    // the last label takes the rest, rather than a line the verdict speaks of going unshown.
    if (lines.size() > qsizetype(Reading.size())) {
        const qsizetype last = qsizetype(Reading.size()) - 1;
        lines[last] = lines.mid(last).join(u'\n');
        lines.resize(last + 1);
    }
    Verdict.setCaption(verdict);
    for (std::size_t i = 0; i < Reading.size(); ++i)
        Reading[i]->setCaption(i < std::size_t(lines.size()) ? lines[qsizetype(i)] : QString());
    stackReadings();
}

// A precision part's reading with a measurement takes five lines, a plain one two: the verdict
// and the readings stand one under another, each as tall as its text, from the verdict's place
// in the design down.
void ReadingWindow::stackReadings() {
    const double twips = Screen::TwipsPerPixelY();
    double top = verdictTop_;
    const auto stack = [&](zq::Label& l) {
        l.setTop(top);
        // Measured in room to spare, so that no earlier, shorter height condenses the font.
        l.setHeight(kStackRoom * twips);
        const std::size_t lines = l.Caption().isEmpty() ? 0 : l.lines().size();
        l.setHeight(std::max<double>(1, double(lines) * l.lineStep() + 2) * twips);
        if (lines) top += l.Height() + kStackGap * twips;
    };
    stack(Verdict);
    for (zq::Label* l : Reading)
        stack(*l);
}

// ---- the hand-over -----------------------------------------------------------------------------

void ReadingWindow::showButtonClicked() {
    if (receiver_.receiverWindow().unloaded()) return;
    const model::HandOver h = lastUsed_ == LastUsed::Code ? model::handOverCode(Smd)
                                                          : model::handOverReading(Readings, Bands);
    if (const std::string note = wording::handOverNote(h); !note.empty()) say(q(note));
    if (!h.part) return;
    receiver_.showColours(*h.part);
    // The reading is on the multimeter and in the flow chart: put them in view.
    bringToFront(receiver_.receiverWindow());
}

// ---- the printed code ------------------------------------------------------------------------

void ReadingWindow::smdReturnPressed() {
    const model::DecimalFormat fmt = wording::userNumbers();
    lastUsed_ = LastUsed::Code;
    Smd = model::readSmdCode(smdField().toPlainText().toStdString());
    QStringList lines;
    if (Smd.readings.empty()) {
        lines << q(wording::chipReason(Smd, fmt));
    } else {
        for (const model::SmdReading& r : Smd.readings)
            lines << q(wording::chipLine(Smd, r, fmt));
        lines << q(wording::chipComment(Smd, fmt));
        const model::SmdReading& first = Smd.readings.front();
        if (const QString bands = q(
                wording::chipBandsLine(model::bandsOfCode(first, 4), model::bandsOfCode(first, 5)));
            !bands.isEmpty())
            lines << bands;
    }
    SmdAnswer.setForeColor(Smd.readings.empty() ? kReasonColour : kNoteColour);
    SmdAnswer.setCaption(lines.join(u'\n'));
}

bool ReadingWindow::eventFilter(QObject* watched, QEvent* e) {
    const bool measured = watched == &measuredField(), smd = watched == &smdField();
    if ((measured || smd) && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape) {
            Unload();
            return true;
        }
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (k->modifiers() & Qt::ControlModifier)
                showButtonClicked();
            else if (measured)
                measuredReturnPressed();
            else
                smdReturnPressed();
            return true;
        }
    }
    return SecondaryWindow::eventFilter(watched, e);
}

} // namespace zq::ui
