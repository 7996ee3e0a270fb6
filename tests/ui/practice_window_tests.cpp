// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The practice window driven through its controls, and its progress on disk.
#include "model/colour_code.h"
#include "platform/accessibility.h"
#include "platform/services.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/practice/practice_window.h"
#include "wording/practice.h"
#include "wording/words.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QFile>
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
    // Moves on until a question of that kind is shown.
    static void reach(Window& p, QuestionKind kind) {
        for (int i = 0; i < 400 && p.Current.kind != kind; ++i)
            click(p, centreOf(p.image(QStringLiteral("NextButton"))));
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
        {QuestionKind::ChipCode,
         [](Window& p) { type(p, text(p.Current.answerValue.shifted(-3))); }, MistakeKind::UnitSlip},
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
        EXPECT_TRUE(p->Verdict.Caption().contains(wording::mistakeText(p->Current, p->Last->mistake)))
            << p->Verdict.Caption().toStdString();
        EXPECT_EQ(p->Verdict.ForeColor(), QColor(224, 0, 0));
        if (c.kind != QuestionKind::ChipCode) {
            EXPECT_TRUE(p->Working.Caption().contains(
                wording::ohms(p->Current.value, {zq::decimalPoint().toStdString()})))
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
    EXPECT_TRUE(p->Verdict.Caption().contains(wording::colourName(p->Current.answerBands[0])));
    EXPECT_TRUE(p->Verdict.Caption().contains(wording::colourName(bands[0])));
}

TEST_F(PracticeWindow, AnAnswerAfterAHintCountsAsHelpedAndOneWithoutAsKnown) {
    auto p = window();
    for (const bool hinted : {true, false}) {
        SCOPED_TRACE(hinted ? "after a hint" : "without");
        reach(*p, QuestionKind::ReadValue);
        const practice::Track before = p->Learner.of(QuestionKind::ReadValue);
        if (hinted) {
            click(*p, centreOf(p->image(QStringLiteral("HintButton"))));
            EXPECT_EQ(p->Hint.Caption(), wording::hintText(p->Current, 1)) << "one band at a time";
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

TEST_F(PracticeWindow, TheEndIsChosenByKeyboardAndReturnThenGoesOn) {
    auto p = window();
    for (const End end : {End::Right, End::Left}) {
        reach(*p, QuestionKind::ReadDirection);
        EXPECT_EQ(p->focusedControl(), &p->BodyLeft) << "the keys start at the ends";
        if (end == End::Right) QTest::keyClick(p->windowHandle(), Qt::Key_Right);
        QTest::keyClick(p->windowHandle(), Qt::Key_Space);
        ASSERT_TRUE(p->Last);
        EXPECT_EQ(p->Last->verdict == practice::Verdict::Right, p->Current.answerEnd == end);
        QTest::keyClick(p->windowHandle(), Qt::Key_Return);
        EXPECT_FALSE(p->Last) << "a new question";
    }
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
            const QString band = wording::bandOrdinal(int(b) + 1) + QStringLiteral("：") +
                                 wording::colourName(shown[b]);
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
    const QString question = wording::questionSpoken(p->Current);
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
            p->NextButton_Click();
        }
        return asked;
    };
    EXPECT_EQ(sequence(7), sequence(7));
    EXPECT_NE(sequence(7), sequence(8));
}

// ---- progress ---------------------------------------------------------------------------------

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
    for (const QByteArray& bad : {QByteArray("{\"format\": 1, \"learner\": "), newer,
                                  QByteArray("turn=3\n"), QByteArray("[1, 2]")}) {
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
    ASSERT_EQ(ui::ProgressFile(target).save(before), QString());
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
