// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/practice/practice_window.h"

#include "assets/designs/designs.h"
#include "model/colour_code.h"
#include "model/value_input.h"
#include "platform/pictures.h"
#include "platform/services.h"
#include "wording/practice.h"
#include "wording/value.h"
#include "wording/words.h"

#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextEdit>
#include <algorithm>

namespace zq::ui {

namespace {

namespace practice = model::practice;
using practice::QuestionKind;

const QColor kWrongColour(224, 0, 0);
const QColor kRightColour(0, 128, 48);
const QColor kNoteColour(32, 32, 96);

model::DecimalFormat userFormat() {
    return {decimalPoint().toStdString()};
}

} // namespace

PracticeWindow::PracticeWindow(zq::Form& mainWindow, const Options& options)
    : SecondaryWindow(designs::practiceWindow(), mainWindow),
      Question(label(QStringLiteral("Question"))), Verdict(label(QStringLiteral("Verdict"))),
      Working(label(QStringLiteral("Working"))), Hint(label(QStringLiteral("Hint"))),
      Notice(label(QStringLiteral("Notice"))), Picks(label(QStringLiteral("Picked"))),
      Code(label(QStringLiteral("Code"))), ChartCaption(label(QStringLiteral("ChartCaption"))),
      BodyLeft(image(QStringLiteral("BodyLeft"))), BodyRight(image(QStringLiteral("BodyRight"))),
      random_(options.seed ? *options.seed : QRandomGenerator::global()->generate64()),
      file_(options.progressPath.isEmpty() ? ProgressFile::defaultPath() : options.progressPath) {
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        Chip[std::size_t(i)] = &image(QStringLiteral("Chip"), i);
    for (int i = 0; i < 8; ++i)
        Band[std::size_t(i)] = &image(QStringLiteral("Band"), i);
    for (int i = 0; i < practice::kQuestionKinds; ++i)
        QuestionRow[std::size_t(i)] = &label(QStringLiteral("QuestionKind"), i);
    for (int i = 0; i < practice::kMistakeKinds; ++i)
        MistakeRow[std::size_t(i)] = &label(QStringLiteral("MistakeKind"), i);
    for (int i = practice::kQuestionKinds; i < 6; ++i)
        label(QStringLiteral("QuestionKind"), i).setVisible(false);
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    ConfirmRestart = [this] {
        return QMessageBox::question(this, wording::restartTitle(), wording::restartQuestion(),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };

    const ProgressFile::Loaded loaded = file_.load();
    Learner = loaded.state;
    // Said once: the file is out of the way, and the next save writes a good one.
    keepNotice_ = loaded.unreadable;
    if (loaded.unreadable)
        say(loaded.setAsideAs.isEmpty()
                ? wording::progressNotSetAside(QDir::toNativeSeparators(file_.path()))
                : wording::progressSetAside(loaded.setAsideAs));

    ChartCaption.setCaption(wording::chartCaption());
    for (const QuestionKind k : practice::kAllQuestionKinds)
        QuestionRow[std::size_t(k)]->setCaption(wording::questionKindName(k));
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        MistakeRow[std::size_t(k)]->setCaption(wording::mistakeKindName(k));
    dragByTitle();
    wire();
    wireKeyboard();
    ask(practice::nextQuestion(Learner, random_));
}

void PracticeWindow::wire() {
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        Chip[std::size_t(i)]->Click = [this, i] { Chip_Click(i); };
    image(QStringLiteral("BackButton")).Click = [this] { BackButton_Click(); };
    image(QStringLiteral("ClearButton")).Click = [this] { ClearButton_Click(); };
    image(QStringLiteral("HintButton")).Click = [this] { HintButton_Click(); };
    image(QStringLiteral("NextButton")).Click = [this] { NextButton_Click(); };
    image(QStringLiteral("AnswerButton")).Click = [this] { AnswerButton_Click(); };
    image(QStringLiteral("RestartButton")).Click = [this] { RestartButton_Click(); };
    image(QStringLiteral("CloseBox")).Click = [this] { CloseBox_Click(); };
    BodyLeft.Click = [this] { End_Click(practice::End::Left); };
    BodyRight.Click = [this] { End_Click(practice::End::Right); };
    oneLineField(answerField());
}

void PracticeWindow::wireKeyboard() {
    auto& back = image(QStringLiteral("BackButton"));
    auto& clear = image(QStringLiteral("ClearButton"));
    auto& hint = image(QStringLiteral("HintButton"));
    auto& next = image(QStringLiteral("NextButton"));
    auto& answer = image(QStringLiteral("AnswerButton"));
    auto& restart = image(QStringLiteral("RestartButton"));
    auto& close = image(QStringLiteral("CloseBox"));
    std::vector<zq::Control*> chips(Chip.begin(), Chip.end());
    std::vector<zq::Control*> order = chips;
    order.insert(order.end(), {&back, &clear, &hint, &next, &BodyLeft, &BodyRight,
                               &textBox(QStringLiteral("Answer")), &answer, &restart, &close});
    setFocusOrder(order);
    addArrowGroup(chips);
    addArrowGroup({&back, &clear, &hint, &next});
    addArrowGroup({&BodyLeft, &BodyRight});
    // A chip code has no ends to choose.
    passOverWhenHidden({&BodyLeft, &BodyRight});

    std::vector<zq::AccessibleItem> items;
    const ReadAsShown text{items};
    const ReadAsButton button{items};
    text(label(QStringLiteral("title")));
    // The question as a screen reader hears it: the bands in order, the gap named.
    items.push_back({&Question, QAccessible::StaticText,
                     [this] { return wording::questionSpoken(Current, userFormat()); },
                     [this] { return Question.Caption(); }, {}});
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        button(*Chip[std::size_t(i)], [i] { return wording::colourName(i); });
    button(back, [] { return QCoreApplication::translate("Practice", "退一环"); });
    button(clear, [] { return QCoreApplication::translate("Practice", "清除"); });
    button(hint, [] { return QCoreApplication::translate("Practice", "提示"); });
    button(next, [] { return QCoreApplication::translate("Practice", "下一题"); });
    button(BodyLeft, [] { return QCoreApplication::translate("Practice", "从左端读起"); });
    button(BodyRight, [] { return QCoreApplication::translate("Practice", "从右端读起"); });
    answerField().setAccessibleName(QCoreApplication::translate("Practice", "你的答案"));
    button(answer, [] { return QCoreApplication::translate("Practice", "作答"); });
    text(Picks);
    text(Verdict);
    text(Working);
    text(Hint);
    text(Notice);
    button(restart, [] { return QCoreApplication::translate("Practice", "重新开始"); });
    text(ChartCaption);
    for (const QuestionKind k : practice::kAllQuestionKinds)
        items.push_back({QuestionRow[std::size_t(k)], QAccessible::StaticText,
                         [this, k] {
                             return wording::chartRowSpoken(wording::questionKindName(k),
                                                            Learner.of(k));
                         },
                         {}, {}});
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        items.push_back({MistakeRow[std::size_t(k)], QAccessible::StaticText,
                         [this, k] {
                             return wording::chartRowSpoken(wording::mistakeKindName(k),
                                                            Learner.of(k));
                         },
                         {}, {}});
    button(close, [] { return QCoreApplication::translate("Practice", "关闭"); });
    setAccessibleItems(std::move(items));
}

QTextEdit& PracticeWindow::answerField() const {
    return *textBox(QStringLiteral("Answer")).widget();
}

void PracticeWindow::onLoad() {
    focusAnswer();
}

// ---- the question ----------------------------------------------------------------------------

void PracticeWindow::ask(const practice::Question& q) {
    Current = q;
    Last.reset();
    Picked.clear();
    HintsShown = 0;
    Question.setForeColor(kNoteColour);
    Question.setCaption(wording::questionText(Current, userFormat()));
    Verdict.setCaption({});
    Working.setCaption({});
    Hint.setCaption({});
    // A remark about the last question goes with it; one about the progress file stays for
    // the first question after it.
    if (!keepNotice_) Notice.setCaption({});
    keepNotice_ = false;
    answerField().clear();
    answerField().setEnabled(Current.typed());
    showPart();
    showChart();
    focusAnswer();
    announceChanges();
}

void PracticeWindow::focusAnswer() {
    // The keys go where the answer is given: the field, the palette, or the ends of the part.
    if (Current.typed()) {
        setFocusedControl(&textBox(QStringLiteral("Answer")));
        answerField().setFocus();
    } else {
        setFocus();
        setFocusedControl(Current.kind == QuestionKind::PickBands ? static_cast<zq::Control*>(Chip[0])
                                                                  : &BodyLeft);
    }
}

void PracticeWindow::showPart() {
    const bool chip = Current.kind == QuestionKind::ChipCode;
    const bool pick = Current.kind == QuestionKind::PickBands;
    Code.setVisible(chip);
    Code.setCaption(chip ? wording::q(Current.code) : QString());
    BodyLeft.setVisible(!chip);
    BodyRight.setVisible(!chip);
    // The bands picked so far stand where a part of the size asked for has them.
    PartLook look;
    if (pick) {
        look = madeLook(Current.answerBands, false);
        look.bands.resize(std::min(look.bands.size(), Picked.size()));
        for (std::size_t i = 0; i < look.bands.size(); ++i)
            look.bands[i].colour = Picked[i];
    } else if (!chip) {
        look = madeLook(Current.part.bands, Current.part.reversed);
        if (!Current.part.gapShown()) look = evenLook(Current.part.shown(), look.body);
    }
    Drawn = look;
    ui::showPart(look, BodyLeft, Band, BodyRight);
    for (zq::Image* b : Band)
        b->setVisible(!chip);
    Picks.setCaption(pick ? wording::pickedText(Picked, Current.bandCount) : QString());
}

// ---- answering -------------------------------------------------------------------------------

void PracticeWindow::say(const QString& text) {
    Notice.setCaption(text);
}

void PracticeWindow::Chip_Click(int Index) {
    if (Index < 0 || Index >= model::palette::kPaintedSize) return;
    if (Current.kind != QuestionKind::PickBands || Last) return say(wording::notForThisQuestion());
    if (int(Picked.size()) >= Current.bandCount) return;
    Picked.push_back(Index);
    showPart();
}

void PracticeWindow::BackButton_Click() {
    if (Current.kind != QuestionKind::PickBands || Last || Picked.empty()) return;
    Picked.pop_back();
    showPart();
}

void PracticeWindow::ClearButton_Click() {
    if (Current.kind != QuestionKind::PickBands || Last) return;
    Picked.clear();
    showPart();
}

void PracticeWindow::HintButton_Click() {
    if (HintsShown >= wording::hintCount(Current)) return;
    ++HintsShown;
    QStringList lines;
    for (int h = 1; h <= HintsShown; ++h)
        lines << wording::hintText(Current, h);
    Hint.setCaption(lines.join(QLatin1Char('\n')));
}

void PracticeWindow::NextButton_Click() {
    ask(practice::nextQuestion(Learner, random_));
}

void PracticeWindow::AnswerButton_Click() {
    if (Last) return NextButton_Click();
    switch (Current.kind) {
    case QuestionKind::PickBands:
        return answered(practice::judgeBands(Current, Picked));
    case QuestionKind::ReadDirection:
        return say(wording::notForThisQuestion());
    default:
        return Answer_Return();
    }
}

void PracticeWindow::Answer_Return() {
    if (Last) return NextButton_Click();
    if (!Current.typed()) return;
    answered(practice::judgeText(Current, answerField().toPlainText().trimmed().toStdString(),
                                 decimalPoint().toStdString()));
}

void PracticeWindow::End_Click(practice::End end) {
    if (Current.kind != QuestionKind::ReadDirection) return say(wording::notForThisQuestion());
    if (Last) return;
    answered(practice::judgeEnd(Current, end));
}

void PracticeWindow::answered(const practice::Judgement& j) {
    const model::DecimalFormat fmt = userFormat();
    if (j.verdict == practice::Verdict::Unreadable) {
        QString reason;
        if (Current.typed()) {
            const std::string typed = answerField().toPlainText().trimmed().toStdString();
            if (!typed.empty()) reason = wording::inputReason(model::parseValue(typed, fmt.point));
        }
        Verdict.setForeColor(kWrongColour);
        Verdict.setCaption(wording::unreadableText(Current, reason, int(Picked.size())));
        announceChanges();
        return;
    }
    Last = j;
    practice::record(Learner, Current, j, HintsShown > 0);
    const bool right = j.verdict == practice::Verdict::Right;
    Verdict.setForeColor(right ? kRightColour : kWrongColour);
    Verdict.setCaption(wording::verdictText(Current, j, HintsShown > 0, fmt));
    Working.setCaption(wording::workingText(Current, fmt));
    if (Current.kind == QuestionKind::PickBands) {
        // The right bands where the picked ones were, so that the two can be compared.
        Picks.setCaption(wording::shortNames(Current.answerBands));
    }
    save();
    showChart();
    announceChanges();
}

void PracticeWindow::save() {
    const QString why = file_.save(Learner);
    if (!why.isEmpty()) say(wording::progressNotSaved(why));
}

void PracticeWindow::RestartButton_Click() {
    if (ConfirmRestart && !ConfirmRestart()) return;
    Learner = {};
    say(wording::restarted());
    save(); // says so when the file could not be written
    keepNotice_ = true;
    NextButton_Click();
}

void PracticeWindow::CloseBox_Click() {
    Unload();
}

bool PracticeWindow::keyPressed(int KeyCode, int Shift) {
    if (Shift & (kCtrlMask | kAltMask)) return false;
    // Once answered, Return on the chips or the ends of the part goes on, as in the field.
    const zq::Control* at = focusedControl();
    const bool onAnswer = at == &BodyLeft || at == &BodyRight ||
                          std::find(Chip.begin(), Chip.end(), at) != Chip.end();
    if (Last && onAnswer && (KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter)) {
        NextButton_Click();
        return true;
    }
    if (Current.kind == QuestionKind::PickBands && KeyCode >= Qt::Key_0 && KeyCode <= Qt::Key_9) {
        Chip_Click(*model::colourOfDigit(KeyCode - Qt::Key_0));
        return true;
    }
    if (Current.kind == QuestionKind::PickBands && KeyCode == Qt::Key_Backspace) {
        BackButton_Click();
        return true;
    }
    return false;
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == &answerField() && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape) {
            Unload();
            return true;
        }
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Answer_Return();
            return true;
        }
    }
    return SecondaryWindow::eventFilter(watched, e);
}

