// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/value/kit_store.h"

#include "model/combinations/kit.h"
#include "model/combinations/kit_file.h"
#include "wording/combinations.h"

#include <QDateTime>
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

OwnKit loadOwnKit() {
    OwnKit out;
    const QString path = ownKitPath();
    QFile file(path);
    if (!file.exists()) {
        out.values = model::starterKit();
        return out;
    }
    QString trouble;
    std::optional<model::KitLine> firstRefused;
    if (!file.open(QIODevice::ReadOnly)) {
        trouble = QStringLiteral("open");
    } else {
        const QByteArray bytes = file.readAll();
        file.close();
        const model::KitFile kit =
            model::readKit(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (kit.refused.empty()) {
            out.values = kit.values;
            return out;
        }
        firstRefused = kit.refused.front();
    }
    // Set aside under a name no later save takes.
    const QString aside = path.chopped(4) + QStringLiteral("-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) +
                          QStringLiteral(".broken.txt");
    const bool moved = QFile::rename(path, aside);
    out.values = model::starterKit();
    out.note = wording::ownKitSetAside(firstRefused, moved ? aside : QString());
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

} // namespace zq::ui
