// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time painter of the program's icon for a desktop's icon theme. Run by the build with
// the output folder as its argument; writes <folder>/<n>.png for every size of the theme.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "assets/pictures/program_icon.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: paint_icons <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (const int n : zq::paint::kProgramIconSizes) {
        const QString file = QStringLiteral("%1/%2.png").arg(folder).arg(n);
        if (!zq::paint::programIconAt(n).save(file, "PNG")) {
            std::fprintf(stderr, "paint_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
