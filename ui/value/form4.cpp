// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/form4.h"

#include "assets/designs/designs.h"
#include "model/colour_table.h"
#include "model/value_input.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "ui/main/form1.h"

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

Form4::Form4(Form1& mainWindow)
    : SecondaryWindow(designs::form4(), mainWindow), Label3(label("Label3")),
      Label5(label("Label5")), Label6(label("Label6")), Label9(label("Label9")),
      Label10(label("Label10")), Label11(label("Label11")), Label14(label("Label14")),
      Line1(line("Line1")), main_(&mainWindow) {
    for (int i = 0; i < 8; ++i) {
        Label13[i] = &label("Label13", i);
        Image17[i] = &image("Image17", i);
    }
    for (int i = 0; i < 6; ++i)
        Label15[i] = &label("Label15", i);
    for (int i = 0; i < 5; ++i)
        Image10[i] = &image("Image10", i);
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    wire();
    wireKeyboard();
}

void Form4::wireKeyboard() {
    auto& find = image(QStringLiteral("Image3"));
    auto& give = image(QStringLiteral("Image4"));
    auto& close = image(QStringLiteral("Image8"));
    std::vector<zq::Control*> bands{&Label5, &Label6};
    std::vector<zq::Control*> tolerances(Label13.begin(), Label13.end());
    std::vector<zq::Control*> standard(Label15.begin(), Label15.end());
    std::vector<zq::Control*> order{&textBox(QStringLiteral("Text1")), &find, &give};
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
    button(Label5, [] { return QStringLiteral("四环"); });
    button(Label6, [] { return QStringLiteral("五环"); });
    for (std::size_t i = 0; i < Label13.size(); ++i)
        button(*Label13[i], [i] {
            const auto& c = model::colourRecord(model::kTolerancePalette[i]);
            return q(std::string(c.name)) + QStringLiteral("，") +
                   q(model::toleranceText(c.tolerance));
        });
    text(Label14);
    text(Label3);
    for (zq::Label* l : {&Label9, &Label10, &Label11})
        text(*l);
    for (zq::Label* l : Label15)
        button(*l, caption(*l));
    button(close, [] { return QStringLiteral("关闭"); });
    setAccessibleItems(std::move(items));
}

void Form4::wire() {
    image(QStringLiteral("Image8")).Click = [this] { Image8_Click(); };
    image(QStringLiteral("Image3")).Click = [this] { Image3_Click(); };
    image(QStringLiteral("Image4")).Click = [this] { Image4_Click(); };
    Label5.Click = [this] { Label5_Click(); };
    Label6.Click = [this] { Label6_Click(); };
    for (int i = 0; i < 8; ++i)
        Label13[i]->Click = [this, i] { Label13_Click(i); };
    for (int i = 0; i < 6; ++i)
        Label15[i]->Click = [this, i] { Label15_Click(i); };
    dragByTitle();

    QTextEdit& field = valueField();
    // One line: Return is the command, never a line break.
    field.setLineWrapMode(QTextEdit::NoWrap);
    field.setAcceptRichText(false);
    field.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field.setTabChangesFocus(true);
    field.setFocusPolicy(Qt::StrongFocus);
    field.installEventFilter(this);
}

QTextEdit& Form4::valueField() const {
    return *textBox(QStringLiteral("Text1")).widget();
}

void Form4::Form_Load() {
    Label3.setForeColor(kNoteColour);
    Label3.setCaption(QStringLiteral("例如 4.7k、4k7、470R、R47、1M5，按回车查色环。"));
    for (zq::Image* chip : Image10)
        chip->setVisible(false);
    for (zq::Image* band : Image17)
        band->setPicture(LoadResPicture(model::kChipNone, 0));
    showChoices();
    valueField().setFocus();
}

// ---- the choices ------------------------------------------------------------------------------

void Form4::showChoices() {
    Label5.setCaption(Bands == 4 ? QStringLiteral("●四环") : QStringLiteral("○四环"));
    Label6.setCaption(Bands == 5 ? QStringLiteral("●五环") : QStringLiteral("○五环"));
    for (std::size_t i = 0; i < model::kTolerancePalette.size(); ++i) {
        if (model::kTolerancePalette[i] != Tolerance) continue;
        const zq::Label& chip = *Label13[i];
        Line1.setX1(chip.Left());
        Line1.setX2(chip.Left() + chip.Width());
    }
    Label14.setCaption(q(model::toleranceText(model::colourRecord(Tolerance).tolerance)));
}

