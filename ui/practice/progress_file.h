// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The learner's progress on disk: a small JSON file in the user's configuration folder,
// written whole or not at all, and set aside when it cannot be read.
#include "model/practice/schedule.h"

#include <QString>
#include <functional>
#include <optional>

namespace zq::ui {

class ProgressFile {
  public:
    explicit ProgressFile(QString path);
    // A learner's progress is a few kilobytes; anything far larger is not one.
    static constexpr qint64 kMostBytes = 1 << 20;
    // <configuration folder>/practice-progress.json.
    static QString defaultPath();
    const QString& path() const { return path_; }

    struct Loaded {
        model::practice::LearnerState state;
        QString setAsideAs; // the name a file that could not be read was given; empty if none
        bool unreadable = false; // there was such a file, set aside or (when that failed) not
    };
    // A missing file is a fresh start; one that cannot be read is set aside (set_aside.h)
    // and is a fresh start too.
    Loaded load() const;
    // Nothing when saved, else why not (a reason the system may leave empty: a failure is
    // never told by its text). `beforeCommit` runs with the new contents written but not yet
    // in place (tests kill the process there).
    std::optional<QString> save(const model::practice::LearnerState& state,
                 const std::function<void()>& beforeCommit = {}) const;

    static QByteArray toJson(const model::practice::LearnerState& state);
    static std::optional<model::practice::LearnerState> fromJson(const QByteArray& bytes);

  private:
    QString path_;
};

} // namespace zq::ui