// ---- the chart -------------------------------------------------------------------------------

QRect PracticeWindow::barRect(bool mistakes, int row) const {
    const zq::Label& l = mistakes ? *MistakeRow[std::size_t(row)] : *QuestionRow[std::size_t(row)];
    const QRect r = l.pixelRect();
    return QRect(r.right() + 4, r.top() + 3, 10 * practice::kRecent, 11);
}

void PracticeWindow::showChart() {
    update(QRect(20, 564, 476, 100));
}

void PracticeWindow::paintEvent(QPaintEvent* e) {
    SecondaryWindow::paintEvent(e);
    QPainter p(this);
    p.setFont(ChartCaption.font());
    auto bar = [&](const QRect& r, const practice::Track& t) {
        const int right = t.rightLately(), helped = t.helpedLately();
        const int wrong = int(t.recent.size()) - right - helped;
        const int unit = r.width() / practice::kRecent;
        p.fillRect(r, QColor(246, 236, 244));
        QRect seg(r.left(), r.top(), unit * right, r.height());
        p.fillRect(seg, QColor(64, 176, 96));
        seg = QRect(seg.right() + 1, r.top(), unit * helped, r.height());
        p.fillRect(seg, QColor(236, 196, 64));
        seg = QRect(seg.right() + 1, r.top(), unit * wrong, r.height());
        p.fillRect(seg, QColor(232, 128, 140));
        p.setPen(QColor(214, 178, 206));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(kNoteColour);
        p.drawText(QRect(r.right() + 5, r.top() - 3, 36, r.height() + 6),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1/%2").arg(right).arg(t.recent.size()));
    };
    for (const QuestionKind k : practice::kAllQuestionKinds)
        bar(barRect(false, int(k)), Learner.of(k));
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        bar(barRect(true, int(k)), Learner.of(k));
    if (!Working.Caption().isEmpty()) paintWorking(p);
}

void PracticeWindow::paintWorking(QPainter& p) const {
    if (Current.kind == QuestionKind::ChipCode) return;
    const std::vector<int>& bands =
        Current.kind == QuestionKind::PickBands ? Current.answerBands : Current.part.bands;
    const model::BandLayout* layout = model::layoutOf(int(bands.size()));
    if (!layout) return;
    const int digits = layout->digits;
    const model::ColourRecord& multiplier = model::colourRecord(bands[std::size_t(digits)]);
    // The main window's inks: digits on green, weights on cyan, the multiplier on yellow.
    const QColor digitInk(204, 255, 204), weightInk(204, 255, 255), multiplierInk(255, 255, 204),
        signInk(255, 204, 255), frame(232, 0, 0), text(32, 32, 96);
    const QRect area = Working.pixelRect();
    const int left = area.right() - 196, rowHeight = 15, gap = 10;
    int y = area.top() + 4;
    p.setFont(Working.font());
    auto box = [&](const QRect& r, const QColor& ink, const QString& t) {
        p.fillRect(r, ink);
        p.setPen(text);
        p.drawText(r, Qt::AlignCenter, t);
    };
    // Each digit with its weight, in a red frame as the main window groups them.
    const QRect digitsFrame(left - 2, y - 2, 112, digits * rowHeight + (digits - 1) * gap + 4);
    std::uint64_t sum = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = model::colourRecord(bands[std::size_t(i)]).digit;
        const int power = digits - 1 - i;
        sum = sum * 10 + std::uint64_t(d);
        box(QRect(left, y, 40, rowHeight), digitInk, QString::number(d));
        box(QRect(left + 44, y, 64, rowHeight), weightInk,
            QStringLiteral("×1") + QString(power, QLatin1Char('0')));
        y += rowHeight;
        if (i + 1 < digits) {
            box(QRect(left + 14, y, 12, gap), signInk, QStringLiteral("+"));
            y += gap;
        }
    }
    p.setPen(frame);
    p.drawRect(digitsFrame);
    box(QRect(left + 120, area.top() + 4, 66, rowHeight), digitInk, QString::number(sum));
    box(QRect(left + 120, area.top() + 4 + rowHeight + 2, 66, rowHeight), signInk,
        QStringLiteral("×"));
    box(QRect(left + 120, area.top() + 4 + 2 * (rowHeight + 2), 66, rowHeight), multiplierInk,
        wording::q(multiplier.multiplier().text(zq::decimalPoint().toStdString())));
    box(QRect(left + 120, area.top() + 4 + 3 * (rowHeight + 2), 76, rowHeight), digitInk,
        wording::resultOhms(Current.value, true, {zq::decimalPoint().toStdString()}));
}

} // namespace zq::ui