void Form4::Label5_Click() {
    Bands = 4;
    Tolerance = model::defaultTolerance(Bands);
    showChoices();
    if (Answer) find();
}

void Form4::Label6_Click() {
    Bands = 5;
    Tolerance = model::defaultTolerance(Bands);
    showChoices();
    if (Answer) find();
}

void Form4::Label13_Click(int Index) {
    if (Index < 0 || Index >= int(model::kTolerancePalette.size())) return;
    Tolerance = model::kTolerancePalette[std::size_t(Index)];
    showChoices();
    if (Answer) find();
}

void Form4::Label15_Click(int Index) {
    if (Index < 0 || std::size_t(Index) >= Standard.size()) return;
    valueField().setPlainText(q(model::typedForm(Standard[std::size_t(Index)].value)));
    valueField().moveCursor(QTextCursor::End);
    find();
}

// ---- finding ----------------------------------------------------------------------------------

bool Form4::find() {
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
    showAnswer(f);
    return true;
}

void Form4::showReason(const std::string& reason) {
    // Only the line under the field: what was shown before stays as it was.
    Label3.setForeColor(kReasonColour);
    Label3.setCaption(q(reason));
}

void Form4::showAnswer(const model::Finding& f) {
    Answer = f.answer;
    Standard = f.standard;
    const model::ColourAnswer& a = *Answer;
    const model::DecimalFormat fmt{decimalPoint().toStdString()};
    Label3.setForeColor(kNoteColour);
    Label3.setCaption(q(f.note));

    // The bands in reading order; band 4 of a four-band resistor is no band at all.
    std::vector<int> bands(a.palette.begin(), a.palette.end());
    if (a.bands == 4) bands.erase(bands.begin() + 3);
    for (std::size_t i = 0; i < Image10.size(); ++i) {
        Image10[i]->setVisible(i < bands.size());
        if (i < bands.size()) Image10[i]->setPicture(chipPicture(bands[i]));
    }
    const model::BandState s = model::stateOf(a);
    const int resistor[8] = {s.BandChip[0],    s.BandChip[1], s.BandChip[2],    s.BandChip[3],
                             model::kChipNone, s.BandChip[4], model::kChipNone, model::kChipNone};
    for (std::size_t i = 0; i < Image17.size(); ++i)
        Image17[i]->setPicture(LoadResPicture(resistor[i], 0));

    Label9.setCaption(q(model::colourNames(a)));
    Label10.setCaption(q(model::shownValue(a, fmt)));
    Label11.setCaption(QStringLiteral("误差范围：") + q(model::rangeText(a, fmt)));
    for (std::size_t i = 0; i < Label15.size(); ++i) {
        QString text;
        if (i < Standard.size()) {
            const model::StandardValue& v = Standard[i];
            QStringList series;
            for (const model::ESeries e : v.series)
                series << q(std::string(model::seriesName(e)));
            text = series.join(u'/') + QStringLiteral("  ") + q(model::withUnit(v.value, fmt)) +
                   QStringLiteral("  ") + q(model::percentText(v.percent, fmt));
        }
        Label15[i]->setCaption(text);
        Label15[i]->setVisible(i < Standard.size());
    }
}

void Form4::Image3_Click() {
    find();
}

void Form4::Image4_Click() {
    // What is typed now is what goes over; a value that cannot be read sends nothing.
    if (find()) giveToMainWindow();
}

void Form4::giveToMainWindow() {
    if (!main_ || main_->unloaded() || !Answer) return;
    main_->showColours(*Answer);
    // The answer is on the multimeter and in the flow chart: put them in view. This window
    // stays open behind.
    bringToFront(*main_);
}

// ---- chrome and keys --------------------------------------------------------------------------

void Form4::Image8_Click() {
    Unload();
}

bool Form4::Text1_KeyPress(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Escape) {
        Unload();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (modifiers & Qt::ControlModifier)
        Image4_Click();
    else
        find();
    return true;
}

void Form4::keyPressEvent(QKeyEvent* e) {
    // Away from the field, Return presses the focused control, as in every window.
    const bool plainReturn = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
                             !(e->modifiers() & Qt::ControlModifier);
    if ((plainReturn && focusedControl()) || !Text1_KeyPress(e->key(), e->modifiers()))
        Form::keyPressEvent(e);
}

bool Form4::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &valueField() && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        return Text1_KeyPress(k->key(), k->modifiers());
    }
    return Form::eventFilter(watched, e);
}

} // namespace zq::ui
