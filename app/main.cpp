// The program: one main window, its timer, and the two windows it opens.
#include "platform/first_frame.h"
#include "platform/program.h"
#include "ui/main/form1.h"
#include "ui/program_info.h"
#include "ui/value/colours_command.h"

#include <QApplication>
#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    // Answered on the terminal, before anything needs a display.
    if (zq::ui::wantsColours(argc, argv))
        return zq::ui::runColoursCommand({argv + 1, argv + argc}, std::cout, std::cerr,
                                         zq::ui::userDecimalPoint());
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
    zq::QuitAfterFirstFrame quitter;
    quitter.watch(*main);
    main->Show();
    const int rc = QApplication::exec();
    delete main;
    return rc;
}
