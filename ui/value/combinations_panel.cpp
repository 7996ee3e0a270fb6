// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/combinations_panel.h"

#include "model/colour_finder.h"
#include "model/combinations/kit.h"
#include "model/combinations/kit_file.h"
#include "platform/services.h"
#include "ui/part_drawing.h"
#include "ui/value/kit_store.h"
#include "wording/combinations.h"
#include "wording/value.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPalette>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace zq::ui {

namespace {

model::DecimalFormat format() {
    static std::string point;
    point = decimalPoint().toStdString();
    return {point};
}

// The bands of one part, as the value window gives them: four where they carry it exactly.
QString partColours(const model::Decimal& value) {
    for (const int bands : {4, 5}) {
        const model::Finding f = model::findColours(value, bands, model::defaultTolerance(bands));
        if (f.answer && (f.answer->exact || bands == 5)) return wording::colourNames(*f.answer);
    }
    return {};
}

} // namespace

namespace {

// The secondary windows' pink ground and dark blue ink, so that the panel reads as the value
// window's own.
void dressAsSecondaryWindow(QWidget& w) {
    QPalette p = w.palette();
    p.setColor(QPalette::Window, QColor(255, 192, 255));
    p.setColor(QPalette::WindowText, QColor(32, 32, 96));
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

} // namespace

CombinationsPanel::CombinationsPanel(QWidget* parent) : QDialog(parent) {
    dressAsSecondaryWindow(*this);
    setWindowTitle(QCoreApplication::translate("CombinationsPanel", "用手头的电阻凑"));
    setAccessibleName(QCoreApplication::translate("CombinationsPanel", "用手头的电阻凑"));
    auto* layout = new QVBoxLayout(this);
    heading = new QLabel(this);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto* row = new QHBoxLayout;
    auto* caption =
        new QLabel(QCoreApplication::translate("CombinationsPanel", "我有的电阻："), this);
    kitChooser = new QComboBox(this);
    kitChooser->addItems({wording::seriesKitName(model::ESeries::E6),
                          wording::seriesKitName(model::ESeries::E12),
                          wording::seriesKitName(model::ESeries::E24), wording::ownKitName()});
    kitChooser->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "我有的电阻"));
    caption->setBuddy(kitChooser);
    editButton =
        new QPushButton(QCoreApplication::translate("CombinationsPanel", "编辑我的套装…"), this);
    editButton->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "编辑我的套装"));
    row->addWidget(caption);
    row->addWidget(kitChooser);
    row->addWidget(editButton);
    row->addStretch();
    layout->addLayout(row);

    note = new QLabel(this);
    note->setWordWrap(true);
    note->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "说明"));
    layout->addWidget(note);
    lines = new QListWidget(this);
    lines->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "凑法"));
    lines->setIconSize(QSize(3 * 26, 12));
    lines->setFixedHeight(lines->fontMetrics().height() * 5);
    layout->addWidget(lines);
    working = new QLabel(this);
    working->setWordWrap(true);
    working->setTextInteractionFlags(Qt::TextSelectableByMouse);
    working->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "算式"));
    working->setMinimumHeight(working->fontMetrics().height() * 5);
    working->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(working);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)
        ->setText(QCoreApplication::translate("CombinationsPanel", "关闭"));
    buttons->button(QDialogButtonBox::Close)
        ->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "关闭"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const OwnKit own = loadOwnKit();
    ownKit = own.values;
    ownKitNote_ = own.note;
    kitChooser->setCurrentIndex(E12);
    editButton->setEnabled(false);
    connect(kitChooser, &QComboBox::currentIndexChanged, this, [this](int i) {
        editButton->setEnabled(i == Own);
        search();
    });
    connect(editButton, &QPushButton::clicked, this, [this] { editOwnKit(); });
    connect(lines, &QListWidget::currentRowChanged, this, [this](int r) { showWorking(r); });
    resize(520, 0);
    clearWanted();
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

void CombinationsPanel::chooseKit(KitChoice k) {
    kitChooser->setCurrentIndex(k);
}

