// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The program: one main window, its timer, and the windows it opens; or an answer on the terminal.
#include "app/command_line.h"
#include "platform/first_frame.h"
#include "platform/program.h"
#include "platform/services.h"
#include "ui/first_start_hint.h"
#include "ui/main/main_window.h"
#include "ui/program_info.h"
#include "wording/command_line.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

// An answer that never reached its reader is no answer: say so, and end with a failure.
bool written(std::string_view bytes, std::FILE* to) {
    if (bytes.empty()) return true;
    errno = 0;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), to) == bytes.size() &&
                    std::fflush(to) == 0;
    return ok;
}

bool written(const QString& text, std::FILE* to) {
    return written(text.toUtf8().toStdString(), to);
}

} // namespace

int main(int argc, char** argv) {
    // Read before any application object exists: --help and --version need no display, and
    // a start from the desktop, with no options, pays for no second application object.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const zq::app::CommandLineAnswer answer =
        zq::app::readCommandLine(arguments, zq::ui::versionRecord());
    if (!written(answer.out, stdout)) {
        const int error = errno;
        const QString why =
            error ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("?");
        written(zq::wording::answerNotWritten(why.toStdString()), stderr);
        return 2;
    }
    written(answer.err, stderr);
    if (!answer.openWindow) return answer.exitStatus;
    const QString& platform = answer.platform;
    if (platform.isEmpty()) zq::choosePlatform();
    // Qt prints its own long complaint and aborts when there is no display; say it plainly.
    if (platform.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        written(zq::wording::noDisplay(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    zq::setUpApplication(app, zq::ui::versionRecord());
    // Lets a desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZQ_APP_ID));
    auto* main = new zq::ui::MainWindow;
    zq::QuitAfterFirstFrame quitter;
    quitter.watch(*main);
    main->Show();
    using Start = zq::app::CommandLineAnswer::StartWindow;
    if (answer.startWindow == Start::Value) main->openValueWindow();
    if (answer.startWindow == Start::Reading) main->openReadingWindow();
    if (answer.startWindow == Start::Practice) main->openPracticeWindow();
    zq::ui::FirstStartHint::offerAfterFirstFrame(*main);
    if (answer.practiceSeed) main->openPracticeWindow(*answer.practiceSeed);
    const int rc = QApplication::exec();
    delete main;
    return rc;
}
