// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice window driven through its controls, and its progress on disk.
#include "model/colour_code.h"
#include "platform/accessibility.h"
#include "platform/services.h"
#include "tests/support/full_disk.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/practice/practice_window.h"
#include "ui/words.h"
#include "wording/practice.h"
#include "wording/words.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <algorithm>
#include <csignal>

using namespace zq;
using zq::test::MainWindow;
using Window = zq::ui::PracticeWindow;
namespace practice = zq::model::practice;
using practice::End;
using practice::MistakeKind;
using practice::QuestionKind;

namespace {

class PracticeWindow : public MainWindow {
  protected:
    void SetUp() override {
        // Never the learner's own folder.
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(ui::ProgressFile::defaultPath());
        MainWindow::SetUp();
    }
    // A window of its own on a fresh progress file in the test's folder.
    std::unique_ptr<Window> window(std::uint64_t seed = 26) {
        auto p = std::make_unique<Window>(*w, Window::Options{seed, path()});
        p->ConfirmRestart = [this] { return confirm; };
        showWindow(*p);
        return p;
    }
    QString path() const { return folder.filePath(QStringLiteral("progress.json")); }
    // A question of that kind, asked from its row of the chart.
    static void reach(Window& p, QuestionKind kind) {
        click(p, centreOf(*p.QuestionRow[std::size_t(kind)]));
        ASSERT_EQ(p.Current.kind, kind);
    }
    static void type(Window& p, const QString& text) {
        p.answerField().clear();
        QTest::keyClicks(&p.answerField(), text);
        QTest::keyClick(&p.answerField(), Qt::Key_Return);
    }
    static QString text(const model::Decimal& d) { return QString::fromStdString(d.text()); }
    // The right answer, given as a learner gives it: typed, picked on the chips, or clicked.
    static void answerRightly(Window& p) {
        const practice::Question& q = p.Current;
        switch (q.kind) {
        case QuestionKind::PickBands:
            for (const int c : q.answerBands)
                click(p, centreOf(*p.Chip[std::size_t(c)]));
            click(p, centreOf(p.image(QStringLiteral("AnswerButton"))));
            return;
        case QuestionKind::ReadDirection:
            click(p, centreOf(q.answerEnd == End::Left ? p.BodyLeft : p.BodyRight));
            return;
        default:
            type(p, text(q.answerValue));
        }
    }
    QTemporaryDir folder;
    bool confirm = true;
};

} // namespace

TEST_F(PracticeWindow, CtrlLBuildsItOnlyWhenAskedAndEscClosesIt) {
    EXPECT_EQ(w->practiceWindow(), nullptr) << "not built at start-up";
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->windowHandle(), Qt::Key_L, Qt::ControlModifier);
    Window* p = w->practiceWindow();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    // Esc from the window and from inside the answer field alike.
    if (p->Current.typed()) {
        QTest::keyClick(&p->answerField(), Qt::Key_Escape);
    } else {
        QTest::keyClick(p->windowHandle(), Qt::Key_Escape);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->practiceWindow(), nullptr);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(PracticeWindow, TheMainWindowsMenuOpensItBelowTheOtherTwo) {
    w->mouseReleasedOnSurface(kRightButton, 0, 300 * 15, 440 * 15);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 3);
    menu->actions().back()->trigger();
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(w->practiceWindow(), nullptr);
    EXPECT_TRUE(w->practiceWindow()->isVisible());
}

TEST_F(PracticeWindow, EveryKindAnsweredRightThroughTheControlsCountsAsKnown) {
    auto p = window();
    for (const QuestionKind kind : practice::kAllQuestionKinds) {
        SCOPED_TRACE(std::string(practice::questionKindCode(kind)));
        reach(*p, kind);
        const practice::Track before = p->Learner.of(kind);
        answerRightly(*p);
        ASSERT_TRUE(p->Last);
        EXPECT_EQ(p->Last->verdict, practice::Verdict::Right);
        EXPECT_EQ(p->Learner.of(kind).right, before.right + 1);
        EXPECT_EQ(p->Learner.of(kind).wrong, before.wrong);
        EXPECT_EQ(p->Verdict.ForeColor(), QColor(0, 128, 48)) << "a right answer is shown so";
        EXPECT_FALSE(p->Working.Caption().isEmpty());
    }
}

