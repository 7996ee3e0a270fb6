#include "platform/pictures.h"
#include "platform/errors.h"

#include <QFile>
#include <QHash>

namespace zq {

struct Picture::Data {
    QString path;
    QPixmap normal;
    QPixmap doubled;
};

namespace {

// Pictures are immutable, so every control may share the one loaded copy; this keeps
// the handlers' habit of loading a picture at every event cheap.
std::shared_ptr<const Picture::Data> load(const QString& path) {
    static QHash<QString, std::shared_ptr<const Picture::Data>> cache;
    if (auto it = cache.constFind(path); it != cache.constEnd()) return *it;
    auto d = std::make_shared<Picture::Data>();
    d->path = path;
    if (!d->normal.load(path)) return nullptr;
    QString twice = path;
    twice.insert(twice.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    if (QFile::exists(twice) && d->doubled.load(twice)) d->doubled.setDevicePixelRatio(2.0);
    cache.insert(path, d);
    return d;
}

} // namespace

Picture::Picture(const QString& resourcePath) : data_(load(resourcePath)) {
    if (!data_) throw RuntimeError(QStringLiteral("cannot load picture %1").arg(resourcePath));
}

const QString& Picture::path() const {
    static const QString none;
    return data_ ? data_->path : none;
}

QSize Picture::size() const { return data_ ? data_->normal.size() : QSize(); }

const QPixmap& Picture::pixmapFor(qreal devicePixelRatio) const {
    static const QPixmap none;
    if (!data_) return none;
    if (devicePixelRatio >= 1.5 && !data_->doubled.isNull()) return data_->doubled;
    return data_->normal;
}

QImage Picture::toImage() const { return data_ ? data_->normal.toImage() : QImage(); }

Picture LoadResPicture(int id, int type) {
    if (type != 0) throw RuntimeError(QStringLiteral("only bitmaps are stored, asked for type %1").arg(type));
    Picture p(QStringLiteral(":/res/%1.png").arg(id));
    p.id_ = id;
    return p;
}

Picture LoadDesignPicture(const QString& resourcePath) { return Picture(resourcePath); }

} // namespace zq
