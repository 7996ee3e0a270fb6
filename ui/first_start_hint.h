// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The note shown at a first start: where the value and reading windows are. It stands beside
// the main window (never over the multimeter), never takes the keyboard, and once dismissed is
// not shown again: a small file in the user's configuration remembers that.
#include <QPointer>
#include <QString>
#include <QWidget>

namespace zq {
class Form;
}

namespace zq::ui {

class FirstStartHint : public QWidget {
  public:
    // The file that remembers the dismissal.
    static QString defaultFile();
    // Whether the hint was dismissed. A file that cannot be read as this program wrote it is
    // set aside (renamed with ".unreadable") and counts as never written.
    static bool dismissed(const QString& file);
    // Written whole or not at all; false when it could not be written.
    static bool rememberDismissed(const QString& file);

    // The hint beside `main`, unless it was dismissed before; nullptr then.
    static FirstStartHint* offer(zq::Form& main, const QString& file);
    // The program's start: offered once the main window's first frame is painted, so that the
    // start costs nothing more. Never offered with ZELQUIN_NO_FIRST_START_HINT=1 (tests,
    // screenshots, offscreen runs) nor while measuring the start.
    static void offerAfterFirstFrame(zq::Form& main);

    // Hides the hint for good, as its button does.
    void dismiss();
    // Where it stands beside the main window: below, else above, else over its upper right
    // corner, away from the multimeter on the left.
    void follow();
    QString text() const;

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    FirstStartHint(zq::Form& main, const QString& file);
    // Only as a widget: its events still come while it is being destroyed, when it is no
    // longer a form.
    QPointer<QWidget> main_;
    QString file_;
    bool dismissed_ = false;
};

} // namespace zq::ui
