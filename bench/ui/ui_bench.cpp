// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The cost of the events the main window gets most often, on the real window offscreen:
// a move over the bare surface (every palette frame and band key re-applied) and a tick with
// nothing changed. Each counts what it asked to repaint, which should be nothing.
#include "platform/program.h"
#include "ui/main/main_window.h"
#include "ui/program_info.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<zq::ui::MainWindow> openWindow() {
    auto w = std::make_unique<zq::ui::MainWindow>();
    w->Show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        std::fprintf(stderr, "ui_bench: window not exposed\n");
    w->valueTimer.setTimerEnabled(false); // ticks come from the benchmark only
    return w;
}

// Two points of the bare surface, apart, so that each move is a real move.
std::pair<QPoint, QPoint> barePoints(const zq::Form& w) {
    std::vector<QPoint> found;
    for (int y = 0; y < w.height() && found.size() < 2; y += 5)
        for (int x = 0; x < w.width() && found.size() < 2; x += 5)
            if (w.mask().contains(QPoint(x, y)) && !w.controlAt({x, y}) &&
                (found.empty() || (found[0] - QPoint(x, y)).manhattanLength() > 20))
                found.push_back({x, y});
    if (found.size() < 2) std::abort();
    return {found[0], found[1]};
}

void repaintCounters(benchmark::State& st, const zq::Form& w, quint64 requests, quint64 painted) {
    const double n = double(st.iterations());
    st.counters["repaints"] = double(w.repaintRequests() - requests) / n;
    st.counters["painted"] = double(w.controlsPainted() - painted) / n;
}

// Through the native window and Qt's event delivery, as the desktop sends it.
void BM_MoveOverBareSurface(benchmark::State& st) {
    auto w = openWindow();
    const auto [a, b] = barePoints(*w);
    QWindow* win = w->windowHandle();
    QTest::mouseMove(win, a);
    QTest::mouseMove(win, b);
    const quint64 requests = w->repaintRequests(), painted = w->controlsPainted();
    bool flip = false;
    for (auto _ : st) {
        QTest::mouseMove(win, flip ? a : b);
        flip = !flip;
    }
    repaintCounters(st, *w, requests, painted);
}
BENCHMARK(BM_MoveOverBareSurface)->Unit(benchmark::kMicrosecond);

void BM_TickNothingChanged(benchmark::State& st) {
    auto w = openWindow();
    // The second tick settles the band-3 row, which lags one tick behind.
    w->tick();
    w->tick();
    QCoreApplication::processEvents();
    const quint64 requests = w->repaintRequests(), painted = w->controlsPainted();
    for (auto _ : st) {
        w->tick();
        QCoreApplication::processEvents();
    }
    repaintCounters(st, *w, requests, painted);
}
BENCHMARK(BM_TickNothingChanged)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zq::setUpApplication(app, zq::ui::versionRecord());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
