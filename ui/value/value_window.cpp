// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/value_window.h"

#include "assets/designs/designs.h"
#include "model/colour_table.h"
#include "model/smd.h"
#include "model/value_input.h"
#include "platform/pictures.h"
#include "platform/services.h"

#include <QKeyEvent>
#include <QTextEdit>

namespace zq::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

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
      ToleranceMark(line("ToleranceMark")), receiver_(receiver) {
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
    order.push_back(&close);
    setFocusOrder(order);
    for (auto& group : {bands, tolerances, standard})
        addArrowGroup(group);
    passOverWhenHidden(standard); // fewer values than places

    std::vector<zq::AccessibleItem> items;
    auto text = [&items](zq::Label& l) {
        auto shown = [&l] { return l.Caption(); };
        items.push_back({&l, QAccessible::StaticText, shown, shown, {}});
    };
    auto button = [&items](zq::Control& c, std::function<QString()> name) {
        items.push_back({&c, QAccessible::Button, std::move(name), {}, {}});
    };
    auto caption = [](zq::Label& l) { return [&l] { return l.Caption(); }; };
    text(label(QStringLiteral("Label1")));
    valueField().setAccessibleName(QStringLiteral("阻值"));
    button(find, [] { return QStringLiteral("查色环"); });
    button(give, [] { return QStringLiteral("在主窗口显示"); });
    button(FourBands, [] { return QStringLiteral("四环"); });
    button(FiveBands, [] { return QStringLiteral("五环"); });
    for (std::size_t i = 0; i < ToleranceChip.size(); ++i)
        button(*ToleranceChip[i], [i] {
            const auto& c = model::colourRecord(model::kTolerancePalette[i]);
            return q(std::string(c.name)) + QStringLiteral("，") +
                   q(model::toleranceText(c.tolerance));
        });
    text(ToleranceText);
    text(Note);
    for (zq::Label* l : {&ColourNames, &ValueText, &RangeText})
        text(*l);
    text(SmdCodes);
    text(StandardCaption);
    for (zq::Label* l : StandardValue)
        button(*l, caption(*l));
    button(close, [] { return QStringLiteral("关闭"); });
    setAccessibleItems(std::move(items));
}

void ValueWindow::wire() {
    image(QStringLiteral("CloseBox")).Click = [this] { CloseBox_Click(); };
    image(QStringLiteral("FindButton")).Click = [this] { FindButton_Click(); };
    image(QStringLiteral("ShowButton")).Click = [this] { ShowButton_Click(); };
    FourBands.Click = [this] { FourBands_Click(); };
    FiveBands.Click = [this] { FiveBands_Click(); };
    for (int i = 0; i < 8; ++i)
        ToleranceChip[i]->Click = [this, i] { ToleranceChip_Click(i); };
    for (int i = 0; i < 6; ++i)
        StandardValue[i]->Click = [this, i] { StandardValue_Click(i); };
    dragByTitle();

    oneLineField(valueField());
}

QTextEdit& ValueWindow::valueField() const {
    return *textBox(QStringLiteral("ValueField")).widget();
}

void ValueWindow::Form_Load() {
    Note.setForeColor(kNoteColour);
    Note.setCaption(QStringLiteral("例如 4.7k、4k7、470R、R47、1M5，按回车查色环。"));
    for (zq::Image* chip : AnswerChip)
        chip->setVisible(false);
    for (zq::Image* band : Band)
        band->setPicture(LoadResPicture(model::kChipNone, 0));
    showChoices();
    valueField().setFocus();
}

// ---- the choices ------------------------------------------------------------------------------

void ValueWindow::showChoices() {
    FourBands.setCaption(Bands == 4 ? QStringLiteral("●四环") : QStringLiteral("○四环"));
    FiveBands.setCaption(Bands == 5 ? QStringLiteral("●五环") : QStringLiteral("○五环"));
    for (std::size_t i = 0; i < model::kTolerancePalette.size(); ++i) {
        if (model::kTolerancePalette[i] != Tolerance) continue;
        const zq::Label& chip = *ToleranceChip[i];
        ToleranceMark.setX1(chip.Left());
        ToleranceMark.setX2(chip.Left() + chip.Width());
    }
    ToleranceText.setCaption(q(model::toleranceText(model::colourRecord(Tolerance).tolerance)));
}

void ValueWindow::FourBands_Click() {
    Bands = 4;
    Tolerance = model::defaultTolerance(Bands);
    showChoices();
    if (Answer) find();
}

void ValueWindow::FiveBands_Click() {
    Bands = 5;
    Tolerance = model::defaultTolerance(Bands);
    showChoices();
    if (Answer) find();
}

void ValueWindow::ToleranceChip_Click(int Index) {
    if (Index < 0 || Index >= int(model::kTolerancePalette.size())) return;
    Tolerance = model::kTolerancePalette[std::size_t(Index)];
    showChoices();
    if (Answer) find();
}

void ValueWindow::StandardValue_Click(int Index) {
    if (Index < 0 || std::size_t(Index) >= Standard.size()) return;
    valueField().setPlainText(q(model::typedForm(Standard[std::size_t(Index)].value)));
    valueField().moveCursor(QTextCursor::End);
    find();
}

// ---- finding ----------------------------------------------------------------------------------

