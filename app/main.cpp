// The program: one main window, its timer, and the two windows it opens.
#include "platform/program.h"
#include "ui/main/form1.h"
#include "ui/program_info.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>

namespace {

// Start-up measurements and the package test need the program to end by itself once the
// main window has drawn all of itself, and not before.
class QuitAfterFirstFrame final : public QObject {
  public:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = static_cast<QWidget*>(o);
        if (e->type() != QEvent::Paint) return false;
        const QRegion whole = w->mask().isEmpty() ? QRegion(w->rect()) : w->mask();
        if (whole.subtracted(static_cast<QPaintEvent*>(e)->region()).isEmpty()) {
            w->removeEventFilter(this);
            // Queued, so the frame is painted and flushed before the loop ends.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    zq::choosePlatform();
    // Qt prints its own long complaint and aborts when there is no display; say it plainly.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "zelquin: no display; run it under a desktop, or with "
                             "QT_QPA_PLATFORM=offscreen (see README).\n");
        return 1;
    }
    QApplication app(argc, argv);
    zq::setUpApplication(app, zq::ui::versionRecord());
    auto* main = new zq::ui::Form1;
    QuitAfterFirstFrame quitter;
    if (qEnvironmentVariableIntValue("ZELQUIN_QUIT_AFTER_FIRST_FRAME") == 1)
        main->installEventFilter(&quitter);
    main->Show();
    const int rc = QApplication::exec();
    delete main;
    return rc;
}
