// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws each window offscreen into a PNG, as a user first sees it: the main
// window after its first tick, then the help and About windows opened from its menu, and the
// value-to-colours window answering 4k7 on five bands.
// Usage: zelquin_screenshot <folder>
#include "platform/program.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main/main_window.h"
#include "ui/practice/practice_window.h"
#include "ui/program_info.h"
#include "ui/reading/reading_window.h"
#include "ui/value/value_window.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <cstdio>

namespace {

bool save(QWidget& w, const QString& path) {
    QCoreApplication::processEvents();
    QImage shot = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    // What the window's region cuts away is not part of the window.
    if (!w.mask().isEmpty()) {
        QImage cut(shot.size(), QImage::Format_ARGB32);
        cut.fill(Qt::transparent);
        QPainter p(&cut);
        p.setClipRegion(w.mask());
        p.drawImage(0, 0, shot);
        p.end();
        shot = cut;
    }
    if (!shot.save(path)) {
        std::fprintf(stderr, "zelquin_screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), shot.width(), shot.height());
    return true;
}

namespace practice = zq::model::practice;

// Answers the question shown, rightly or by taking the multiplier one power of ten too high
// (a band too many for the picked ones, the other end for the direction).
void answer(zq::ui::PracticeWindow& w, bool right) {
    const practice::Question& q = w.Current;
    switch (q.kind) {
    case practice::QuestionKind::PickBands:
        for (std::size_t i = 0; i < q.answerBands.size(); ++i)
            w.chipClicked(right || i != 0 ? q.answerBands[i] : (q.answerBands[i] + 1) % 10);
        w.answerButtonClicked();
        return;
    case practice::QuestionKind::ReadDirection:
        w.endClicked(right == (q.answerEnd == practice::End::Left) ? practice::End::Left
                                                                  : practice::End::Right);
        return;
    default:
        w.answerField().setPlainText(QString::fromStdString(
            (right ? q.answerValue : q.answerValue.shifted(1)).text()));
        w.answerReturnPressed();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zelquin_screenshot <folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zq::setUpApplication(app, zq::ui::versionRecord());
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "zelquin_screenshot: cannot make %s\n", argv[1]);
        return 1;
    }

    zq::ui::MainWindow main;
    main.Show();
    main.valueTimer.setTimerEnabled(false);
    main.tick();
    bool ok = save(main, out.filePath(QStringLiteral("main-window.png")));

    main.helpClicked();
    if (main.helpWindow()) {
        ok = save(*main.helpWindow(), out.filePath(QStringLiteral("help-window.png"))) && ok;
        main.helpWindow()->Unload();
    } else {
        ok = false;
    }

    main.aboutClicked();
    if (main.aboutWindow()) {
        ok = save(*main.aboutWindow(), out.filePath(QStringLiteral("about-window.png"))) && ok;
        main.aboutWindow()->Unload();
    } else {
        ok = false;
    }

    // The value-to-colours window with an answer on it.
    main.openValueWindow();
    if (zq::ui::ValueWindow* value = main.valueWindow()) {
        value->fiveBandsClicked();
        value->valueField().setPlainText(QStringLiteral("4k7"));
        value->findButtonClicked();
        ok = save(*value, out.filePath(QStringLiteral("value-window.png"))) && ok;
        value->Unload();
    } else {
        ok = false;
    }

    // The reading window: a blue-bodied 10 kΩ that also reads as 120 Ω, measured, and a code.
    main.openReadingWindow();
    if (zq::ui::ReadingWindow* reading = main.readingWindow()) {
        for (const int colour : {0, 9, 9, 1, 0})
            reading->chipClicked(colour);
        reading->measuredField().setPlainText(QStringLiteral("9.93k"));
        reading->measuredReturnPressed();
        reading->smdField().setPlainText(QStringLiteral("01C"));
        reading->smdReturnPressed();
        ok = save(*reading, out.filePath(QStringLiteral("reading-window.png"))) && ok;
        reading->Unload();
    } else {
        ok = false;
    }

    // The practice window after a few rounds, a part misread by a power of ten with its working,
    // and its progress kept in a folder of its own.
    QTemporaryDir progress;
    {
        zq::ui::PracticeWindow window(
            main, {std::uint64_t(26), progress.filePath(QStringLiteral("practice-progress.json"))});
        window.Show();
        for (int i = 0; i < 14; ++i) {
            answer(window, i % 3 != 1);
            window.nextButtonClicked();
        }
        // Answered on the way: a question passed over would count as a skip in the chart.
        const auto reach = [&window](practice::QuestionKind kind, int most) {
            for (int i = 0; i < most && window.Current.kind != kind; ++i) {
                answer(window, true);
                window.nextButtonClicked();
            }
        };
        reach(practice::QuestionKind::ReadValue, 50);
        window.hintButtonClicked();
        answer(window, false);
        ok = save(window, out.filePath(QStringLiteral("practice-window.png"))) && ok;
        // The other kinds of question as they are first shown, one picture each.
        const std::pair<practice::QuestionKind, const char*> others[] = {
            {practice::QuestionKind::PickBands, "practice-pick-bands.png"},
            {practice::QuestionKind::ReadDirection, "practice-read-direction.png"},
            {practice::QuestionKind::ChipCode, "practice-chip-code.png"},
            {practice::QuestionKind::ToleranceLimit, "practice-tolerance-limit.png"}};
        for (const auto& [kind, name] : others) {
            reach(kind, 200);
            ok = save(window, out.filePath(QString::fromLatin1(name))) && ok;
        }
        window.Unload();
    }
    return ok ? 0 : 1;
}
