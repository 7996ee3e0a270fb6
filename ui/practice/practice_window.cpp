// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/practice/practice_window.h"
#include "ui/words.h"

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
const QColor kHintColour(0, 128, 128);

} // namespace

PracticeWindow::PracticeWindow(zq::Form& mainWindow, const Options& options)
    : SecondaryWindow(designs::practiceWindow(), mainWindow),
      Question(label(QStringLiteral("Question"))), Verdict(label(QStringLiteral("Verdict"))),
      Working(label(QStringLiteral("Working"))), Hint(label(QStringLiteral("Hint"))),
      Notice(label(QStringLiteral("Notice"))), Picks(label(QStringLiteral("Picked"))),
      Code(label(QStringLiteral("Code"))), ChartCaption(label(QStringLiteral("ChartCaption"))),
      PartTag(label(QStringLiteral("PartTag"))),
      BodyLeft(image(QStringLiteral("BodyLeft"))), BodyRight(image(QStringLiteral("BodyRight"))),
      random_(options.seed ? *options.seed : QRandomGenerator::global()->generate64()),
      file_(options.progressPath.isEmpty() ? ProgressFile::defaultPath() : options.progressPath) {
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        Chip[std::size_t(i)] = &image(QStringLiteral("Chip"), i);
    for (int i = 0; i < 8; ++i)
        Band[std::size_t(i)] = &image(QStringLiteral("Band"), i);
    for (int i = 0; i < practice::kQuestionKinds; ++i)
        QuestionRow[std::size_t(i)] = &label(QStringLiteral("QuestionKind"), i);
    for (int i = 0; i < practice::kMistakeKinds; ++i) {
        MistakeRow[std::size_t(i)] = &label(QStringLiteral("MistakeKind"), i);
        MistakeTally[std::size_t(i)] = &label(QStringLiteral("MistakeTally"), i);
    }
    for (int i = 0; i < practice::kQuestionKinds; ++i)
        QuestionTally[std::size_t(i)] = &label(QStringLiteral("QuestionTally"), i);
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    ConfirmRestart = [this] {
        return QMessageBox::question(this, q(wording::restartTitle()), q(wording::restartQuestion()),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };

    const ProgressFile::Loaded loaded = file_.load();
    Learner = loaded.state;
    // Said once: the file is out of the way, and the next save writes a good one.
    keepNotice_ = loaded.unreadable;
    leaveFileAlone_ = loaded.unreadable && loaded.setAsideAs.isEmpty();
    if (loaded.unreadable)
        say(loaded.setAsideAs.isEmpty()
                ? q(wording::progressNotSetAside(QDir::toNativeSeparators(file_.path()).toStdString()))
                : q(wording::progressSetAside(loaded.setAsideAs.toStdString())));

    ChartCaption.setCaption(q(wording::chartCaption()));
    label(QStringLiteral("QuestionHeading")).setCaption(q(wording::questionHeading()));
    label(QStringLiteral("QuestionTallyHeading")).setCaption(q(wording::questionTallyHeading()));
    label(QStringLiteral("MistakeHeading")).setCaption(q(wording::mistakeHeading()));
    label(QStringLiteral("MistakeTallyHeading")).setCaption(q(wording::mistakeTallyHeading()));
    for (const QuestionKind k : practice::kAllQuestionKinds)
        QuestionRow[std::size_t(k)]->setCaption(q(wording::questionKindName(k)));
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        MistakeRow[std::size_t(k)]->setCaption(q(wording::mistakeKindName(k)));
    dragByTitle();
    wire();
    wireKeyboard();
    ask(practice::nextQuestion(Learner, random_));
}

void PracticeWindow::wire() {
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        Chip[std::size_t(i)]->Click = [this, i] { chipClicked(i); };
    image(QStringLiteral("BackButton")).Click = [this] { backButtonClicked(); };
    image(QStringLiteral("ClearButton")).Click = [this] { clearButtonClicked(); };
    image(QStringLiteral("HintButton")).Click = [this] { hintButtonClicked(); };
    image(QStringLiteral("NextButton")).Click = [this] { nextButtonClicked(); };
    image(QStringLiteral("AnswerButton")).Click = [this] { answerButtonClicked(); };
    image(QStringLiteral("RestartButton")).Click = [this] { restartButtonClicked(); };
    image(QStringLiteral("CloseBox")).Click = [this] { closeBoxClicked(); };
    BodyLeft.Click = [this] { endClicked(practice::End::Left); };
    BodyRight.Click = [this] { endClicked(practice::End::Right); };
    for (int i = 0; i < practice::kQuestionKinds; ++i)
        QuestionRow[std::size_t(i)]->Click = QuestionTally[std::size_t(i)]->Click = [this, i] {
            rowClicked(false, i);
        };
    for (int i = 0; i < practice::kMistakeKinds; ++i)
        MistakeRow[std::size_t(i)]->Click = MistakeTally[std::size_t(i)]->Click = [this, i] {
            rowClicked(true, i);
        };
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
    std::vector<zq::Control*> rows(QuestionRow.begin(), QuestionRow.end());
    rows.insert(rows.end(), MistakeRow.begin(), MistakeRow.end());
    std::vector<zq::Control*> order = chips;
    order.insert(order.end(), {&back, &clear, &hint, &next, &BodyLeft, &BodyRight,
                               &textBox(QStringLiteral("Answer")), &answer});
    order.insert(order.end(), rows.begin(), rows.end());
    order.insert(order.end(), {&restart, &close});
    setFocusOrder(order);
    addArrowGroup(chips);
    addArrowGroup({&back, &clear, &hint, &next});
    addArrowGroup({&BodyLeft, &BodyRight});
    addArrowGroup(rows);
    // A chip code has no ends to choose.
    passOverWhenHidden({&BodyLeft, &BodyRight});

    std::vector<zq::AccessibleItem> items;
    const ReadAsShown text{items};
    const ReadAsButton button{items};
    text(label(QStringLiteral("title")));
    // The question as a screen reader hears it: the bands in order, the gap named.
    items.push_back({&Question, QAccessible::StaticText,
                     [this] { return q(wording::questionSpoken(Current, wording::userNumbers())); },
                     [this] { return Question.Caption(); }, {}});
    for (int i = 0; i < model::palette::kPaintedSize; ++i)
        button(*Chip[std::size_t(i)], [i] { return q(wording::colourName(i)); });
    button(back, [] { return QCoreApplication::translate("Practice", "退一环"); });
    button(clear, [] { return QCoreApplication::translate("Practice", "清除"); });
    button(hint, [] { return QCoreApplication::translate("Practice", "提示"); });
    button(next, [] { return QCoreApplication::translate("Practice", "下一题"); });
    button(BodyLeft, [] { return QCoreApplication::translate("Practice", "从左端读起"); });
    button(BodyRight, [] { return QCoreApplication::translate("Practice", "从右端读起"); });
    answerField().setAccessibleName(QCoreApplication::translate("Practice", "你的答案"));
    button(answer, [] { return QCoreApplication::translate("Practice", "作答"); });
    text(PartTag);
    text(Picks);
    text(Verdict);
    text(Working);
    text(Hint);
    text(Notice);
    button(restart, [] { return QCoreApplication::translate("Practice", "重新开始"); });
    text(label(QStringLiteral("QuestionHeading")));
    text(label(QStringLiteral("QuestionTallyHeading")));
    // A row is pressed for a question of its kind; its name says what it counts.
    for (const QuestionKind k : practice::kAllQuestionKinds)
        button(*QuestionRow[std::size_t(k)], [this, k] {
            return q(wording::chartRowSpoken(wording::questionKindName(k), Learner.of(k)));
        });
    text(label(QStringLiteral("MistakeHeading")));
    text(label(QStringLiteral("MistakeTallyHeading")));
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        button(*MistakeRow[std::size_t(k)], [this, k] {
            return q(wording::mistakeRowSpoken(wording::mistakeKindName(k), Learner.of(k)));
        });
    text(ChartCaption);
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

void PracticeWindow::ask(const practice::Question& question) {
    Current = question;
    Last.reset();
    Picked.clear();
    ChosenEnd.reset();
    HintsShown = 0;
    Question.setForeColor(kNoteColour);
    Question.setCaption(q(wording::questionText(Current, wording::userNumbers())));
    Verdict.setCaption({});
    Working.setCaption({});
    // The review of a round just ended stands where the hints will, until the first of them.
    Hint.setForeColor(reviewDue_ ? kNoteColour : kHintColour);
    Hint.setCaption(reviewDue_ ? q(wording::roundReview(Learner)) : QString());
    reviewDue_ = false;
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
        // No end may look chosen before the learner chooses one.
        setFocusedControl(Current.kind == QuestionKind::PickBands ? static_cast<zq::Control*>(Chip[0])
                                                                  : nullptr);
    }
}

void PracticeWindow::showPart() {
    const bool chip = Current.kind == QuestionKind::ChipCode;
    const bool pick = Current.kind == QuestionKind::PickBands;
    Code.setVisible(chip);
    Code.setCaption(chip ? q(Current.code) : QString());
    BodyLeft.setVisible(!chip);
    BodyRight.setVisible(!chip);
    // The bands picked so far stand where a part of the size asked for has them.
    // A question passed over shows the right ones instead, and a tag says whose they are.
    const bool answerDrawn = pick && Last && Last->verdict == practice::Verdict::Skipped;
    const bool wrongDrawn = pick && Last && Last->verdict == practice::Verdict::Wrong;
    PartLook look;
    if (pick) {
        look = madeLook(Current.answerBands, false);
        if (!answerDrawn) {
            look.bands.resize(std::min(look.bands.size(), Picked.size()));
            for (std::size_t i = 0; i < look.bands.size(); ++i)
                look.bands[i].colour = Picked[i];
        }
    } else if (!chip) {
        look = madeLook(Current.part.bands, Current.part.reversed);
        if (!Current.part.gapShown()) look = evenLook(Current.part.shown(), look.body);
    }
    Drawn = look;
    ui::showPart(look, BodyLeft, Band, BodyRight);
    for (zq::Image* b : Band)
        b->setVisible(!chip);
    PartTag.setForeColor(answerDrawn ? kRightColour : kWrongColour);
    PartTag.setCaption(answerDrawn || wrongDrawn ? q(wording::pickedTag(answerDrawn)) : QString());
    // Once answered, the right bands in words beside the answer, so that the two compare.
    Picks.setCaption(!pick ? QString()
                     : Last ? q(wording::rightBands(Current.answerBands))
                            : q(wording::pickedText(Picked, Current.bandCount)));
}

// ---- answering -------------------------------------------------------------------------------

void PracticeWindow::say(const QString& text) {
    Notice.setCaption(text);
}

void PracticeWindow::chipClicked(int Index) {
    if (Index < 0 || Index >= model::palette::kPaintedSize) return;
    if (Current.kind != QuestionKind::PickBands || Last) return say(q(wording::notForThisQuestion()));
    if (int(Picked.size()) >= Current.bandCount) return;
    Picked.push_back(Index);
    showPart();
}

void PracticeWindow::backButtonClicked() {
    if (Current.kind != QuestionKind::PickBands || Last || Picked.empty()) return;
    Picked.pop_back();
    showPart();
}

void PracticeWindow::clearButtonClicked() {
    if (Current.kind != QuestionKind::PickBands || Last) return;
    Picked.clear();
    showPart();
}

void PracticeWindow::hintButtonClicked() {
    // Once answered, the working says it all.
    if (Last) return;
    const QStringList hints = q(wording::hints(Current));
    if (HintsShown >= hints.size()) return;
    ++HintsShown;
    Hint.setForeColor(kHintColour);
    Hint.setCaption(hints.mid(0, HintsShown).join(QLatin1Char('\n')));
}

void PracticeWindow::nextButtonClicked() {
    if (!Last) {
        practice::Judgement passed;
        passed.verdict = practice::Verdict::Skipped;
        return answered(passed);
    }
    ask(practice::nextQuestion(Learner, random_));
}

void PracticeWindow::answerButtonClicked() {
    returnPressed();
}

void PracticeWindow::returnPressed() {
    if (Last) return nextButtonClicked();
    switch (Current.kind) {
    case QuestionKind::PickBands:
        return answered(practice::judgeBands(Current, Picked));
    case QuestionKind::ReadDirection:
        if (!ChosenEnd) return say(q(wording::chooseEndFirst()));
        return answered(practice::judgeEnd(Current, *ChosenEnd));
    default:
        return answerReturnPressed();
    }
}

void PracticeWindow::chooseEnd(practice::End end) {
    if (Current.kind != QuestionKind::ReadDirection || Last) return;
    ChosenEnd = end;
    setFocusedControl(end == practice::End::Left ? &BodyLeft : &BodyRight);
}

void PracticeWindow::rowClicked(bool mistakes, int row) {
    if (mistakes) {
        if (row < 0 || row >= practice::kMistakeKinds) return;
        const auto m = practice::MistakeKind(row);
        return ask(practice::questionFor({practice::drillOf(m), m}, random_));
    }
    if (row < 0 || row >= practice::kQuestionKinds) return;
    ask(practice::questionFor({QuestionKind(row), std::nullopt}, random_));
}

void PracticeWindow::answerReturnPressed() {
    if (Last) return nextButtonClicked();
    if (!Current.typed()) return;
    answered(practice::judgeText(Current, answerField().toPlainText().trimmed().toStdString(),
                                 wording::userNumbers().point));
}

void PracticeWindow::endClicked(practice::End end) {
    if (Current.kind != QuestionKind::ReadDirection) return say(q(wording::notForThisQuestion()));
    if (Last) return;
    answered(practice::judgeEnd(Current, end));
}

void PracticeWindow::answered(const practice::Judgement& j) {
    const model::DecimalFormat fmt = wording::userNumbers();
    if (j.verdict == practice::Verdict::Unreadable) {
        QString reason;
        if (Current.typed()) {
            const std::string typed = answerField().toPlainText().trimmed().toStdString();
            if (!typed.empty()) reason = q(wording::inputReason(model::parseValue(typed, fmt.point)));
        }
        Verdict.setForeColor(kWrongColour);
        Verdict.setCaption(q(wording::unreadableText(Current, reason.toStdString(), int(Picked.size()))));
        announceChanges();
        return;
    }
    Last = j;
    practice::record(Learner, Current, j, HintsShown > 0);
    Verdict.setForeColor(j.verdict == practice::Verdict::Right     ? kRightColour
                         : j.verdict == practice::Verdict::Skipped ? kNoteColour
                                                                   : kWrongColour);
    Verdict.setCaption(q(wording::verdictText(Current, j, HintsShown > 0, fmt)));
    Working.setCaption(q(wording::workingText(Current, fmt)));
    Hint.setCaption({});
    reviewDue_ = Learner.round.over();
    showPart();
    save();
    showChart();
    announceChanges();
}

void PracticeWindow::save() {
    if (leaveFileAlone_) return;
    if (const std::optional<QString> why = file_.save(Learner))
        say(q(wording::progressNotSaved(why->toStdString())));
}

void PracticeWindow::restartButtonClicked() {
    if (ConfirmRestart && !ConfirmRestart()) return;
    Learner = {};
    say(q(wording::restarted()));
    save(); // says so when the file could not be written
    keepNotice_ = true;
    reviewDue_ = false;
    // Afresh: the question left is not passed over, it is gone with the rest.
    ask(practice::nextQuestion(Learner, random_));
}

void PracticeWindow::closeBoxClicked() {
    Unload();
}

bool PracticeWindow::keyPressed(int KeyCode, int Shift) {
    if (Shift & (kCtrlMask | kAltMask)) return false;
    if (KeyCode == Qt::Key_Question) {
        hintButtonClicked();
        return true;
    }
    if (KeyCode == Qt::Key_PageDown) {
        nextButtonClicked();
        return true;
    }
    // Return answers, or goes on once answered, wherever the focus is, but on a button or a
    // row that Return presses: the focused chip is chosen with Space alone.
    const zq::Control* at = focusedControl();
    const bool ownAction =
        at == &image(QStringLiteral("HintButton")) || at == &image(QStringLiteral("NextButton")) ||
        at == &image(QStringLiteral("RestartButton")) || at == &image(QStringLiteral("CloseBox")) ||
        std::find(QuestionRow.begin(), QuestionRow.end(), at) != QuestionRow.end() ||
        std::find(MistakeRow.begin(), MistakeRow.end(), at) != MistakeRow.end();
    if ((KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter) && !ownAction) {
        returnPressed();
        return true;
    }
    if (Current.kind == QuestionKind::ReadDirection && !Last &&
        (KeyCode == Qt::Key_Left || KeyCode == Qt::Key_Right) &&
        (at == nullptr || at == &BodyLeft || at == &BodyRight)) {
        chooseEnd(KeyCode == Qt::Key_Left ? practice::End::Left : practice::End::Right);
        return true;
    }
    if (Current.kind != QuestionKind::PickBands) return false;
    if (KeyCode >= Qt::Key_0 && KeyCode <= Qt::Key_9) {
        chipClicked(*model::colourOfDigit(KeyCode - Qt::Key_0));
        return true;
    }
    if (KeyCode == Qt::Key_J || KeyCode == Qt::Key_Y) {
        chipClicked(KeyCode == Qt::Key_J ? model::palette::kGold : model::palette::kSilver);
        return true;
    }
    if (KeyCode == Qt::Key_Backspace) {
        backButtonClicked();
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
            answerReturnPressed();
            return true;
        }
        // The field takes values; the hint and the next question are the window's keys.
        if (k->key() == Qt::Key_Question || k->key() == Qt::Key_PageDown) {
            keyPressed(k->key(), 0);
            announceChanges();
            return true;
        }
    }
    return SecondaryWindow::eventFilter(watched, e);
}