TEST_F(PracticeWindow, AWrongAnswerNamesItsMistakeAndWorksOutTheRightOne) {
    // (kind, how the learner goes wrong, the mistake it must be named as)
    struct Case {
        QuestionKind kind;
        std::function<void(Window&)> answer;
        MistakeKind mistake;
    };
    const std::vector<Case> cases{
        {QuestionKind::ReadValue,
         [](Window& p) { type(p, text(p.Current.answerValue.shifted(3))); }, MistakeKind::UnitSlip},
        // Not a code whose third digit is 0: 4702 read as three digits is 47 Ω too.
        {QuestionKind::ChipCode,
         [](Window& p) { p.ask(*practice::questionOfCode("4752")); type(p, "47.5"); },
         MistakeKind::UnitSlip},
        {QuestionKind::ReadDirection,
         [](Window& p) {
             click(p, centreOf(p.Current.answerEnd == End::Left ? p.BodyRight : p.BodyLeft));
         },
         MistakeKind::WrongEnd},
    };
    auto p = window();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(practice::questionKindCode(c.kind)));
        reach(*p, c.kind);
        // Against a gap the part shows, the wrong end is a mistake of its own.
        const MistakeKind mistake =
            c.kind == QuestionKind::ReadDirection && p->Current.part.gapShown()
                ? MistakeKind::AgainstGap
                : c.mistake;
        const int before = p->Learner.of(mistake).wrong;
        c.answer(*p);
        ASSERT_TRUE(p->Last);
        EXPECT_EQ(p->Last->verdict, practice::Verdict::Wrong);
        EXPECT_EQ(p->Last->mistake.kind, mistake);
        EXPECT_EQ(p->Learner.of(mistake).wrong, before + 1);
        EXPECT_TRUE(p->Verdict.Caption().contains(ui::q(wording::mistakeText(p->Current, p->Last->mistake))))
            << p->Verdict.Caption().toStdString();
        EXPECT_EQ(p->Verdict.ForeColor(), QColor(224, 0, 0));
        // The printed code stands on a chip part only.
        EXPECT_EQ(p->Code.Caption(), c.kind == QuestionKind::ChipCode ? "4752" : QString());
        if (c.kind != QuestionKind::ChipCode) {
            EXPECT_TRUE(p->Working.Caption().contains(
                ui::q(wording::ohms(p->Current.value, {zq::decimalPoint().toStdString()}))))
                << "the working ends at the right value: " << p->Working.Caption().toStdString();
        }
        // Answered: Return goes on to the next question, counting nothing more.
        const int turn = p->Learner.turn;
        click(*p, centreOf(p->image(QStringLiteral("NextButton"))));
        EXPECT_FALSE(p->Last);
        EXPECT_EQ(p->Learner.turn, turn);
    }
}

TEST_F(PracticeWindow, ABandPickedWronglyIsNamedByTheBandAndTheColours) {
    auto p = window();
    reach(*p, QuestionKind::PickBands);
    std::vector<int> bands = p->Current.answerBands;
    const std::vector<int> alike = practice::confusablesOf(bands[0]);
    ASSERT_FALSE(alike.empty());
    bands[0] = alike.front();
    // The digit keys pick the chips as in the reading window (black is 0), where they can.
    for (const int c : bands) {
        const model::ColourRecord& r = model::colourRecord(c);
        if (r.hasDigit())
            QTest::keyClick(p->windowHandle(), Qt::Key(Qt::Key_0 + r.digit));
        else
            click(*p, centreOf(*p->Chip[std::size_t(c)]));
    }
    EXPECT_EQ(p->Picked, bands);
    click(*p, centreOf(p->image(QStringLiteral("AnswerButton"))));
    ASSERT_TRUE(p->Last);
    EXPECT_EQ(p->Last->verdict, practice::Verdict::Wrong);
    EXPECT_EQ(p->Last->mistake.kind, MistakeKind::ConfusedColour);
    EXPECT_EQ(p->Last->mistake.band, 1);
    EXPECT_TRUE(p->Verdict.Caption().contains(ui::q(wording::colourName(p->Current.answerBands[0]))));
    EXPECT_TRUE(p->Verdict.Caption().contains(ui::q(wording::colourName(bands[0]))));
}

