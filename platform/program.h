// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Program start and end.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QApplication;

namespace zq {

struct VersionRecord {
    QString fileVersion;    // numeric, "1.1.0.1"
    QString productVersion; // "1.01.0001"
    QString productName;    // "Zelquin"
    QString internalName;   // "ZelquinV1.1"
    QString companyName;
};

// Before the application object exists: unless the user chose a platform, prefer X11
// (XWayland on a Wayland desktop), where a program may place its own windows.
void choosePlatform();

// Names, version, Qt's own Chinese texts, and the design's fonts mapped onto what is
// installed. Returns the warnings it printed (a missing Chinese font).
QStringList setUpApplication(QApplication& app, const VersionRecord& version);

// The fonts a design names, and what this machine draws them with: the first installed
// of the design face's stand-ins (empty when none is), or the face itself when it has none.
QString installedFaceFor(const QString& designFace);
// The stand-ins of a design face, best first, each with all the family names it goes by.
const std::vector<QStringList>& standInsFor(const QString& designFace);
// The first name of the first face that `installed` knows, asking about one name at a time
// and stopping at the first it knows.
QString firstInstalled(const std::vector<QStringList>& faces,
                       const std::function<bool(const QString&)>& installed);

// Ends the program at once. Tests put a recorder in its place.
void EndProgram();
void setEndProgramHandler(std::function<void()> h);

} // namespace zq