void CombinationsPanel::search() {
    lines->clear();
    shown.clear();
    working->clear();
    const int choice = kitChooser->currentIndex();
    QStringList notes;
    if (choice == Own && !ownKitNote_.isEmpty()) notes << ownKitNote_;
    if (!wanted_) {
        heading->setText(QCoreApplication::translate(
            "CombinationsPanel",
            "在“由阻值查色环”窗口查一个阻值，这里给出用手头的电阻凑它的办法。"));
        note->setText(notes.join(QLatin1Char(' ')));
        return;
    }
    const model::DecimalFormat fmt = format();
    const std::vector<model::Decimal> values =
        choice == Own ? ownKit
                      : model::seriesKit(choice == E6    ? model::ESeries::E6
                                         : choice == E12 ? model::ESeries::E12
                                                         : model::ESeries::E24);
    QString headingText =
        wording::combinationsHeading(*wanted_, kitChooser->currentText(), tolerance_, fmt);
    headingText.chop(1); // the terminal's colon: the list stands below, not after it
    heading->setText(headingText);
    const model::Kit kit(values);
    const model::Combinations made = model::findCombinations(*wanted_, kit, tolerance_);
    if (made.wantedFault)
        notes << wording::wantedFault(*made.wantedFault);
    else if (kit.empty())
        notes << wording::emptyKit();
    else if (!made.simplest)
        notes << wording::noneWithinTolerance(tolerance_);
    note->setText(notes.join(QLatin1Char(' ')));
    for (const auto& c : made.bestOfParts) {
        if (!c) continue;
        shown.push_back(*c);
        // The parts drawn before the line, as the kit's parts look.
        auto* item = new QListWidgetItem(wording::combinationEntry(*c, made.simplest == c, fmt));
        item->setIcon(partsIcon(c->parts, choice == E6    ? model::palette::kNone
                                          : choice == E12 ? model::palette::kSilver
                                                          : model::palette::kGold));
        lines->addItem(item);
    }
    if (!shown.empty())
        working->setText(QCoreApplication::translate("CombinationsPanel",
                                                     "点一种凑法，看它的算式和每个电阻的色环。"));
}

void CombinationsPanel::showWorking(int row) {
    if (row < 0 || std::size_t(row) >= shown.size()) return;
    const model::Combination& c = shown[std::size_t(row)];
    const model::DecimalFormat fmt = format();
    QStringList text = wording::working(c, fmt);
    // Each value once, in the order of the parts.
    std::vector<model::Decimal> seen;
    for (const model::Decimal& p : c.parts) {
        if (std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
        seen.push_back(p);
        text << wording::partColours(p, partColours(p), fmt);
    }
    working->setText(text.join(QLatin1Char('\n')));
}

void CombinationsPanel::editOwnKit() {
    OwnKitDialog dialog(this, ownKit);
    if (dialog.exec() != QDialog::Accepted) return;
    ownKit = dialog.values;
    ownKitNote_.clear();
    if (kitChooser->currentIndex() != Own)
        kitChooser->setCurrentIndex(Own);
    else
        search();
}

OwnKitDialog::OwnKitDialog(QWidget* parent, const std::vector<model::Decimal>& kit)
    : QDialog(parent), values(kit) {
    dressAsSecondaryWindow(*this);
    setWindowTitle(wording::ownKitName());
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(
        QCoreApplication::translate(
            "CombinationsPanel",
            "一行一个阻值，写法和查色环一样（4.7k、4k7、470R、4.7千欧）；也可以粘贴一串，用逗号"
            "或顿号隔开。# 后面是注释。"),
        this);
    help->setWordWrap(true);
    layout->addWidget(help);
    editor = new QPlainTextEdit(this);
    editor->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "我的套装里的阻值"));
    editor->setPlainText(QString::fromStdString(model::kitText(kit)));
    layout->addWidget(editor);
    note = new QLabel(this);
    note->setWordWrap(true);
    note->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "说明"));
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)
        ->setText(QCoreApplication::translate("CombinationsPanel", "保存"));
    buttons->button(QDialogButtonBox::Save)
        ->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "保存"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("CombinationsPanel", "取消"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setAccessibleName(QCoreApplication::translate("CombinationsPanel", "取消"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(360, 420);
}

void OwnKitDialog::save() {
    // A pasted list becomes one value a line, and stays so in the editor, so that a refused
    // line is found by the number the note gives.
    QString text = editor->toPlainText();
    static const QRegularExpression kSeparators(
        QStringLiteral("[,;\\t\\x{FF0C}\\x{3001}\\x{FF1B}]+"));
    if (text.contains(kSeparators)) {
        QStringList kept;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            // A comment keeps its commas.
            const qsizetype hash = line.indexOf(QRegularExpression(QStringLiteral("[#\\x{FF03}]")));
            const QString head = hash < 0 ? line : line.left(hash);
            const QString tail = hash < 0 ? QString() : line.mid(hash);
            QStringList pieces = head.split(kSeparators, Qt::SkipEmptyParts);
            for (QString& p : pieces)
                p = p.trimmed();
            if (!tail.isEmpty()) pieces << tail;
            kept << pieces;
        }
        text = kept.join(QLatin1Char('\n'));
        editor->setPlainText(text);
    }
    const QByteArray bytes = text.toUtf8();
    const model::KitFile kit =
        model::readKit(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!kit.refused.empty()) {
        note->setText(wording::kitLineRefused(wording::ownKitName(), kit.refused.front()));
        return;
    }
    if (const QString why = saveOwnKit(kit.values); !why.isEmpty()) {
        note->setText(why);
        return;
    }
    values = kit.values;
    accept();
}

} // namespace zq::ui