TEST_F(PracticeWindow, AnAnswerAfterAHintCountsAsHelpedAndOneWithoutAsKnown) {
    auto p = window();
    for (const bool hinted : {true, false}) {
        SCOPED_TRACE(hinted ? "after a hint" : "without");
        reach(*p, QuestionKind::ReadValue);
        const practice::Track before = p->Learner.of(QuestionKind::ReadValue);
        if (hinted) {
            click(*p, centreOf(p->image(QStringLiteral("HintButton"))));
            EXPECT_EQ(p->Hint.Caption(), ui::q(wording::hints(p->Current)).front()) << "one band at a time";
            click(*p, centreOf(p->image(QStringLiteral("HintButton"))));
            EXPECT_EQ(p->Hint.Caption().count(QLatin1Char('\n')), 1);
        }
        answerRightly(*p);
        const practice::Track& after = p->Learner.of(QuestionKind::ReadValue);
        EXPECT_EQ(after.helped, before.helped + (hinted ? 1 : 0));
        EXPECT_EQ(after.right, before.right + (hinted ? 0 : 1));
        click(*p, centreOf(p->image(QStringLiteral("NextButton"))));
    }
}

// Keys as a learner presses them: to the answer field while it has the focus, else the window.
void pressKeys(Window& p, const std::vector<Qt::Key>& keys) {
    for (const Qt::Key k : keys) {
        if (p.answerField().hasFocus())
            QTest::keyClick(&p.answerField(), k);
        else
            QTest::keyClick(p.windowHandle(), k);
    }
}

TEST_F(PracticeWindow, EveryKindIsAnsweredHintedAndLeftWithTheKeyboardAloneAndRecorded) {
    using namespace model::palette;
    using K = std::vector<Qt::Key>;
    const model::Decimal ohm47 = model::Decimal::of(47, -2);
    // (question, keys that answer it, whether they answer rightly)
    const std::vector<std::tuple<std::optional<practice::Question>, K, bool>> cases{
        {practice::questionOfPart(QuestionKind::ReadValue, {kYellow, kViolet, kRed, kGold}),
         {Qt::Key_4, Qt::Key_K, Qt::Key_7, Qt::Key_Return}, true},
        {practice::questionOfCode("4R7"), {Qt::Key_4, Qt::Key_7, Qt::Key_Return}, false},
        {practice::questionOfValue(ohm47, kGold, 4), {Qt::Key_4, Qt::Key_7, Qt::Key_Y, Qt::Key_J, Qt::Key_Return}, true},
        {practice::questionOfValue(ohm47, kSilver, 4),
         {Qt::Key_4, Qt::Key_7, Qt::Key_Y, Qt::Key_1, Qt::Key_Backspace, Qt::Key_Y, Qt::Key_Return}, true},
        {practice::questionOfPart(QuestionKind::ReadDirection, {kRed, kRed, kRed, kGold}, true),
         {Qt::Key_Left, Qt::Key_Right, Qt::Key_Return}, true},
        {practice::questionOfPart(QuestionKind::ReadDirection, {kRed, kRed, kRed, kGold}, true),
         {Qt::Key_Left, Qt::Key_Return}, false},
    };
    auto p = window();
    for (const auto& [q, keys, right] : cases) {
        ASSERT_TRUE(q);
        SCOPED_TRACE(std::string(practice::questionKindCode(q->kind)));
        p->ask(*q);
        pressKeys(*p, {Qt::Key_Question});
        EXPECT_EQ(p->HintsShown, 1);
        const practice::Track before = p->Learner.of(q->kind);
        pressKeys(*p, keys);
        ASSERT_TRUE(p->Last);
        EXPECT_EQ(p->Last->verdict == practice::Verdict::Right, right);
        EXPECT_EQ(p->Learner.of(q->kind).helped, before.helped + (right ? 1 : 0)) << "after a hint";
        EXPECT_EQ(p->Learner.of(q->kind).wrong, before.wrong + (right ? 0 : 1));
        EXPECT_EQ(ui::ProgressFile(path()).load().state, p->Learner) << "recorded and kept";
        pressKeys(*p, {Qt::Key_Return});
        EXPECT_FALSE(p->Last) << "Return goes on once answered";
    }
    // PageDown passes over a question unanswered: its answer shown, and counted as not right.
    const practice::LearnerState kept = p->Learner;
    p->ask(*std::get<0>(cases[1]));
    pressKeys(*p, {Qt::Key_PageDown});
    EXPECT_TRUE(p->Verdict.Caption().contains(
        ui::q(wording::ohms(p->Current.answerValue, {zq::decimalPoint().toStdString()}))));
    EXPECT_EQ(p->Learner.of(QuestionKind::ChipCode).wrong,
              kept.of(QuestionKind::ChipCode).wrong + 1);
}

