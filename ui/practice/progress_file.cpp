// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/practice/progress_file.h"

#include "ui/save_whole.h"
#include "ui/set_aside.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace zq::ui {

namespace {

const QString kFormat = QStringLiteral("format"), kLearner = QStringLiteral("learner");

} // namespace

ProgressFile::ProgressFile(QString path) : path_(std::move(path)) {}

QString ProgressFile::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/practice-progress.json");
}

// The model's "key=value" lines as one JSON object, numbers as numbers, so that the file
// reads plainly and a newer program's format number is seen before anything else.
QByteArray ProgressFile::toJson(const model::practice::LearnerState& state) {
    QJsonObject learner;
    const QString text = QString::fromStdString(model::practice::toText(state));
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const QString key = line.left(eq), value = line.mid(eq + 1);
        if (key == kFormat) continue;
        bool number = false;
        const int n = value.toInt(&number);
        learner.insert(key, number ? QJsonValue(n) : QJsonValue(value));
    }
    QJsonObject root;
    root.insert(kFormat, model::practice::kStateFormat);
    root.insert(kLearner, learner);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<model::practice::LearnerState> ProgressFile::fromJson(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject root = doc.object();
    const QJsonValue format = root.value(kFormat), learner = root.value(kLearner);
    if (!format.isDouble() || !learner.isObject()) return std::nullopt;
    QString text = QStringLiteral("format=%1\n").arg(format.toInteger());
    const QJsonObject fields = learner.toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        QString value;
        if (it->isDouble())
            value = QString::number(it->toInteger());
        else if (it->isString())
            value = it->toString();
        else
            return std::nullopt;
        if (value.contains(QLatin1Char('\n')) || it.key().contains(QLatin1Char('\n')))
            return std::nullopt;
        text += it.key() + QLatin1Char('=') + value + QLatin1Char('\n');
    }
    return model::practice::fromText(text.toStdString());
}

ProgressFile::Loaded ProgressFile::load() const {
    Loaded out;
    QFile file(path_);
    if (!file.exists()) return out;
    std::optional<model::practice::LearnerState> state;
    // Only a regular file of bounded size: a pipe or a device could block or never end.
    const QFileInfo info(path_);
    if (info.isFile() && info.size() <= kMostBytes && file.open(QIODevice::ReadOnly))
        state = fromJson(file.read(kMostBytes + 1));
    file.close();
    if (state) {
        out.state = *state;
        return out;
    }
    out.unreadable = true;
    // Kept for the learner to look at, never overwritten.
    out.setAsideAs = setAside(path_);
    return out;
}

std::optional<QString> ProgressFile::save(const model::practice::LearnerState& state,
                                          const std::function<void()>& beforeCommit) const {
    return saveWhole(path_, toJson(state), beforeCommit);
}

} // namespace zq::ui
