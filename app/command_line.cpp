// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include "platform/services.h"
#include "wording/answers/answers.h"
#include "wording/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <algorithm>
#include <string>
#include <vector>

namespace zq::app {

namespace {

// The answers and their sentences are UTF-8 text; the command line is read as Qt gives it.
QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string u8(const QString& text) {
    return text.toStdString();
}

std::vector<std::string> u8(const QStringList& texts) {
    std::vector<std::string> out;
    for (const QString& t : texts)
        out.push_back(u8(t));
    return out;
}

const std::string kProgram = "zelquin";

struct Option {
    QStringList names;
    QString valueName; // empty for a switch
    QString description;
    // Options that only mean something beside one of these.
    QStringList needsOneOf = {};
};

const QString kHelp = QStringLiteral("help"), kVersion = QStringLiteral("version"),
              kColours = QStringLiteral("colours"), kBands = QStringLiteral("bands"),
              kTolerance = QStringLiteral("tolerance"), kJson = QStringLiteral("json"),
              kSmd = QStringLiteral("smd"), kRead = QStringLiteral("read"),
              kMeasured = QStringLiteral("measured"), kHave = QStringLiteral("have"),
              kGap = QStringLiteral("gap"), kBody = QStringLiteral("body"),
              kValueWindow = QStringLiteral("value-window"),
              kReadingWindow = QStringLiteral("reading-window"),
              kPracticeWindow = QStringLiteral("practice-window"),
              kPracticeSeed = QStringLiteral("practice-seed");

// The questions answered on the terminal; one at a time.
const QStringList kQuestions{kColours, kSmd, kRead};

// Every option of the program's own, in the order --help lists them. Modes that answer
// without a window (and so without a display) belong here and in readCommandLine.
const std::vector<Option>& ownOptions() {
    static const std::vector<Option> options{
        {{QStringLiteral("h"), kHelp, QStringLiteral("?")},
         {},
         q(wording::optionDescription(u8(kHelp)))},
        {{QStringLiteral("v"), kVersion},
         {},
         q(wording::optionDescription(u8(kVersion)))},
        {{kColours},
         q(wording::optionValueName(u8(kColours))),
         q(wording::optionDescription(u8(kColours)))},
        {{kBands},
         QStringLiteral("4|5"),
         q(wording::optionDescription(u8(kBands))),
         {kColours}},
        {{kTolerance},
         q(wording::optionValueName(u8(kTolerance))),
         q(wording::optionDescription(u8(kTolerance))),
         {kColours}},
        {{kHave},
         q(wording::optionValueName(u8(kHave))),
         q(wording::optionDescription(u8(kHave))),
         {kColours}},
        {{kSmd},
         q(wording::optionValueName(u8(kSmd))),
         q(wording::optionDescription(u8(kSmd)))},
        {{kRead},
         {},
         q(wording::optionDescription(u8(kRead)))},
        {{kMeasured},
         q(wording::optionValueName(u8(kMeasured))),
         q(wording::optionDescription(u8(kMeasured))),
         {kRead}},
        {{kGap},
         QStringLiteral("left|right"),
         q(wording::optionDescription(u8(kGap))),
         {kRead}},
        {{kBody},
         QStringLiteral("beige|blue|green|other"),
         q(wording::optionDescription(u8(kBody))),
         {kRead}},
        {{kJson},
         {},
         q(wording::optionDescription(u8(kJson))),
         {kColours, kRead, kSmd}},
        {{kValueWindow},
         {},
         q(wording::optionDescription(u8(kValueWindow)))},
        {{kReadingWindow},
         {},
         q(wording::optionDescription(u8(kReadingWindow)))},
        {{kPracticeWindow},
         {},
         q(wording::optionDescription(u8(kPracticeWindow)))},
        {{kPracticeSeed},
         QStringLiteral("N"),
         q(wording::optionDescription(u8(kPracticeSeed)))},
    };
    return options;
}

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QStringList dashedAll(const QStringList& names) {
    QStringList out;
    for (const QString& n : names)
        out << dashed(n);
    return out;
}

// An option given another option as its value ("--colours --bands 5") was given none.
bool isOptionName(const QString& word) {
    if (!word.startsWith(QLatin1Char('-'))) return false;
    QString bare = word;
    while (bare.startsWith(QLatin1Char('-')))
        bare.remove(0, 1);
    bare = bare.section(QLatin1Char('='), 0, 0);
    for (const Option& o : ownOptions())
        if (o.names.contains(bare)) return true;
    return false;
}

// Qt's own options, which QApplication takes out of the command line itself. They are let
// through untouched so that a desktop's session manager or a user's -style still works.
const std::vector<Option>& toolkitOptions() {
    static const std::vector<Option> options = [] {
        std::vector<Option> o;
        for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                                 "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                 "display", "geometry", "style", "stylesheet", "qmljsdebugger"})
            o.push_back({{QString::fromLatin1(name)}, QStringLiteral("value"), {}});
        for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
            o.push_back({{QString::fromLatin1(name)}, {}, {}});
        return o;
    }();
    return options;
}

QString namesText(const Option& o) {
    QStringList shown;
    for (const QString& n : o.names) {
        if (n == QStringLiteral("?")) continue; // accepted, but not worth a column
        shown << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    }
    QString text = shown.join(QStringLiteral(", "));
    if (!o.valueName.isEmpty()) text += QLatin1Char(' ') + o.valueName;
    return text;
}

// The argument as the user typed it, for the message about it.
QString typedArgument(const QStringList& arguments, const QString& name) {
    for (const QString& a : arguments.mid(1)) {
        QString bare = a;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (a.startsWith(QLatin1Char('-')) && bare.section(QLatin1Char('='), 0, 0) == name)
            return a.section(QLatin1Char('='), 0, 0);
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

CommandLineAnswer ended(int status, const QString& out, const QString& err) {
    CommandLineAnswer a;
    a.openWindow = false;
    a.exitStatus = status;
    a.out = out;
    a.err = err;
    return a;
}

CommandLineAnswer fromAnswer(const answers::Answer& a) {
    return ended(a.status, q(a.out), q(a.err));
}

CommandLineAnswer refused(const std::string& code, const std::string& what, bool json) {
    return fromAnswer(answers::refusal(code, wording::commandLineRefusal(kProgram, what), json));
}

// --json anywhere on the line asks for JSON, even on a line the parser cannot read.
bool jsonAsked(const QStringList& arguments) {
    for (const QString& a : arguments.mid(1)) {
        if (a == QLatin1String("--")) break;
        if (a == QLatin1String("--json") || a == QLatin1String("-json")) return true;
    }
    return false;
}

// How often each of the program's own options was given, under its long name.
int timesGiven(const QCommandLineParser& parser, const Option& o) {
    const QStringList given = parser.optionNames();
    return int(std::count_if(given.begin(), given.end(),
                             [&](const QString& n) { return o.names.contains(n); }));
}

// How many columns a terminal gives the text: Chinese characters and full-width forms take two.
int columns(const QString& text) {
    int n = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115f) || (u >= 0x2e80 && u <= 0xa4cf) ||
                          (u >= 0xac00 && u <= 0xd7a3) || (u >= 0xf900 && u <= 0xfaff) ||
                          (u >= 0xfe30 && u <= 0xfe4f) || (u >= 0xff00 && u <= 0xff60) ||
                          (u >= 0xffe0 && u <= 0xffe6);
        n += wide ? 2 : 1;
    }
    return n;
}

} // namespace

QString helpText() {
    int width = 0;
    for (const Option& o : ownOptions())
        width = std::max(width, columns(namesText(o)));
    QString table;
    for (const Option& o : ownOptions()) {
        const QString names = namesText(o);
        table += QStringLiteral("  ") + names + QString(width - columns(names) + 2, u' ') +
                 o.description + QLatin1Char('\n');
    }
    return q(wording::commandLineHelp(kProgram, u8(table)));
}

CommandLineAnswer readCommandLine(const QStringList& arguments, const VersionRecord& version) {
    return readCommandLine(arguments, version, decimalPoint());
}

CommandLineAnswer readCommandLine(const QStringList& arguments, const VersionRecord& version,
                                  const QString& point) {
    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform, -style): read such words whole.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto* list : {&ownOptions(), &toolkitOptions()}) {
        for (const Option& o : *list) {
            QCommandLineOption option(o.names, o.description, o.valueName);
            if (o.description.isEmpty()) option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
    parser.addPositionalArgument(QStringLiteral("none"), {});

    const bool json = jsonAsked(arguments);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return refused("unknown-option",
                           wording::unknownOption(u8(typedArgument(arguments, unknown.first()))), json);
        // A switch given a value ("--json=yes") takes none.
        for (const QString& a : arguments.mid(1)) {
            QString bare = a.section(QLatin1Char('='), 0, 0);
            while (bare.startsWith(QLatin1Char('-')))
                bare.remove(0, 1);
            for (const Option& o : ownOptions())
                if (a.startsWith(QLatin1Char('-')) && a.contains(QLatin1Char('=')) &&
                    o.names.contains(bare) && o.valueName.isEmpty())
                    return refused("option-takes-no-value",
                                   wording::optionTakesNoValue(u8(a.section(QLatin1Char('='), 0, 0))),
                                   json);
        }
        // The only other failure: an option that takes a value came last, without one.
        return refused("missing-value",
                       wording::optionWithoutValue(u8(arguments.last())), json);
    }
    // Help wins wherever it stands on a line the parser could read.
    if (parser.isSet(kHelp)) return ended(0, helpText(), {});
    for (const Option& o : ownOptions()) {
        const QString& name = o.names.size() > 1 ? o.names[1] : o.names[0];
        if (!parser.isSet(name)) continue;
        // The parser would keep the last of two values without a word: ask instead of guessing.
        if (timesGiven(parser, o) > 1)
            return refused("option-repeated",
                           wording::optionGivenTwice(u8(dashed(name))), json);
        if (!o.valueName.isEmpty() && isOptionName(parser.value(name)))
            return refused("missing-value",
                           wording::optionWithoutValue(u8(dashed(name))), json);
        if (!o.needsOneOf.isEmpty() &&
            std::none_of(o.needsOneOf.begin(), o.needsOneOf.end(),
                         [&](const QString& n) { return parser.isSet(n); }))
            return refused("option-alone",
                           wording::optionNeedsOneOf(u8(dashed(name)), u8(dashedAll(o.needsOneOf))), json);
    }
    QStringList asked;
    for (const QString& question : kQuestions)
        if (parser.isSet(question)) asked << dashed(question);
    if (asked.size() > 1)
        return refused("several-questions", wording::severalQuestions(u8(asked)), json);
    // Only the colours of --read stand on their own.
    if (const QStringList extra = parser.positionalArguments();
        !extra.isEmpty() && !parser.isSet(kRead))
        return refused("extra-argument", wording::extraArgument(u8(extra.first())),
                       json);

    const std::string decimalPoint = u8(point);
    if (parser.isSet(kSmd))
        return fromAnswer(answers::smdAnswer(u8(parser.value(kSmd)), json, decimalPoint));
    if (parser.isSet(kRead)) {
        std::optional<std::string> measured;
        if (parser.isSet(kMeasured)) measured = u8(parser.value(kMeasured));
        answers::ReadCues cues;
        if (parser.isSet(kGap)) cues.gap = u8(parser.value(kGap));
        if (parser.isSet(kBody)) cues.body = u8(parser.value(kBody));
        return fromAnswer(answers::readAnswer(u8(parser.positionalArguments()), measured, json,
                                              decimalPoint, cues));
    }

    if (parser.isSet(kColours)) {
        answers::ColoursQuestion question{u8(parser.value(kColours)), {}, {}};
        if (parser.isSet(kBands)) question.bands = u8(parser.value(kBands));
        if (parser.isSet(kTolerance)) question.tolerance = u8(parser.value(kTolerance));
        if (parser.isSet(kHave)) question.have = u8(parser.value(kHave));
        return fromAnswer(answers::coloursAnswer(question, json, decimalPoint));
    }
    if (parser.isSet(kVersion))
        return ended(0,
                     q(wording::versionText(u8(version.internalName), u8(version.fileVersion),
                                            u8(version.companyName))),
                     {});
    // One window in front: the options that open one exclude each other.
    QStringList openers;
    for (const QString& o : {kValueWindow, kReadingWindow, kPracticeWindow, kPracticeSeed})
        if (parser.isSet(o)) openers << dashed(o);
    if (openers.size() > 1)
        return refused("several-windows",
                       wording::severalWindows(u8(openers[0]), u8(openers[1])), json);
    CommandLineAnswer window;
    window.platform = parser.value(QStringLiteral("platform"));
    if (parser.isSet(kValueWindow)) window.startWindow = CommandLineAnswer::StartWindow::Value;
    if (parser.isSet(kReadingWindow)) window.startWindow = CommandLineAnswer::StartWindow::Reading;
    if (parser.isSet(kPracticeWindow)) window.startWindow = CommandLineAnswer::StartWindow::Practice;
    if (parser.isSet(kPracticeSeed)) {
        bool ok = false;
        const quint64 seed = parser.value(kPracticeSeed).trimmed().toULongLong(&ok);
        if (!ok)
            return refused("bad-seed",
                           wording::seedNotANumber(u8(dashed(kPracticeSeed))), json);
        window.practiceSeed = seed;
    }
    return window;
}

} // namespace zq::app
