// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/pictures.h"
#include "platform/errors.h"
#include "platform/raw_picture.h"

#include <QFile>
#include <QHash>
#include <QPixmap>
#include <QResource>
#include <cstring>

namespace zq {

struct Picture::Data {
    QString path;
    int id = 0; // the number of a numbered picture
    QImage normal;
    // Decoded only when a high-density screen first asks for it.
    mutable QImage doubled;
    mutable bool doubledTried = false;
};

namespace {

// Painting is fastest from these two; the same words serve both when nothing shows through.
QImage paintable(QImage img) {
    const bool opaque = !img.hasAlphaChannel();
    return img.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

// The embedded pixels of a picture, wrapped where they lie in the program's read-only data;
// a null image when the build embedded no such twin. Only the header is read: the pixels'
// pages are first touched when the picture is painted.
QImage embedded(const QString& path) {
    const QResource res(QString::fromStdString(rawPicturePath(path.toStdString())));
    if (!res.isValid() || res.compressionAlgorithm() != QResource::NoCompression) return {};
    const uchar* bytes = res.data();
    const qint64 size = res.size();
    RawPictureHeader h{};
    if (!bytes || size < qint64(sizeof h)) return {};
    std::memcpy(&h, bytes, sizeof h);
    if (!rawPictureFits(h, std::uint64_t(size)))
        throw RuntimeError(QStringLiteral("embedded picture %1 is damaged").arg(path));
    const uchar* pixels = bytes + sizeof h;
    const QImage::Format format =
        h.flags & kRawPictureOpaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    const QImage in(pixels, int(h.width), int(h.height), qsizetype(h.width) * 4, format);
    // A QImage wants its rows on word boundaries; a toolchain that packs the resource data
    // less tightly costs a copy, not a crash.
    if (reinterpret_cast<quintptr>(pixels) % alignof(quint32) != 0) return in.copy();
    return in;
}

// Pictures are immutable, so every control may share the one loaded copy; this keeps
// the handlers' habit of loading a picture at every event cheap.
std::shared_ptr<const Picture::Data> load(const QString& path) {
    static QHash<QString, std::shared_ptr<const Picture::Data>> cache;
    if (auto it = cache.constFind(path); it != cache.constEnd()) return *it;
    auto d = std::make_shared<Picture::Data>();
    d->path = path;
    static const QString prefix = QStringLiteral(":/res/");
    if (path.startsWith(prefix) && path.endsWith(QLatin1String(".png")))
        d->id = QStringView(path).mid(prefix.size(), path.size() - prefix.size() - 4).toInt();
    d->normal = embedded(path);
    // A picture the build did not embed is decoded like any other file.
    if (d->normal.isNull()) d->normal = paintable(QImage(path));
    if (d->normal.isNull()) return nullptr;
    cache.insert(path, d);
    return d;
}

} // namespace

Picture::Picture(const QString& resourcePath) : data_(load(resourcePath)) {
    if (!data_) throw RuntimeError(QStringLiteral("cannot load picture %1").arg(resourcePath));
}

Picture Picture::drawn(const QImage& normal, const QImage& doubled) {
    auto d = std::make_shared<Data>();
    d->normal = paintable(normal);
    d->doubledTried = true;
    if (!doubled.isNull()) {
        d->doubled = paintable(doubled);
        d->doubled.setDevicePixelRatio(2.0);
    }
    Picture p;
    p.data_ = std::move(d);
    return p;
}

int Picture::resourceId() const {
    return data_ ? data_->id : 0;
}

const QString& Picture::path() const {
    static const QString none;
    return data_ ? data_->path : none;
}

QSize Picture::size() const {
    return data_ ? data_->normal.size() : QSize();
}

const QImage& Picture::imageFor(qreal devicePixelRatio) const {
    static const QImage none;
    if (!data_) return none;
    if (devicePixelRatio < 1.5) return data_->normal;
    if (!data_->doubledTried) {
        data_->doubledTried = true;
        QString twice = data_->path;
        twice.insert(twice.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        if (QFile::exists(twice)) data_->doubled = paintable(QImage(twice));
        if (!data_->doubled.isNull()) data_->doubled.setDevicePixelRatio(2.0);
    }
    return data_->doubled.isNull() ? data_->normal : data_->doubled;
}

Picture LoadResPicture(int id, int type) {
    if (type != 0)
        throw RuntimeError(QStringLiteral("only bitmaps are stored, asked for type %1").arg(type));
    return Picture(QStringLiteral(":/res/%1.png").arg(id));
}

Picture LoadDesignPicture(const QString& resourcePath) {
    return Picture(resourcePath);
}

QIcon IconFromPicture(const Picture& p, qreal devicePixelRatio) {
    QIcon icon;
    if (p.isNull()) return icon;
    icon.addPixmap(QPixmap::fromImage(p.image()));
    if (const QImage& twice = p.imageFor(devicePixelRatio); twice.devicePixelRatio() > 1)
        icon.addPixmap(QPixmap::fromImage(twice));
    return icon;
}

} // namespace zq
