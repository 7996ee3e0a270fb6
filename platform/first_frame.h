// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ends the program once a window has painted all of itself, for start-up measurements and
// for tests that start the whole program. Header-only, so that the bare window the start-up
// benchmark compares against uses the very same rule without the rest of the runtime.
#include <QCoreApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace zq {

class QuitAfterFirstFrame final : public QObject {
  public:
    // Only when ZELQUIN_QUIT_AFTER_FIRST_FRAME=1; otherwise the window is left alone.
    void watch(QWidget& w) {
        if (qEnvironmentVariableIntValue("ZELQUIN_QUIT_AFTER_FIRST_FRAME") == 1)
            w.installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        auto* w = static_cast<QWidget*>(o);
        // What the window's region cuts away never needs painting.
        const QRegion whole = w->mask().isEmpty() ? QRegion(w->rect()) : w->mask();
        if (whole.subtracted(static_cast<QPaintEvent*>(e)->region()).isEmpty()) {
            w->removeEventFilter(this);
            noteMemory();
            // Queued, so the frame is painted and flushed before the loop ends.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

  private:
    // With ZELQUIN_FIRST_FRAME_MEMORY=<file>, the process's memory summary as the first frame
    // stands is copied there: the private pages are gone by the time anyone could look after
    // the exit.
    static void noteMemory() {
        const QByteArray to = qgetenv("ZELQUIN_FIRST_FRAME_MEMORY");
        if (to.isEmpty()) return;
        std::FILE* in = std::fopen("/proc/self/smaps_rollup", "rb");
        std::FILE* out = std::fopen(to.constData(), "wb");
        char buf[4096];
        for (size_t n; in && out && (n = std::fread(buf, 1, sizeof buf, in)) > 0;)
            std::fwrite(buf, 1, n, out);
        if (in) std::fclose(in);
        if (out) std::fclose(out);
    }
};

} // namespace zq