// Every kind at every band count, with the longest meanings the bands have: the hints start at
// the rule, go one band or digit at a time, give the answer away no earlier than the last, and
// all of them stand whole in the hint area.
TEST_F(PracticeWindow, HintsLeadToTheAnswerWithoutGivingItAwayAndAllOfThemFit) {
    using namespace model::palette;
    using practice::Limit;
    const std::vector<std::vector<int>> parts{{kWhite, kGrey, kSilver},
                                              {kViolet, kGrey, kSilver, kSilver},
                                              {kViolet, kGrey, kWhite, kSilver, kViolet},
                                              {kViolet, kGrey, kWhite, kSilver, kViolet, kBrown}};
    std::vector<std::optional<practice::Question>> questions{
        practice::questionOfValue(model::Decimal::of(78, -2), kSilver, 4),
        practice::questionOfValue(model::Decimal::of(789, -2), kViolet, 5)};
    for (const char* code : {"472", "4702", "4R7", "R47", "01C"})
        questions.push_back(practice::questionOfCode(code));
    for (const auto& bands : parts)
        for (const bool turned : {false, true}) {
            questions.push_back(practice::questionOfPart(QuestionKind::ReadValue, bands, turned));
            for (const Limit l : {Limit::Lowest, Limit::Highest})
                questions.push_back(practice::questionOfPart(QuestionKind::ToleranceLimit, bands, turned, l));
            if (bands.size() > 3)
                questions.push_back(practice::questionOfPart(QuestionKind::ReadDirection, bands, turned));
        }
    auto p = window();
    const QRectF area(QPointF(0, 0), QSizeF(p->Hint.pixelRect().size()));
    for (const auto& q : questions) {
        ASSERT_TRUE(q);
        p->ask(*q);
        const QString answer = q->kind == QuestionKind::ReadDirection
                                   ? QString::fromUtf8(q->answerEnd == End::Left ? "左端" : "右端")
                                   : ui::q(wording::ohms(q->answerValue, {zq::decimalPoint().toStdString()}));
        SCOPED_TRACE(answer.toStdString() + " " + std::string(practice::questionKindCode(q->kind)));
        const QStringList hints = ui::q(wording::hints(*q));
        const int count = int(hints.size());
        EXPECT_GE(count, 2) << "the rule, then the pieces";
        for (int h = 1; h <= count; ++h) {
            p->hintButtonClicked();
            const QString shown = p->Hint.Caption();
            if (h < count) {
                EXPECT_FALSE(shown.contains(answer)) << shown.toStdString();
            }
            // The rule names no colour; after it, a part's hint names one band's.
            int colours = 0;
            for (int c = 0; c < kPaintedSize; ++c)
                colours += hints[h - 1].count(ui::q(wording::colourName(c)));
            if (q->kind != QuestionKind::ChipCode && q->kind != QuestionKind::ReadDirection) {
                EXPECT_EQ(colours, h == 1 ? 0 : 1) << hints[h - 1].toStdString();
            }
        }
        const QFontMetricsF m(p->Hint.font());
        for (const SetLine& l : p->Hint.lines())
            EXPECT_TRUE(area.contains(QRectF(l.origin.x(), l.origin.y() - m.ascent(), l.width, m.height())))
                << l.text.toStdString();
    }
}


