// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/services.h"
#include "platform/errors.h"
#include "wording/catalogue.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace zq {

namespace {

class RealMessageBox final : public MessageBoxService {
  public:
    int show(QWidget* parent, const QString& prompt, int style, const QString& title) override {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(prompt);
        switch (style & 0x70) {
        case 16:
            box.setIcon(QMessageBox::Critical);
            break;
        case 32:
            box.setIcon(QMessageBox::Question);
            break;
        case 48:
            box.setIcon(QMessageBox::Warning);
            break;
        case 64:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
        }
        // The buttons' captions come from Qt's translations.
        if ((style & 0x0F) == kYesNoStyle) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No); // a stray Return loses nothing
            return box.exec() == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return kAnswerOk;
    }
};

class RealShell final : public ShellService {
  public:
    void start(const QString& command, int) override {
        const CommandLine cl =
            splitCommandLine(command, [](const QString& p) { return QFileInfo(p).isFile(); });
        if (QFileInfo(cl.program).isExecutable()) {
            // Started directly, never through a shell, so the address cannot run anything.
            if (!QProcess::startDetached(cl.program, QProcess::splitCommand(cl.arguments)))
                throw RuntimeError(QStringLiteral("cannot start %1").arg(cl.program));
            return;
        }
        // The browser the command names exists only on old Windows machines; elsewhere the
        // desktop's own browser opens the address.
        const QUrl url(cl.arguments.trimmed(), QUrl::StrictMode);
        if (!url.isValid() ||
            (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
            throw RuntimeError(QStringLiteral("file not found: %1").arg(cl.program));
        const QString address = cl.arguments.trimmed();
        // The desktop's opener is started directly, with the address as its one argument, so
        // that it works under every display back end and the address reaches it unchanged.
        for (const char* opener : {"xdg-open", "sensible-browser", "x-www-browser"}) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(opener));
            if (path.isEmpty()) continue;
            if (QProcess::startDetached(path, {address})) return;
        }
        // Sandboxed desktops may still open it through the display back end.
        if (!QDesktopServices::openUrl(url))
            throw RuntimeError(QStringLiteral("no browser for %1").arg(address));
    }
};

MessageBoxService* g_box = nullptr;
ShellService* g_shell = nullptr;

} // namespace

void setMessageBoxService(MessageBoxService* s) {
    g_box = s;
}

int MsgBox(const QString& prompt, int style, const QString& title) {
    static RealMessageBox real;
    MessageBoxService* s = g_box ? g_box : &real;
    return s->show(QApplication::activeWindow(), prompt, style, title);
}

void setShellService(ShellService* s) {
    g_shell = s;
}

double Shell(const QString& command, int windowStyle) {
    static RealShell real;
    ShellService* s = g_shell ? g_shell : &real;
    s->start(command, windowStyle);
    return 0;
}

CommandLine splitCommandLine(const QString& command,
                             const std::function<bool(const QString&)>& exists) {
    const QString c = command.trimmed();
    // Try every blank from the last: the longest existing program path wins.
    for (qsizetype i = c.lastIndexOf(QLatin1Char(' ')); i > 0;
         i = c.lastIndexOf(QLatin1Char(' '), i - 1)) {
        const QString head = c.left(i);
        if (exists(head)) return {head, c.mid(i + 1)};
    }
    if (exists(c)) return {c, {}};
    const qsizetype sp = c.indexOf(QLatin1Char(' '));
    if (sp < 0) return {c, {}};
    // No program exists: an ".EXE " names where the program path ends.
    const qsizetype exe = c.indexOf(QLatin1String(".exe "), 0, Qt::CaseInsensitive);
    if (exe >= 0) return {c.left(exe + 4), c.mid(exe + 5)};
    return {c.left(sp), c.mid(sp + 1)};
}

QString decimalPoint() {
    return QLocale().decimalPoint();
}

void useLocale(const QLocale& locale) {
    QLocale::setDefault(locale);
    wording::useDecimalPoint(locale.decimalPoint().toStdString());
}

} // namespace zq
