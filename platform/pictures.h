#pragma once
// Pictures as the controls hold them: a resource path, loaded once per process and
// shared, with a second drawing at twice the size for high-density screens.
#include <QPixmap>
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
    // The drawing for a device pixel ratio: the @2x one from 1.5 on, when it exists.
    const QPixmap& pixmapFor(qreal devicePixelRatio) const;
    QImage toImage() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.data_ == b.data_; }

    struct Data;

  private:
    std::shared_ptr<const Data> data_;
};

// The numbered bitmap `id`; type 0 asks for a bitmap. An unknown number is an error.
Picture LoadResPicture(int id, int type);
// A picture stored with a window design.
Picture LoadDesignPicture(const QString& resourcePath);

} // namespace zq