// The fullest states: every text whole in its box, apart, clear of the working's flow chart.
TEST_F(PracticeWindow, EveryTextStandsWholeAndApartInItsFullestStates) {
    using namespace model::palette;
    auto p = window();
    const auto whole = [&](const char* state) {
        SCOPED_TRACE(state);
        std::vector<const zq::Label*> shown;
        for (const auto& c : p->controls())
            if (const auto* l = dynamic_cast<const zq::Label*>(c.get()); l && l->Visible() && !l->Caption().isEmpty())
                shown.push_back(l);
        for (const zq::Label* l : shown) {
            const int chart = l == &p->Working && p->Current.kind != QuestionKind::ChipCode ? 198 : 0;
            const QRectF box(0, -1, l->pixelRect().width() - chart, l->pixelRect().height() + 1);
            const QFontMetricsF m(l->font());
            for (const SetLine& line : l->lines())
                EXPECT_TRUE(box.contains(QRectF(line.origin.x(), line.origin.y() - m.ascent(), line.width, m.height())))
                    << line.text.toStdString();
            for (const zq::Label* o : shown)
                EXPECT_TRUE(o == l || !o->pixelRect().intersects(l->pixelRect())) << l->Caption().toStdString();
        }
    };
    const auto five = practice::questionOfValue(model::Decimal::of(789, -2), kViolet, 5).value();
    for (const std::vector<int>& picked : {std::vector<int>{kRed, kGrey, kWhite, kSilver, kViolet}, {}}) {
        p->ask(five);
        for (const int c : picked)
            p->chipClicked(c);
        picked.empty() ? p->nextButtonClicked() : p->answerButtonClicked(); // passed over, or wrong
        EXPECT_EQ(p->PartTag.Caption(), QString::fromUtf8(picked.empty() ? "正确" : "你的"));
        EXPECT_EQ(p->Drawn.coloursLeftToRight(), picked.empty() ? five.answerBands : picked);
        EXPECT_EQ(p->Picks.Caption(), QString::fromUtf8("正确：紫 灰 白 银 紫"));
        whole(picked.empty() ? "bands passed over" : "bands picked wrongly");
    }
    auto ends = practice::questionOfPart(QuestionKind::ReadDirection,
                                         {kBrown, kBlack, kBlack, kRed, kBrown, kBrown}).value();
    ends.part.cues = practice::DrawnPart::Cues::ColoursOnly;
    p->ask(ends);
    p->endClicked(End::Right);
    EXPECT_TRUE(p->PartTag.Caption().isEmpty()) << "no bands were picked";
    whole("read from the colours' wrong end");
    // The chip code ends a round with every kind missed and done well lately, every mistake made.
    p->Learner.round = {.number = 9999, .asked = 9, .right = 1, .helped = 1, .wrong = 6, .skipped = 1};
    p->Learner.round.missed.fill(2);
    p->Learner.round.made.fill(1);
    p->Learner.round.made[std::size_t(MistakeKind::BandCount)] = 2;
    for (practice::Track& t : p->Learner.questions)
        t.recent = "rrrrrrrrrr";
    p->ask(*practice::questionOfCode("4702"));
    type(*p, QStringLiteral("4702"));
    whole("a chip code typed as printed");
    p->nextButtonClicked();
    EXPECT_EQ(p->Hint.Caption(), ui::q(wording::roundReview(p->Learner)));
    whole("the longest review");
}

TEST_F(PracticeWindow, ReturnOnThePaletteOrTheEndsNeverPassesOverAnUnansweredQuestion) {
    using namespace model::palette;
    auto p = window();
    const auto pick = practice::questionOfValue(model::Decimal::of(47, 2), kGold, 4);
    const auto ends = practice::questionOfPart(QuestionKind::ReadDirection, {kRed, kRed, kRed, kGold});
    ASSERT_TRUE(pick && ends);
    p->ask(*ends);
    EXPECT_EQ(p->focusedControl(), nullptr) << "no end looks chosen";
    pressKeys(*p, {Qt::Key_Space, Qt::Key_Return});
    EXPECT_FALSE(p->Last);
    EXPECT_EQ(p->Notice.Caption(), ui::q(wording::chooseEndFirst()));
    p->ask(*pick);
    // On a chip moved to with the arrows: Return answers (too few bands, asked again), Space picks.
    pressKeys(*p, {Qt::Key_4, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return});
    EXPECT_FALSE(p->Last);
    EXPECT_EQ(p->Picked, std::vector<int>{kYellow});
    EXPECT_FALSE(p->Verdict.Caption().isEmpty());
    pressKeys(*p, {Qt::Key_Space});
    EXPECT_EQ(p->Picked, (std::vector<int>{kYellow, 2})) << "the third chip, the focused one";
    EXPECT_EQ(p->Learner.turn, 0);
    EXPECT_EQ(p->Current.answerBands, pick->answerBands) << "the same question";
}

TEST_F(PracticeWindow, TextThatIsNoValueIsAskedAgainAndCountsForNothing) {
    auto p = window();
    reach(*p, QuestionKind::ReadValue);
    type(*p, QStringLiteral("abc"));
    EXPECT_FALSE(p->Last);
    EXPECT_EQ(p->Learner.turn, 0);
    EXPECT_FALSE(p->Verdict.Caption().isEmpty());
    EXPECT_FALSE(QFile::exists(path())) << "nothing to save yet";
}

