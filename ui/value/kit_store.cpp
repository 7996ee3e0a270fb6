// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/kit_store.h"
#include "ui/words.h"

#include "model/combinations/kit.h"
#include "model/combinations/kit_file.h"
#include "ui/save_whole.h"
#include "ui/set_aside.h"
#include "wording/combinations.h"
#include "wording/kit_panel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    std::optional<model::KitLimit> over;
    const model::KitFileRead read = model::readKitFile(QFile::encodeName(path).toStdString());
    if (read.trouble == model::KitFileTrouble::none) {
        if (read.kit.refused.empty() && !read.kit.over) {
            out.values = read.kit.values;
            return out;
        }
        if (!read.kit.refused.empty()) firstRefused = read.kit.refused.front();
        over = read.kit.over;
    } else if (read.trouble == model::KitFileTrouble::tooLarge) {
        over = model::KitLimit::bytes;
    }
    // Never cut to what fits: the whole file is kept aside, and the note says what is wrong.
    out.values = model::starterKit();
    out.note = q(wording::ownKitSetAside(firstRefused, (setAside ? setAside(path) : ui::setAside(path)).toStdString(),
                                       over));
    return out;
}

QString saveOwnKit(const std::vector<model::Decimal>& values) {
    const QString path = ownKitPath();
    const std::string text = model::kitText(values);
    if (saveWhole(path, QByteArray::fromStdString(text)))
        return q(wording::ownKitNotSaved(QDir::toNativeSeparators(path).toStdString()));
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
    return {fallback, q(wording::kitChoiceSetAside(fallbackName.toStdString(), ui::setAside(kitChoicePath()).toStdString()))};
}

bool saveKitChoice(int choice) {
    if (choice < 0 || choice >= int(std::size(kChoiceNames))) return false;
    return !saveWhole(kitChoicePath(), kChoiceNames[choice].toUtf8() + '\n');
}

} // namespace zq::ui
