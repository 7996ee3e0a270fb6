#include "platform/pictures.h"
#include "platform/errors.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace zq {

struct Picture::Data {
    QString path;
    int id = 0; // the number of a numbered picture
    QPixmap normal;
    // Decoded only when a high-density screen first asks for it.
    mutable QPixmap doubled;
    mutable bool doubledTried = false;
};

namespace {

// Pictures are immutable, so every control may share the one loaded copy; this keeps
// the handlers' habit of loading a picture at every event cheap.
std::shared_ptr<const Picture::Data> load(const QString& path) {
    static QHash<QString, std::shared_ptr<const Picture::Data>> cache;
    if (auto it = cache.constFind(path); it != cache.constEnd()) return *it;
    auto d = std::make_shared<Picture::Data>();
    d->path = path;
    static const QRegularExpression numbered(QStringLiteral("^:/res/(\\d+)\\.png$"));
    if (const auto m = numbered.match(path); m.hasMatch()) d->id = m.captured(1).toInt();
    if (!d->normal.load(path)) return nullptr;
    cache.insert(path, d);
    return d;
}

} // namespace

Picture::Picture(const QString& resourcePath) : data_(load(resourcePath)) {
    if (!data_) throw RuntimeError(QStringLiteral("cannot load picture %1").arg(resourcePath));
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

const QPixmap& Picture::pixmapFor(qreal devicePixelRatio) const {
    static const QPixmap none;
    if (!data_) return none;
    if (devicePixelRatio < 1.5) return data_->normal;
    if (!data_->doubledTried) {
        data_->doubledTried = true;
        QString twice = data_->path;
        twice.insert(twice.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        if (QFile::exists(twice) && data_->doubled.load(twice))
            data_->doubled.setDevicePixelRatio(2.0);
    }
    return data_->doubled.isNull() ? data_->normal : data_->doubled;
}

QImage Picture::toImage() const {
    return data_ ? data_->normal.toImage() : QImage();
}

Picture LoadResPicture(int id, int type) {
    if (type != 0)
        throw RuntimeError(QStringLiteral("only bitmaps are stored, asked for type %1").arg(type));
    return Picture(QStringLiteral(":/res/%1.png").arg(id));
}

Picture LoadDesignPicture(const QString& resourcePath) {
    return Picture(resourcePath);
}

} // namespace zq