// ---- the chart -------------------------------------------------------------------------------

QRect PracticeWindow::barRect(bool mistakes, int row) const {
    const zq::Label& l = mistakes ? *MistakeRow[std::size_t(row)] : *QuestionRow[std::size_t(row)];
    const QRect r = l.pixelRect();
    return QRect(r.left() + 88, r.top() + 2, 8 * practice::kRecent, 10);
}

void PracticeWindow::showChart() {
    for (const QuestionKind k : practice::kAllQuestionKinds)
        QuestionTally[std::size_t(k)]->setCaption(q(wording::questionTally(Learner.of(k))));
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        MistakeTally[std::size_t(k)]->setCaption(q(wording::mistakeTally(Learner.of(k))));
    QRect bars;
    for (const QuestionKind k : practice::kAllQuestionKinds)
        bars |= barRect(false, int(k));
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        bars |= barRect(true, int(k));
    update(bars);
}

void PracticeWindow::paintEvent(QPaintEvent* e) {
    SecondaryWindow::paintEvent(e);
    QPainter p(this);
    // A kind of question: right, right after a hint, wrong, of its last answers. A kind of
    // mistake: the times it was made, of the answers that gave room for it.
    auto bar = [&](const QRect& r, const practice::Track& t, bool mistake) {
        const int unit = r.width() / practice::kRecent;
        p.fillRect(r, QColor(246, 236, 244));
        const int wrong = t.wrongLately();
        const int right = mistake ? 0 : t.rightLately(), helped = mistake ? 0 : t.helpedLately();
        QRect seg(r.left(), r.top(), unit * right, r.height());
        p.fillRect(seg, QColor(64, 176, 96));
        seg = QRect(seg.right() + 1, r.top(), unit * helped, r.height());
        p.fillRect(seg, QColor(236, 196, 64));
        seg = QRect(seg.right() + 1, r.top(), unit * wrong, r.height());
        p.fillRect(seg, QColor(232, 128, 140));
        p.setPen(QColor(214, 178, 206));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    for (const QuestionKind k : practice::kAllQuestionKinds)
        bar(barRect(false, int(k)), Learner.of(k), false);
    for (const practice::MistakeKind k : practice::kAllMistakeKinds)
        bar(barRect(true, int(k)), Learner.of(k), true);
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
        q(multiplier.multiplier().text(wording::userNumbers().point)));
    box(QRect(left + 120, area.top() + 4 + 3 * (rowHeight + 2), 76, rowHeight), digitInk,
        q(wording::resultOhms(Current.value, true, wording::userNumbers())));
}

} // namespace zq::ui
