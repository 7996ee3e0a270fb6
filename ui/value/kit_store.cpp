// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/kit_store.h"

#include "model/combinations/kit.h"
#include "model/combinations/kit_file.h"
#include "ui/set_aside.h"
#include "wording/combinations.h"
#include "wording/kit_panel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace zq::ui {

QString ownKitPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("kit.txt"));
}

OwnKit loadOwnKit(const std::function<QString(const QString&)>& setAside) {
    OwnKit out;
    const QString path = ownKitPath();
    QFile file(path);
    if (!file.exists()) {
        out.values = model::starterKit();
        return out;
    }
    // The same limits and reading as a kit named on the command line.
    std::optional<model::KitLine> firstRefused;
    const model::KitFileRead read = model::readKitFile(QFile::encodeName(path).toStdString());
    if (read.trouble == model::KitFileTrouble::none) {
        if (read.kit.refused.empty() && !read.kit.over) {
            out.values = read.kit.values;
            return out;
        }
        if (!read.kit.refused.empty()) firstRefused = read.kit.refused.front();
    }
    out.values = model::starterKit();
    out.note =
        wording::ownKitSetAside(firstRefused, setAside ? setAside(path) : ui::setAside(path));
    return out;
}

QString saveOwnKit(const std::vector<model::Decimal>& values) {
    const QString path = ownKitPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return wording::ownKitNotSaved(path);
    QSaveFile file(path);
    const std::string text = model::kitText(values);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit())
        return wording::ownKitNotSaved(path);
    return {};
}

namespace {

QString kitChoicePath() {
    return QFileInfo(ownKitPath()).dir().filePath(QStringLiteral("kit-choice.txt"));
}

// The chooser's places as kept: a name stays right when the chooser changes order.
const QString kChoiceNames[] = {QStringLiteral("E6"), QStringLiteral("E12"), QStringLiteral("E24"),
                                QStringLiteral("own")};

} // namespace

KeptKitChoice loadKitChoice(int fallback, const QString& fallbackName) {
    QFile file(kitChoicePath());
    if (!file.exists()) return {fallback, {}};
    if (QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly)) {
        const QString kept = QString::fromUtf8(file.read(16)).trimmed();
        for (int i = 0; i < int(std::size(kChoiceNames)); ++i)
            if (kept == kChoiceNames[i]) return {i, {}};
        file.close();
    }
    return {fallback, wording::kitChoiceSetAside(fallbackName, ui::setAside(kitChoicePath()))};
}

void saveKitChoice(int choice) {
    if (choice < 0 || choice >= int(std::size(kChoiceNames))) return;
    // Losing the choice only means the default kit next time: nothing to tell the user.
    if (!QDir().mkpath(QFileInfo(kitChoicePath()).absolutePath())) return;
    QSaveFile file(kitChoicePath());
    const QByteArray bytes = kChoiceNames[choice].toUtf8() + '\n';
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) file.commit();
}

} // namespace zq::ui
