// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/first_start_hint.h"
#include "ui/words.h"

#include "assets/designs/common.h"
#include "platform/form.h"
#include "ui/placement.h"
#include "ui/save_whole.h"
#include "ui/set_aside.h"
#include "wording/help.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace zq::ui {

namespace {

const QByteArray kDismissed = QByteArrayLiteral("first-start-hint=dismissed\n");
constexpr int kWidth = 300;

// Waits for the main window's first frame, then offers the hint from the event loop.
class AfterFirstFrame final : public QObject {
  public:
    explicit AfterFirstFrame(zq::Form& main) : QObject(&main), main_(&main) {
        main.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && main_) {
            main_->removeEventFilter(this);
            QTimer::singleShot(0, main_, [m = main_] {
                if (m && !m->unloaded()) FirstStartHint::offer(*m, FirstStartHint::defaultFile());
            });
            deleteLater();
        }
        return false;
    }

  private:
    QPointer<zq::Form> main_;
};

} // namespace

QString FirstStartHint::defaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/first-start");
}

bool FirstStartHint::dismissed(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink()) return false;
    QFile f(file);
    if (info.isFile() && f.open(QIODevice::ReadOnly) && f.read(kDismissed.size() + 1) == kDismissed)
        return true;
    f.close();
    setAside(file); // if even this fails, the hint is only shown once more
    return false;
}

bool FirstStartHint::rememberDismissed(const QString& file) {
    return !saveWhole(file, kDismissed);
}

FirstStartHint* FirstStartHint::offer(zq::Form& main, const QString& file) {
    if (dismissed(file)) return nullptr;
    auto* hint = new FirstStartHint(main, file);
    hint->follow();
    hint->setVisible(main.isVisible());
    return hint;
}

void FirstStartHint::offerAfterFirstFrame(zq::Form& main) {
    if (qEnvironmentVariableIntValue("ZELQUIN_NO_FIRST_START_HINT") == 1 ||
        qEnvironmentVariableIntValue("ZELQUIN_QUIT_AFTER_FIRST_FRAME") == 1)
        return;
    new AfterFirstFrame(main);
}

FirstStartHint::FirstStartHint(zq::Form& main, const QString& file)
    : QWidget(&main, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      main_(&main), file_(file) {
    setObjectName(QStringLiteral("FirstStartHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setFont(designFont(designs::detail::kSong9, designs::detail::kSong9).font);
    setWindowTitle(QCoreApplication::translate("FirstStartHint", "提示"));

    auto* note = new QLabel(text(), this);
    note->setObjectName(QStringLiteral("HintText"));
    note->setWordWrap(true);
    note->setTextFormat(Qt::PlainText);
    note->setStyleSheet(QStringLiteral("color: rgb(32, 32, 96);"));
    auto* ok = new QPushButton(QCoreApplication::translate("FirstStartHint", "知道了"), this);
    ok->setObjectName(QStringLiteral("HintDismiss"));
    ok->setFocusPolicy(Qt::NoFocus);
    ok->setAccessibleName(QCoreApplication::translate("FirstStartHint", "知道了，不再提示"));
    QObject::connect(ok, &QPushButton::clicked, this, [this] { dismiss(); });

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->addWidget(note);
    column->addLayout(row);
    setFixedWidth(kWidth);
    setFixedHeight(heightForWidth(kWidth) > 0 ? heightForWidth(kWidth) : sizeHint().height());
    main.installEventFilter(this);
}

QString FirstStartHint::text() const {
    return q(wording::firstStartNote());
}

void FirstStartHint::dismiss() {
    if (dismissed_) return;
    dismissed_ = true;
    // Not remembered (a read-only home, a full disk): it is only shown again next time.
    rememberDismissed(file_);
    if (main_) main_->removeEventFilter(this);
    close();
}

void FirstStartHint::follow() {
    if (!main_) return;
    const QRect m = main_->frameGeometry();
    const QScreen* s = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
    const QRect area = s ? s->availableGeometry() : m;
    const QSize size = this->size();
    const int right = m.right() + 1 - size.width();
    QRect at(QPoint(right, m.bottom() + 1), size);
    if (at.bottom() > area.bottom()) at.moveBottom(m.top() - 1);
    // No room below or above: over the title's end and the resistor, on the right.
    if (at.top() < area.top()) at.moveTopLeft(QPoint(right - 8, m.top() + 36));
    move(keepInside(area, at));
}

bool FirstStartHint::event(QEvent* e) {
    // A desktop that activates it anyway: the keyboard goes straight back to the main window.
    if (e->type() == QEvent::WindowActivate && main_ && main_->isVisible()) main_->activateWindow();
    return QWidget::event(e);
}

bool FirstStartHint::eventFilter(QObject* watched, QEvent* e) {
    if (watched == main_ && !dismissed_) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Show:
            follow();
            show();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void FirstStartHint::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 240, 252));
    p.setPen(QColor(224, 84, 186));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zq::ui
