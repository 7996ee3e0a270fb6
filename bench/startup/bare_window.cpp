// The yardstick for the program's start-up: a plain frameless Qt window of the main window's
// size, started and ended the same way (ZELQUIN_QUIT_AFTER_FIRST_FRAME=1 ends it once its
// first whole frame is painted).
#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

namespace {

class QuitAfterFirstFrame final : public QObject {
  public:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = static_cast<QWidget*>(o);
        if (e->type() != QEvent::Paint) return false;
        if (QRegion(w->rect()).subtracted(static_cast<QPaintEvent*>(e)->region()).isEmpty()) {
            w->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w.setWindowTitle(QStringLiteral("bare"));
    w.resize(616, 457);
    QuitAfterFirstFrame quitter;
    if (qEnvironmentVariableIntValue("ZELQUIN_QUIT_AFTER_FIRST_FRAME") == 1)
        w.installEventFilter(&quitter);
    w.show();
    return QApplication::exec();
}
