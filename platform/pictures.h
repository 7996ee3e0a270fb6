// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pictures as the controls hold them: a resource path, loaded once per process and
// shared, with a second drawing at twice the size for high-density screens.
#include <QIcon>
#include <QImage>
#include <QString>
#include <memory>

namespace zq {

class Picture {
  public:
    Picture() = default;
    explicit Picture(const QString& resourcePath);

    bool isNull() const { return !data_; }
    const QString& path() const;
    int resourceId() const; // numbered pictures; 0 otherwise
    QSize size() const;     // pixels at 1:1
    // The drawing for a device pixel ratio: the @2x one from 1.5 on, when it exists. The 1x
    // drawing is the embedded pixels themselves, ready to paint; the @2x one is decoded the
    // first time a screen asks for it.
    const QImage& imageFor(qreal devicePixelRatio) const;
    // The 1x drawing.
    const QImage& image() const { return imageFor(1.0); }

    friend bool operator==(const Picture& a, const Picture& b) { return a.data_ == b.data_; }

    // A picture drawn while the program runs, with its twice-size drawing (may be null).
    static Picture drawn(const QImage& normal, const QImage& doubled);

    struct Data;

  private:
    std::shared_ptr<const Data> data_;
};

// The numbered bitmap `id`; type 0 asks for a bitmap. An unknown number is an error.
Picture LoadResPicture(int id, int type);
// A picture stored with a window design.
Picture LoadDesignPicture(const QString& resourcePath);
// An icon for the desktop from a picture: its 1x drawing, and the @2x one on a screen that
// needs it.
QIcon IconFromPicture(const Picture& p, qreal devicePixelRatio);

} // namespace zq