TEST_F(PracticeWindow, TheQuestionIsAnnouncedWithItsBandsInOrderFromTheLeft) {
    auto p = window();
    for (const QuestionKind kind : {QuestionKind::ReadValue, QuestionKind::ReadDirection}) {
        reach(*p, kind);
        QString spoken;
        for (const AccessibleItem& i : p->accessibleItems())
            if (i.control == &p->Question) spoken = i.name();
        const std::vector<int> shown = p->Current.part.shown();
        qsizetype at = 0;
        for (std::size_t b = 0; b < shown.size(); ++b) {
            const QString band = ui::q(wording::bandOrdinal(int(b) + 1)) + QStringLiteral("：") +
                                 ui::q(wording::colourName(shown[b]));
            const qsizetype found = spoken.indexOf(band, at);
            EXPECT_GE(found, at) << band.toStdString() << " in " << spoken.toStdString();
            at = found + 1;
        }
    }
    // Every control a learner uses has a name.
    for (const AccessibleItem& i : p->accessibleItems())
        if (i.role == QAccessible::Button) {
            EXPECT_FALSE(i.name().isEmpty());
        }
    EXPECT_FALSE(p->answerField().accessibleName().isEmpty());
}

TEST_F(PracticeWindow, TheNextQuestionAndTheVerdictAreAnnouncedWhenTheyAppear) {
    static std::vector<QString>* heard = nullptr;
    std::vector<QString> names;
    heard = &names;
    setAccessibilityListener([](QAccessibleEvent* e) {
        QAccessibleInterface* i = e->accessibleInterface();
        if (heard && i && e->type() == QAccessible::NameChanged)
            heard->push_back(i->text(QAccessible::Name));
    });
    auto p = window();
    reach(*p, QuestionKind::ReadDirection);
    names.clear();
    click(*p, centreOf(p->image(QStringLiteral("NextButton"))));
    reach(*p, QuestionKind::ReadValue);
    const QString question = ui::q(wording::questionSpoken(p->Current));
    EXPECT_NE(std::find(names.begin(), names.end(), question), names.end())
        << "the question with its bands";
    names.clear();
    type(*p, QStringLiteral("abc"));
    answerRightly(*p);
    EXPECT_NE(std::find(names.begin(), names.end(), p->Verdict.Caption()), names.end())
        << "the verdict";
    setAccessibilityListener(nullptr);
    heard = nullptr;
}

TEST_F(PracticeWindow, TheSameSeedAsksTheSameQuestions) {
    auto sequence = [this](std::uint64_t seed) {
        QFile::remove(path());
        auto p = window(seed);
        std::vector<std::string> asked;
        for (int i = 0; i < 8; ++i) {
            asked.push_back(std::string(practice::questionKindCode(p->Current.kind)) +
                            p->Current.answerValue.text() + p->Current.code);
            p->nextButtonClicked();
        }
        return asked;
    };
    EXPECT_EQ(sequence(7), sequence(7));
    EXPECT_NE(sequence(7), sequence(8));
}

TEST_F(PracticeWindow, TheChartCountsRightAnswersAndMistakesUnderHeadingsAndARowAsksItsKind) {
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"({"format": 1, "learner": {"turn": 11, "question.read-value.recent": "rrhwr",
        "mistake.wrong-end.recent": "wwrrrr", "mistake.unit-slip.recent": "rrrww"}})");
    f.close();
    auto p = window();
    const auto tally = [&](bool mistake, int row) {
        return (mistake ? p->MistakeTally[std::size_t(row)] : p->QuestionTally[std::size_t(row)])->Caption();
    };
    EXPECT_EQ(tally(false, int(QuestionKind::ReadValue)), QStringLiteral("3/5")) << "right, not helped";
    EXPECT_EQ(tally(false, int(QuestionKind::ChipCode)), QString()) << "not practised";
    EXPECT_EQ(tally(true, int(MistakeKind::WrongEnd)), QString::fromUtf8("2/6 渐少")) << "made twice, long ago";
    EXPECT_EQ(tally(true, int(MistakeKind::UnitSlip)), QStringLiteral("2/5")) << "made twice, lately";
    for (const char* heading : {"QuestionHeading", "QuestionTallyHeading", "MistakeHeading", "MistakeTallyHeading"})
        EXPECT_FALSE(p->label(QString::fromLatin1(heading)).Caption().isEmpty()) << heading;
    click(*p, centreOf(*p->QuestionRow[std::size_t(QuestionKind::ChipCode)]));
    EXPECT_EQ(p->Current.kind, QuestionKind::ChipCode);
    click(*p, centreOf(*p->MistakeRow[std::size_t(MistakeKind::ToleranceMisread)]));
    EXPECT_TRUE(practice::contains(practice::possibleMistakes(p->Current), MistakeKind::ToleranceMisread));
}

