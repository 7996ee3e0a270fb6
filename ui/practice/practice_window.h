// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The practice window: one question at a time from the scheduler, judged exactly, a wrong
// answer named by its kind of mistake and worked out, hints from the rule to the band, a chart
// of how each kind went lately and a review after each round. Progress is kept in the user's
// configuration folder.
#include "model/practice/judge.h"
#include "model/practice/question.h"
#include "model/practice/schedule.h"
#include "ui/part_drawing.h"
#include "ui/practice/progress_file.h"
#include "ui/secondary_window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QTextEdit;

namespace zq::ui {

class PracticeWindow : public SecondaryWindow {
  public:
    struct Options {
        std::optional<std::uint64_t> seed; // else drawn afresh each run
        QString progressPath;              // else ProgressFile::defaultPath()
    };
    PracticeWindow(zq::Form& mainWindow, const Options& options);

    void onLoad() override;
    bool keyPressed(int KeyCode, int Shift) override;
    void chipClicked(int Index);
    void backButtonClicked();
    void clearButtonClicked();
    void hintButtonClicked();
    // Goes on once answered; an unanswered question is passed over first, its answer shown.
    void nextButtonClicked();
    void answerButtonClicked();
    void restartButtonClicked();
    void endClicked(model::practice::End end);
    void closeBoxClicked();
    // A row of the chart: a question of that kind, or one that gives room for that mistake.
    void rowClicked(bool mistakes, int row);
    // Return in the answer field answers, or goes on once answered.
    void answerReturnPressed();
    // Return anywhere but on a button of its own: answers what is given, or goes on once
    // answered; an unanswered question is never passed over.
    void returnPressed();

    QTextEdit& answerField() const;
    void ask(const model::practice::Question& q);

    // Asked before progress is cleared; a message box unless a test puts its own.
    std::function<bool()> ConfirmRestart;

    // What the window holds, as the handlers leave it.
    model::practice::Question Current;
    model::practice::LearnerState Learner;
    std::optional<model::practice::Judgement> Last; // of the current question, once answered
    std::vector<int> Picked;                         // PickBands: in reading order
    std::optional<model::practice::End> ChosenEnd;   // ReadDirection, by the arrow keys
    int HintsShown = 0;

    zq::Label &Question, &Verdict, &Working, &Hint, &Notice, &Picks, &Code, &ChartCaption;
    zq::Label& PartTag; // after a picking question: whose bands the part shows
    std::array<zq::Image*, model::palette::kPaintedSize> Chip{};
    std::array<zq::Image*, 8> Band{};
    PartLook Drawn; // the part as drawn on them
    zq::Image &BodyLeft, &BodyRight;
    std::array<zq::Label*, model::practice::kQuestionKinds> QuestionRow{};
    std::array<zq::Label*, model::practice::kMistakeKinds> MistakeRow{};
    std::array<zq::Label*, model::practice::kQuestionKinds> QuestionTally{};
    std::array<zq::Label*, model::practice::kMistakeKinds> MistakeTally{};

    // Where the chart's bars are painted, in window pixels.
    QRect barRect(bool mistakes, int row) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // The right answer's arithmetic as the main window's flow chart draws it, beside the
    // working's words: each digit with its weight, their sum, the multiplier, the value.
    void paintWorking(QPainter& p) const;

  private:
    void wire();
    void wireKeyboard();
    void focusAnswer();
    void chooseEnd(model::practice::End end);
    void showPart();
    void showChart();
    void answered(const model::practice::Judgement& j);
    void say(const QString& text);
    void save();

    model::practice::Random random_;
    ProgressFile file_;
    bool keepNotice_ = false;
    // An unreadable file that could not be set aside: saving would overwrite what the user may
    // still want back, so this session's progress is not kept.
    bool leaveFileAlone_ = false;
    bool reviewDue_ = false; // a round has just ended: the next question comes with its review
};

} // namespace zq::ui
