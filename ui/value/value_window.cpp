// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/value_window.h"
#include "ui/words.h"

#include "assets/designs/designs.h"
#include "model/colour_table.h"
#include "model/smd.h"
#include "model/value_input.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "ui/value/combinations_panel.h"
#include "wording/value.h"
#include "wording/words.h"

#include <QKeyEvent>
#include <QTextEdit>

namespace zq::ui {

namespace {

const QColor kReasonColour(224, 0, 0);
const QColor kNoteColour(32, 32, 96);

// The palette chip of a colour, with its name on it.
zq::Picture chipPicture(int paletteIndex) {
    return LoadDesignPicture(QStringLiteral(":/design/form1/Image29_%1.png").arg(paletteIndex));
}

} // namespace

ValueWindow::ValueWindow(zq::Form& mainWindow, BandsReceiver& receiver)
    : SecondaryWindow(designs::valueWindow(), mainWindow), Note(label("Note")),
      FourBands(label("FourBands")), FiveBands(label("FiveBands")),
      ColourNames(label("ColourNames")), ValueText(label("ValueText")),
      RangeText(label("RangeText")), ToleranceText(label("ToleranceText")),
      SmdCodes(label("SmdCodes")), StandardCaption(label("StandardCaption")),
      KitButton(label("KitButton")), ToleranceMark(line("ToleranceMark")), receiver_(receiver) {
    for (int i = 0; i < 8; ++i) {
        ToleranceChip[i] = &label("ToleranceChip", i);
        Band[i] = &image("Band", i);
    }
    for (int i = 0; i < 6; ++i)
        StandardValue[i] = &label("StandardValue", i);
    for (int i = 0; i < 5; ++i)
        AnswerChip[i] = &image("AnswerChip", i);
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    wire();
    wireKeyboard();
}

void ValueWindow::wireKeyboard() {
    auto& find = image(QStringLiteral("FindButton"));
    auto& give = image(QStringLiteral("ShowButton"));
    auto& close = image(QStringLiteral("CloseBox"));
    std::vector<zq::Control*> bands{&FourBands, &FiveBands};
    std::vector<zq::Control*> tolerances(ToleranceChip.begin(), ToleranceChip.end());
    std::vector<zq::Control*> standard(StandardValue.begin(), StandardValue.end());
    std::vector<zq::Control*> order{&textBox(QStringLiteral("ValueField")), &find, &give};
    for (const auto* group : {&bands, &tolerances, &standard})
        order.insert(order.end(), group->begin(), group->end());
    order.push_back(&KitButton);
    order.push_back(&close);
    setFocusOrder(order);
    for (auto& group : {bands, tolerances, standard})
        addArrowGroup(group);
    passOverWhenHidden(standard); // fewer values than places

    std::vector<zq::AccessibleItem> items;
    const ReadAsShown text{items};
    const ReadAsButton button{items};
    auto caption = [](zq::Label& l) { return [&l] { return l.Caption(); }; };
    text(label(QStringLiteral("title")));
    valueField().setAccessibleName(QCoreApplication::translate("ValueWindow", "阻值"));
    button(find, [] { return QCoreApplication::translate("ValueWindow", "查色环"); });
    button(give, [] { return QCoreApplication::translate("ValueWindow", "在主窗口显示"); });
    button(FourBands, [] { return QCoreApplication::translate("ValueWindow", "四环"); });
    button(FiveBands, [] { return QCoreApplication::translate("ValueWindow", "五环"); });
    for (std::size_t i = 0; i < ToleranceChip.size(); ++i)
        button(*ToleranceChip[i], [i] {
            return q(wording::toleranceChipName(model::kTolerancePalette[i]));
        });
    text(ToleranceText);
    text(Note);
    for (zq::Label* l : {&ColourNames, &ValueText, &RangeText})
        text(*l);
    text(SmdCodes);
    text(StandardCaption);
    for (zq::Label* l : StandardValue)
        button(*l, caption(*l));
    button(KitButton, [] { return QCoreApplication::translate("ValueWindow", "用手头的电阻凑"); });
    button(close, [] { return QCoreApplication::translate("ValueWindow", "关闭"); });
    setAccessibleItems(std::move(items));
}

void ValueWindow::wire() {
    image(QStringLiteral("CloseBox")).Click = [this] { closeBoxClicked(); };
    image(QStringLiteral("FindButton")).Click = [this] { findButtonClicked(); };
    image(QStringLiteral("ShowButton")).Click = [this] { showButtonClicked(); };
    FourBands.Click = [this] { fourBandsClicked(); };
    FiveBands.Click = [this] { fiveBandsClicked(); };
    for (int i = 0; i < 8; ++i)
        ToleranceChip[i]->Click = [this, i] { toleranceChipClicked(i); };
    for (int i = 0; i < 6; ++i)
        StandardValue[i]->Click = [this, i] { standardValueClicked(i); };
    KitButton.Click = [this] { kitButtonClicked(); };
    dragByTitle();

    oneLineField(valueField());
}

QTextEdit& ValueWindow::valueField() const {
    return *textBox(QStringLiteral("ValueField")).widget();
}

void ValueWindow::onLoad() {
    standardCaption_ = StandardCaption.Caption();
    Note.setForeColor(kNoteColour);
    Note.setCaption(q(wording::valueExample()));
    for (zq::Image* chip : AnswerChip)
        chip->setVisible(false);
    Drawn = evenLook({}, model::BodyColour::Beige);
    showPart(Drawn, image(QStringLiteral("BodyLeft")), Band, image(QStringLiteral("BodyRight")));
    showChoices();
    valueField().setFocus();
}

// ---- the choices ------------------------------------------------------------------------------

void ValueWindow::showChoices() {
    FourBands.setCaption(Bands == 4 ? QCoreApplication::translate("ValueWindow", "●四环")
                                    : QCoreApplication::translate("ValueWindow", "○四环"));
    FiveBands.setCaption(Bands == 5 ? QCoreApplication::translate("ValueWindow", "●五环")
                                    : QCoreApplication::translate("ValueWindow", "○五环"));
    // A precision tolerance has no chip to underline.
    bool marked = false;
    for (std::size_t i = 0; i < model::kTolerancePalette.size(); ++i) {
        if (model::kTolerancePalette[i] != Tolerance.colour || model::isPrecision(Tolerance))
            continue;
        const zq::Label& chip = *ToleranceChip[i];
        ToleranceMark.setX1(chip.Left());
        ToleranceMark.setX2(chip.Left() + chip.Width());
        marked = true;
    }
    ToleranceMark.setVisible(marked);
    ToleranceText.setCaption(q(wording::tolerance(model::hundredthsOf(Tolerance))));
}

void ValueWindow::fourBandsClicked() {
    Bands = 4;
    Tolerance = chosen_ = model::defaultTolerance(Bands);
    showChoices();
    findAgain();
}

void ValueWindow::fiveBandsClicked() {
    Bands = 5;
    Tolerance = chosen_ = model::defaultTolerance(Bands);
    showChoices();
    findAgain();
}

void ValueWindow::toleranceChipClicked(int Index) {
    if (Index < 0 || Index >= int(model::kTolerancePalette.size())) return;
    Tolerance = chosen_ = model::kTolerancePalette[std::size_t(Index)];
    // The chip takes the place of a tolerance typed after the value.
    const model::ValueAndTolerance typed = model::parseValueAndTolerance(
        valueField().toPlainText().toStdString(), wording::userNumbers().point);
    if (typed.tolerance) {
        valueField().setPlainText(QString::fromStdString(typed.valueText));
        valueField().moveCursor(QTextCursor::End);
    }
    showChoices();
    findAgain();
}

void ValueWindow::standardValueClicked(int Index) {
    if (Index < 0 || std::size_t(Index) >= Standard.size()) return;
    valueField().setPlainText(q(model::typedForm(Standard[std::size_t(Index)].value)));
    valueField().moveCursor(QTextCursor::End);
    find();
}

void ValueWindow::kitButtonClicked() {
    if (!mainWindow()) return;
    if (!Combinations || Combinations->unloaded()) {
        Combinations = new CombinationsPanel(*mainWindow(), *this);
        Combinations->setDeleteOnUnload(true);
        if (Answer) find();
        // Beside this window, so that the field stays in sight while the panel answers, and
        // off the main window.
        Combinations->placeBesideWindow(*this);
    }
    if (Combinations->WindowState() == kMinimizedState) Combinations->setWindowState(kNormalState);
    Combinations->Show();
    Combinations->raise();
    Combinations->activateWindow();
}

// ---- finding ----------------------------------------------------------------------------------

void ValueWindow::findAgain() {
    if (Answer || !valueField().toPlainText().trimmed().isEmpty()) find();
}

bool ValueWindow::find() {
    const model::DecimalFormat& fmt = wording::userNumbers();
    const model::ValueAndTolerance typed =
        model::parseValueAndTolerance(valueField().toPlainText().toStdString(), fmt.point);
    Tolerance = typed.tolerance ? *typed.tolerance : chosen_;
    showChoices();
    const model::ColoursOfValue c = model::coloursOfValue(typed.value, Bands, Tolerance);
    if (!c.answered()) {
        showReason(q(wording::coloursRefusal(c, fmt)));
        return false;
    }
    showAnswer(c.finding, typed.value);
    if (Combinations) Combinations->setWanted(typed.value.ohms, model::hundredthsOf(Tolerance));
    return true;
}

void ValueWindow::showReason(const QString& reason) {
    Note.setForeColor(kReasonColour);
    Note.setCaption(reason);
    clearAnswer();
}

void ValueWindow::clearAnswer() {
    // Bands left standing beside a reason would read as its answer.
    Answer.reset();
    if (Combinations) Combinations->clearWanted();
    Standard.clear();
    for (zq::Image* chip : AnswerChip)
        chip->setVisible(false);
    Drawn = evenLook({}, model::BodyColour::Beige);
    showPart(Drawn, image(QStringLiteral("BodyLeft")), Band, image(QStringLiteral("BodyRight")));
    for (zq::Label* l : {&ColourNames, &ValueText, &RangeText, &SmdCodes})
        l->setCaption(QString());
    StandardCaption.setCaption(standardCaption_);
    for (zq::Label* l : StandardValue) {
        l->setCaption(QString());
        l->setVisible(false);
    }
}

void ValueWindow::showAnswer(const model::Finding& f, const model::ValueInput& typed) {
    Answer = f.answer;
    Standard.clear();
    for (const model::StandardValue& v : f.standard)
        if (v.makeable) Standard.push_back(v);
    const model::ColourAnswer& a = *Answer;
    const model::DecimalFormat& fmt = wording::userNumbers();
    // The heading of the standard values stands above them; every other note under the field.
    QStringList notes{q(wording::inputNote(typed, fmt))};
    notes << q(wording::answerNotes(f, fmt)) << q(wording::standardAside(f, fmt));
    Note.setForeColor(kNoteColour);
    Note.setCaption(notes.join(QString()));

    // The bands in reading order: one black band for a jumper.
    const std::vector<int> bands = model::bandColours(a);
    for (std::size_t i = 0; i < AnswerChip.size(); ++i) {
        AnswerChip[i]->setVisible(i < bands.size());
        if (i < bands.size()) AnswerChip[i]->setPicture(chipPicture(bands[i]));
    }
    // On the body as such a part is made; a jumper's one band in the middle.
    Drawn = bands.size() < std::size_t(model::kFewestBands)
                ? evenLook(bands, model::BodyColour::Beige)
                : madeLook(bands, false);
    showPart(Drawn, image(QStringLiteral("BodyLeft")), Band, image(QStringLiteral("BodyRight")));
    const std::vector<std::string> codes = model::smdCodesFor(typed.ohms);
    SmdCodes.setCaption(codes.empty() ? QString() : q(wording::smdCodes(codes)));
    StandardCaption.setCaption(q(wording::standardCaption(f, !Standard.empty(), fmt)));

    ColourNames.setCaption(q(wording::colourNames(a)));
    ValueText.setCaption(q(wording::shownValue(a, fmt)));
    RangeText.setCaption(q(wording::rangeCaption(a, fmt)));
    for (std::size_t i = 0; i < StandardValue.size(); ++i) {
        StandardValue[i]->setCaption(
            i < Standard.size() ? q(wording::standardValueEntry(Standard[i], fmt)) : QString());
        StandardValue[i]->setVisible(i < Standard.size());
    }
}

void ValueWindow::findButtonClicked() {
    find();
}

void ValueWindow::showButtonClicked() {
    // What is typed now is what goes over; a value that cannot be read sends nothing.
    if (!find()) return;
    // A jumper would arrive as four black digits, a part the reading rules call impossible.
    if (Answer->precision || Answer->value.isZero()) {
        // The answer stays: only the main window cannot show it.
        Note.setForeColor(kReasonColour);
        Note.setCaption(q(wording::handOverRefusal(*Answer)));
        return;
    }
    giveToMainWindow();
}

void ValueWindow::giveToMainWindow() {
    if (receiver_.receiverWindow().unloaded() || !Answer) return;
    receiver_.showColours(*Answer);
    // The answer is on the multimeter and in the flow chart: put them in view. This window
    // stays open behind.
    bringToFront(receiver_.receiverWindow());
}

// ---- chrome and keys --------------------------------------------------------------------------

ValueWindow::~ValueWindow() {
    delete Combinations.data();
}

void ValueWindow::onUnload() {
    // The panel answers for this window: it goes with it.
    if (Combinations) Combinations->Unload();
    SecondaryWindow::onUnload();
}

void ValueWindow::closeBoxClicked() {
    Unload();
}

bool ValueWindow::valueFieldKeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        Unload();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (modifiers & Qt::ControlModifier)
        showButtonClicked();
    else
        find();
    return true;
}

void ValueWindow::keyPressEvent(QKeyEvent* e) {
    // Away from the field, Return presses the focused control, as in every window.
    const bool plainReturn = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
                             !(e->modifiers() & Qt::ControlModifier);
    if ((plainReturn && focusedControl()) || !valueFieldKeyPressed(e->key(), e->modifiers()))
        Form::keyPressEvent(e);
}

bool ValueWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &valueField() && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        return valueFieldKeyPressed(k->key(), k->modifiers());
    }
    return Form::eventFilter(watched, e);
}

} // namespace zq::ui