// Ten questions a round, the fourth passed over: the review comes with the eleventh alone.
TEST_F(PracticeWindow, ARoundOfTenEndsWithAReviewOnceAndThenGoesOn) {
    auto p = window();
    for (int n = 1; n <= 2 * practice::kRoundLength; ++n) {
        EXPECT_EQ(p->Hint.Caption().isEmpty(), n != practice::kRoundLength + 1) << n;
        n % practice::kRoundLength == 4 ? pressKeys(*p, {Qt::Key_PageDown}) : answerRightly(*p);
        QTest::keyClick(p->windowHandle(), Qt::Key_PageDown);
    }
    EXPECT_TRUE(p->Hint.Caption().startsWith(QString::fromUtf8("第 2 轮做完了：10 题里答对 9 题，跳过 1 题。")))
        << p->Hint.Caption().toStdString();
    EXPECT_FALSE(p->Last) << "a question to go on with";
}

// ---- progress ---------------------------------------------------------------------------------

TEST_F(PracticeWindow, AProgressFileThatCannotBeWrittenIsNeverSaidSavedAndTheOldOneStays) {
    QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const bool restart : {false, true}) {
        auto p = std::make_unique<Window>(*w, Window::Options{26, blocker.fileName() + QStringLiteral("/progress.json")});
        p->ConfirmRestart = [] { return true; };
        showWindow(*p);
        if (restart)
            click(*p, centreOf(p->image(QStringLiteral("RestartButton"))));
        else
            answerRightly(*p);
        EXPECT_TRUE(p->Notice.Caption().startsWith(ui::q(wording::progressNotSaved({})).chopped(1)))
            << p->Notice.Caption().toStdString();
    }
    // A disk that fills up while saving: the old file stays, not an empty one in its place.
    answerRightly(*window());
    const QByteArray saved = test::contentsOf(path());
    auto p = window();
    test::onFullDisk([&] { answerRightly(*p); });
    EXPECT_TRUE(p->Notice.Caption().startsWith(ui::q(wording::progressNotSaved({})).chopped(1)));
    EXPECT_EQ(test::contentsOf(path()), saved) << "byte for byte";
}

TEST_F(PracticeWindow, ProgressComesBackInTheNextRunAndRestartClearsItOnlyWhenConfirmed) {
    practice::LearnerState kept;
    {
        auto p = window();
        reach(*p, QuestionKind::ReadValue);
        answerRightly(*p);
        kept = p->Learner;
        EXPECT_EQ(kept.turn, 1);
    }
    auto p = window();
    EXPECT_EQ(p->Learner, kept);
    EXPECT_TRUE(p->Notice.Caption().isEmpty()) << "a good file is not remarked on";
    confirm = false;
    click(*p, centreOf(p->image(QStringLiteral("RestartButton"))));
    EXPECT_EQ(p->Learner, kept);
    confirm = true;
    click(*p, centreOf(p->image(QStringLiteral("RestartButton"))));
    EXPECT_EQ(p->Learner, practice::LearnerState{});
    EXPECT_EQ(ui::ProgressFile(path()).load().state, practice::LearnerState{});
}

