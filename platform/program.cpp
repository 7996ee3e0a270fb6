// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/program.h"

#include "platform/font_names.h"
#include "platform/services.h"
#include "wording/catalogue.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
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

// The faces that stand in for the design's, best first; each by every family name it is
// known by, since the desktop's language decides which of them fontconfig reports.
const std::vector<QStringList>& songStandIns() {
    static const std::vector<QStringList> f{
        // Song and Ming faces first: they have the design's shapes and half-width Latin.
        {QStringLiteral("AR PL UMing CN")},
        {QStringLiteral("AR PL UMing TW")},
        {QStringLiteral("AR PL UMing HK")},
        {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Serif SC")},
        {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC")},
        {QStringLiteral("WenQuanYi Zen Hei"), fonts::zenHeiSimplified(),
         fonts::zenHeiTraditional()},
        {QStringLiteral("WenQuanYi Zen Hei Sharp"), fonts::zenHeiSharpSimplified(),
         fonts::zenHeiSharpTraditional()},
        {QStringLiteral("Droid Sans Fallback")},
    };
    return f;
}

const std::vector<QStringList>& tahomaStandIns() {
    static const std::vector<QStringList> f{{QStringLiteral("Tahoma")},
                                            {QStringLiteral("DejaVu Sans")}};
    return f;
}

} // namespace

void choosePlatform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

QString firstInstalled(const std::vector<QStringList>& faces,
                       const std::function<bool(const QString&)>& installed) {
    for (const QStringList& names : faces)
        for (const QString& name : names)
            if (installed(name)) return name;
    return {};
}

const std::vector<QStringList>& standInsFor(const QString& designFace) {
    static const std::vector<QStringList> none;
    if (designFace == fonts::song()) return songStandIns();
    if (designFace == QStringLiteral("Tahoma")) return tahomaStandIns();
    return none;
}

QString installedFaceFor(const QString& designFace) {
    // Fonts do not come and go under a running program: each design face is looked up once,
    // by name, instead of listing every family on the machine.
    static QHash<QString, QString> chosen;
    const auto known = chosen.constFind(designFace);
    if (known != chosen.constEnd()) return *known;
    QString face = designFace;
    if (!standInsFor(designFace).empty()) {
        face = firstInstalled(standInsFor(designFace),
                              [](const QString& name) { return QFontDatabase::hasFamily(name); });
        // Any other face with the Chinese characters is better than boxes. Only a machine
        // without the listed faces pays for the list of families.
        if (face.isEmpty() && designFace == fonts::song()) {
            const QStringList any = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
            if (!any.isEmpty()) face = any.first();
        }
    }
    chosen.insert(designFace, face);
    return face;
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

    // The wording layer's sentences come through this program's catalogue, as every other text.
    wording::installTranslator([](const char* context, const char* source, const char* comment) {
        return QCoreApplication::translate(context, source, comment).toStdString();
    });
    useLocale(QLocale());

    // Texts that name a design face directly get the same stand-in as the designs.
    for (const QString& design : {fonts::song(), QStringLiteral("Tahoma")}) {
        const QString face = installedFaceFor(design);
        if (!face.isEmpty()) QFont::insertSubstitution(design, face);
    }
    if (installedFaceFor(fonts::song()).isEmpty()) {
        // In English: a machine without a Chinese font may show none on its terminal either.
        const QString w = QCoreApplication::translate(
            "Program",
            "zelquin: no Chinese font is installed; the texts may show as boxes. "
            "Install the package fonts-arphic-uming (or fonts-noto-cjk, or fonts-wqy-zenhei).");
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
