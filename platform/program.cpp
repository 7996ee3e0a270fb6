#include "platform/program.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace zq {

namespace {

std::function<void()>& endHandler() {
    static std::function<void()> h;
    return h;
}

const QStringList& songFaces() {
    static const QStringList f{QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                               QStringLiteral("WenQuanYi Zen Hei"),
                               QStringLiteral("WenQuanYi Zen Hei Sharp")};
    return f;
}

} // namespace

void choosePlatform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

QString installedFaceFor(const QString& designFace) {
    const QStringList families = QFontDatabase::families();
    auto first = [&](const QStringList& wanted) -> QString {
        for (const QString& w : wanted)
            if (families.contains(w, Qt::CaseInsensitive)) return w;
        return {};
    };
    if (designFace == QStringLiteral("宋体")) return first(songFaces());
    if (designFace == QStringLiteral("Tahoma"))
        return first({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    return designFace;
}

QStringList setUpApplication(QApplication& app, const VersionRecord& v) {
    QStringList warnings;
    QApplication::setApplicationName(v.productName);
    // No display name: on X11 Qt appends it to every window's title ("软件说明 — ..."),
    // and each window's title towards the desktop is its caption, nothing more.
    QApplication::setApplicationVersion(v.fileVersion);
    QApplication::setOrganizationName(v.companyName);

    // The whole interface is Chinese, so the standard texts (the message box's button, a
    // text box's menu) are too, whatever the desktop's language.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_zh_CN"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);

    QStringList song = songFaces();
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans")});
    if (installedFaceFor(QStringLiteral("宋体")).isEmpty()) {
        const QString w =
            QStringLiteral("zelquin: no Chinese font is installed; the texts may show as boxes. "
                           "Install the package fonts-arphic-uming (or fonts-wqy-zenhei).");
        std::fprintf(stderr, "%s\n", qPrintable(w));
        warnings << w;
    }
    return warnings;
}

void EndProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> h) {
    endHandler() = std::move(h);
}

} // namespace zq
