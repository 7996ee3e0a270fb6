#pragma once
// Ends the program once a window has painted all of itself, for start-up measurements and
// for tests that start the whole program. Header-only, so that the bare window the start-up
// benchmark compares against uses the very same rule without the rest of the runtime.
#include <QCoreApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

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
            // Queued, so the frame is painted and flushed before the loop ends.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace zq