bool ValueWindow::find() {
    const std::string point = decimalPoint().toStdString();
    const model::ValueInput typed =
        model::parseValue(valueField().toPlainText().toStdString(), point);
    if (!typed.ok) {
        showReason(typed.reason);
        return false;
    }
    const model::Finding f =
        model::findColours(typed.ohms, Bands, Tolerance, model::DecimalFormat{point});
    if (!f.answer) {
        showReason(f.reason);
        return false;
    }
    showAnswer(f, typed);
    return true;
}

void ValueWindow::showReason(const std::string& reason) {
    // Only the line under the field: what was shown before stays as it was.
    Note.setForeColor(kReasonColour);
    Note.setCaption(q(reason));
}

void ValueWindow::showAnswer(const model::Finding& f, const model::ValueInput& typed) {
    Answer = f.answer;
    Standard = f.standard;
    const model::ColourAnswer& a = *Answer;
    const model::DecimalFormat fmt{decimalPoint().toStdString()};
    // The standard-value note's first sentence heads the list; what follows it (a neighbour
    // the bands cannot make) joins the notes under the field.
    const std::string kStop = "。";
    const auto stop = f.standardNote.find(kStop);
    const std::string heading =
        f.standardNote.substr(0, stop == std::string::npos ? stop : stop + kStop.size());
    const std::string unmakeable =
        stop == std::string::npos ? std::string() : f.standardNote.substr(stop + kStop.size());
    QStringList notes;
    for (const std::string& n : {typed.note, f.note, unmakeable})
        if (!n.empty()) notes << q(n);
    Note.setForeColor(kNoteColour);
    Note.setCaption(notes.join(QString()));

    // The bands in reading order: one black band for a jumper.
    const std::vector<int> bands = model::bandColours(a);
    for (std::size_t i = 0; i < AnswerChip.size(); ++i) {
        AnswerChip[i]->setVisible(i < bands.size());
        if (i < bands.size()) AnswerChip[i]->setPicture(chipPicture(bands[i]));
    }
    // On the body as the main window draws it: the tolerance band apart from the others.
    std::array<int, 8> resistor;
    resistor.fill(model::kChipNone);
    if (bands.size() == 1) {
        resistor[3] = model::colourRecord(bands[0]).chip;
    } else {
        for (std::size_t i = 0; i + 1 < bands.size(); ++i)
            resistor[i] = model::colourRecord(bands[i]).chip;
        resistor[5] = model::colourRecord(bands.back()).chip;
    }
    for (std::size_t i = 0; i < Band.size(); ++i)
        Band[i]->setPicture(LoadResPicture(resistor[i], 0));
    QStringList codes;
    for (const std::string& c : model::smdCodesFor(typed.ohms))
        codes << q(c);
    SmdCodes.setCaption(codes.isEmpty()
                            ? QString()
                            : QStringLiteral("贴片代码：") + codes.join(QStringLiteral("、")));
    StandardCaption.setCaption(q(heading) +
                               (Standard.empty() ? QString() : QStringLiteral("点一下填入：")));

    ColourNames.setCaption(q(model::colourNames(a)));
    ValueText.setCaption(q(model::shownValue(a, fmt)));
    RangeText.setCaption(QStringLiteral("误差范围：") + q(model::rangeText(a, fmt)));
    for (std::size_t i = 0; i < StandardValue.size(); ++i) {
        QString text;
        if (i < Standard.size()) {
            const model::StandardValue& v = Standard[i];
            QStringList series;
            for (const model::ESeries e : v.series)
                series << q(std::string(model::seriesName(e)));
            text = series.join(u'/') + QStringLiteral("  ") + q(model::withUnit(v.value, fmt)) +
                   QStringLiteral("  ") + q(model::percentText(v, fmt));
        }
        StandardValue[i]->setCaption(text);
        StandardValue[i]->setVisible(i < Standard.size());
    }
}

void ValueWindow::FindButton_Click() {
    find();
}

void ValueWindow::ShowButton_Click() {
    // What is typed now is what goes over; a value that cannot be read sends nothing.
    if (find()) giveToMainWindow();
}

void ValueWindow::giveToMainWindow() {
    if (receiver_.receiverWindow().unloaded() || !Answer) return;
    receiver_.showColours(*Answer);
    // The answer is on the multimeter and in the flow chart: put them in view. This window
    // stays open behind.
    bringToFront(receiver_.receiverWindow());
}

// ---- chrome and keys --------------------------------------------------------------------------

void ValueWindow::CloseBox_Click() {
    Unload();
}

bool ValueWindow::ValueField_KeyPress(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        Unload();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (modifiers & Qt::ControlModifier)
        ShowButton_Click();
    else
        find();
    return true;
}

void ValueWindow::keyPressEvent(QKeyEvent* e) {
    // Away from the field, Return presses the focused control, as in every window.
    const bool plainReturn = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
                             !(e->modifiers() & Qt::ControlModifier);
    if ((plainReturn && focusedControl()) || !ValueField_KeyPress(e->key(), e->modifiers()))
        Form::keyPressEvent(e);
}

bool ValueWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &valueField() && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        return ValueField_KeyPress(k->key(), k->modifiers());
    }
    return Form::eventFilter(watched, e);
}

} // namespace zq::ui