TEST_F(PracticeWindow, AFileThatCannotBeReadIsSetAsideAndSaidOnce) {
    practice::LearnerState some;
    practice::record(some, {QuestionKind::ChipCode, 0, practice::Result::Wrong, MistakeKind::UnitSlip});
    QByteArray newer = ui::ProgressFile::toJson(some);
    newer.replace("\"format\": 1", "\"format\": 2");
    ASSERT_TRUE(newer.contains("\"format\": 2"));
    const QByteArray tooLarge = ui::ProgressFile::toJson(some) +
                                QByteArray(int(ui::ProgressFile::kMostBytes), ' ');
    for (const QByteArray& bad : {QByteArray("{\"format\": 1, \"learner\": "), newer,
                                  QByteArray("turn=3\n"), QByteArray("[1, 2]"), tooLarge}) {
        SCOPED_TRACE(bad.toStdString());
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bad);
        f.close();
        auto p = window();
        EXPECT_EQ(p->Learner, practice::LearnerState{});
        const QString aside = path() + QStringLiteral(".bad-1");
        QFile kept(aside);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << "kept under another name";
        EXPECT_EQ(kept.readAll(), bad);
        EXPECT_TRUE(p->Notice.Caption().contains(QStringLiteral("progress.json.bad-1")));
        // Once: gone with the first question, and the next run finds the file the first
        // answer wrote, and says nothing.
        answerRightly(*p);
        EXPECT_FALSE(p->Notice.Caption().isEmpty());
        click(*p, centreOf(p->image(QStringLiteral("NextButton"))));
        EXPECT_TRUE(p->Notice.Caption().isEmpty());
        p.reset();
        auto again = window();
        EXPECT_TRUE(again->Notice.Caption().isEmpty());
        EXPECT_EQ(again->Learner.turn, 1);
    }
    // The same file unreadable again goes beside the first, which stays.
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not json");
    f.close();
    EXPECT_EQ(ui::ProgressFile(path()).load().setAsideAs, QStringLiteral("progress.json.bad-2"));
    EXPECT_TRUE(QFile::exists(path() + QStringLiteral(".bad-1")));
}

TEST_F(PracticeWindow, AFileThatCannotBeReadNorRenamedIsSaidToStayWhereItIs) {
    // Too long a name to take ".bad-1", even for root; a short one finds every ".bad-N" taken.
    for (const QString& at : {folder.filePath(QString(250, QLatin1Char('p'))), path()}) {
        for (int n = 1; at == path() && n < 1000; ++n)
            QFile(at + QStringLiteral(".bad-%1").arg(n)).open(QIODevice::WriteOnly);
        QFile f(at);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && f.write("not json") == 8);
        Window p(*w, Window::Options{26, at});
        EXPECT_EQ(p.Notice.Caption(), ui::q(wording::progressNotSetAside(at.toStdString())));
        p.nextButtonClicked(); // a question passed over is recorded, not saved over the file
        EXPECT_EQ(test::contentsOf(at), "not json");
    }
}

// Run as a child by the next test: starts saving other progress and is killed before the new
// contents are put in place.
TEST(ProgressSaving, ChildKilledDuringASave) {
    const QString target = qEnvironmentVariable("ZQ_PRACTICE_KILL_TARGET");
    if (target.isEmpty()) GTEST_SKIP() << "only as a child of KillDuringASaveLeavesThePreviousFileWhole";
    practice::LearnerState other;
    for (int i = 0; i < 5; ++i)
        practice::record(other, {QuestionKind::PickBands, 0, practice::Result::Right, MistakeKind::Other});
    ui::ProgressFile(target).save(other, [] { std::raise(SIGKILL); });
    ADD_FAILURE() << "still alive after the kill";
}

TEST(ProgressSaving, KillDuringASaveLeavesThePreviousFileWhole) {
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("progress.json"));
    practice::LearnerState before;
    practice::record(before, {QuestionKind::ReadValue, 0, practice::Result::Wrong, MistakeKind::WrongEnd});
    ASSERT_EQ(ui::ProgressFile(target).save(before), std::nullopt);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    f.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZQ_PRACTICE_KILL_TARGET"), target);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=ProgressSaving.ChildKilledDuringASave")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardOutput().toStdString();

    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), saved) << "byte for byte";
    const ui::ProgressFile::Loaded loaded = ui::ProgressFile(target).load();
    EXPECT_FALSE(loaded.unreadable);
    EXPECT_EQ(loaded.state, before);
}

TEST(ProgressSaving, TheJsonFileReadsBackEveryField) {
    practice::LearnerState s;
    practice::record(s, {QuestionKind::ToleranceLimit, practice::mistakesOf(QuestionKind::ToleranceLimit),
                         practice::Result::Wrong, MistakeKind::ToleranceMisread});
    practice::record(s, {QuestionKind::ReadValue, practice::mistakesOf(QuestionKind::ReadValue),
                         practice::Result::Helped, MistakeKind::Other});
    practice::record(s, {QuestionKind::ReadValue, practice::mistakesOf(QuestionKind::ReadValue),
                         practice::Result::Right, MistakeKind::Other});
    ASSERT_NE(s, practice::LearnerState{});
    EXPECT_EQ(ui::ProgressFile::fromJson(ui::ProgressFile::toJson(s)), s);
}
