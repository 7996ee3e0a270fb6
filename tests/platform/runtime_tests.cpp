// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The form runtime on real widgets, offscreen, with input sent through the window.
#include "platform/errors.h"
#include "platform/form.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "platform/window_shape.h"
#include "tests/support/ui_test.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

using namespace zq;

namespace {

// Two overlapping pictures, a label, a line across them and a disabled picture.
// Pixel places: Front (10,10) 40x40, Back (30,30) 40x40, Bare (100,10) 20x20 without
// handlers, Rule a line across Back, Off (100,60) 20x20 disabled with Under, which has
// handlers, right behind it.
FormDesign testDesign() {
    FormDesign d;
    d.name = "TestForm";
    d.caption = "test";
    d.width = 200 * 15;
    d.height = 120 * 15;
    d.font = {"宋体", 9, false};
    d.controls = {
        {.name = "Rule",
         .kind = Kind::Line,
         .left = 20 * 15,
         .top = 50 * 15,
         .width = 90 * 15,
         .height = 50 * 15},
        {.name = "Front",
         .kind = Kind::Image,
         .left = 150,
         .top = 150,
         .width = 600,
         .height = 600},
        {.name = "Back", .kind = Kind::Image, .left = 450, .top = 450, .width = 600, .height = 600},
        {.name = "Bare",
         .kind = Kind::Label,
         .left = 1500,
         .top = 150,
         .width = 300,
         .height = 300,
         .caption = "x"},
        {.name = "Off",
         .kind = Kind::Image,
         .left = 1500,
         .top = 900,
         .width = 300,
         .height = 300,
         .enabled = false},
        {.name = "Under",
         .kind = Kind::Image,
         .left = 1500,
         .top = 900,
         .width = 300,
         .height = 300},
        {.name = "Cell",
         .index = 0,
         .kind = Kind::Image,
         .left = 0,
         .top = 1500,
         .width = 150,
         .height = 150},
        {.name = "Cell",
         .index = 1,
         .kind = Kind::Image,
         .left = 300,
         .top = 1500,
         .width = 150,
         .height = 150},
    };
    return d;
}

class TestForm : public Form {
  public:
    TestForm() : Form(testDesign()) {}
    void mouseMovedOnSurface(int b, int s, double x, double y) override {
        formMoves.push_back({b, s, x, y});
    }
    void mousePressedOnSurface(int, int, double, double) override { ++formDowns; }
    struct Ev {
        int button, shift;
        double x, y;
    };
    std::vector<Ev> formMoves;
    int formDowns = 0;
};

class RuntimeTest : public test::UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        form = new TestForm;
        form->setDeleteOnUnload(true);
        showWindow(*form);
        auto log = [this](const QString& what) {
            return [this, what](int b, int s, double x, double y) {
                events.push_back(
                    QStringLiteral("%1 %2 %3 %4 %5").arg(what).arg(b).arg(s).arg(x).arg(y));
            };
        };
        for (const char* n : {"Front", "Back", "Under"}) {
            Control& c = form->control(n);
            const QString name = QString::fromLatin1(n);
            c.MouseDown = log(name + QStringLiteral(".down"));
            c.MouseMove = log(name + QStringLiteral(".move"));
            c.MouseUp = log(name + QStringLiteral(".up"));
            c.Click = [this, name] { events.push_back(name + QStringLiteral(".click")); };
        }
    }
    void TearDown() override {
        delete form;
        UiTest::TearDown();
    }
    QStringList names() const {
        QStringList r;
        for (const QString& e : events)
            r << e.section(QLatin1Char(' '), 0, 0);
        return r;
    }
    TestForm* form = nullptr;
    QStringList events;
};

} // namespace

TEST_F(RuntimeTest, FrontMostControlTakesTheMouseWhereControlsOverlap) {
    click(*form, {40, 40}); // inside both; the pointer moves there first, as a real one would
    EXPECT_EQ(names(), QStringList({"Front.move", "Front.down", "Front.up", "Front.click"}));
    events.clear();
    click(*form, {65, 65}); // Back only
    EXPECT_EQ(names(), QStringList({"Back.move", "Back.down", "Back.up", "Back.click"}));
    EXPECT_EQ(form->controlAt({40, 40}), &form->control("Front"));
}

TEST_F(RuntimeTest, LinesAndDisabledControlsLetMovesReachTheWindow) {
    moveTo(*form, {15, 50});   // on the line, over no other control
    moveTo(*form, {110, 70});  // on the disabled picture
    moveTo(*form, {150, 100}); // bare surface
    ASSERT_EQ(form->formMoves.size(), 3u);
    EXPECT_DOUBLE_EQ(form->formMoves[1].x, 110 * 15);
    EXPECT_DOUBLE_EQ(form->formMoves[1].y, 70 * 15);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(RuntimeTest, ControlWithoutHandlerSwallowsTheEvent) {
    moveTo(*form, {110, 20});
    press(*form, {110, 20});
    release(*form, {110, 20});
    EXPECT_TRUE(form->formMoves.empty());
    EXPECT_EQ(form->formDowns, 0);
}

TEST_F(RuntimeTest, HeldButtonKeepsEventsOnThePressedControl) {
    moveTo(*form, {15, 15});
    events.clear();
    press(*form, {15, 15});
    moveTo(*form, {65, 65});   // over Back now
    moveTo(*form, {150, 100}); // over nothing
    moveTo(*form, {65, 65});
    release(*form, {65, 65});
    EXPECT_EQ(names(),
              QStringList({"Front.down", "Front.move", "Front.move", "Front.move", "Front.up"}))
        << "no click either: the release was not over the pressed control";
    events.clear();
    moveTo(*form, {66, 66});
    EXPECT_EQ(names(), QStringList({"Back.move"})) << "capture ends with the release";
}

TEST_F(RuntimeTest, AReleaseQtNeverDeliveredIsGivenToThePressedControl) {
    moveTo(*form, {15, 15});
    press(*form, {15, 15});
    events.clear();
    // The pointer moves on with no button down, as after a popup swallowed the release.
    QMouseEvent move(QEvent::MouseMove, QPointF(65, 65), form->mapToGlobal(QPointF(65, 65)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form->windowHandle(), &move);
    EXPECT_EQ(names(), QStringList({"Front.up", "Back.move"}));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {},
                        {65, 65}); // keep QTest's state straight
}

TEST_F(RuntimeTest, ClickFollowsALeftReleaseOnly) {
    moveTo(*form, {20, 20});
    events.clear();
    press(*form, {20, 20}, Qt::RightButton);
    EXPECT_EQ(names(), QStringList({"Front.down"}));
    release(*form, {20, 20}, Qt::RightButton);
    press(*form, {20, 20}, Qt::MiddleButton);
    release(*form, {20, 20}, Qt::MiddleButton);
    EXPECT_EQ(names(), QStringList({"Front.down", "Front.up", "Front.down", "Front.up"}));
    EXPECT_TRUE(events[0].startsWith("Front.down 2 "));
    EXPECT_TRUE(events[2].startsWith("Front.down 4 "));
}

TEST_F(RuntimeTest, EventsCarryButtonShiftAndTwipsRelativeToTheControl) {
    moveTo(*form, {20, 15});
    events.clear();
    press(*form, {20, 15}, Qt::LeftButton, Qt::ShiftModifier);
    release(*form, {20, 15}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_GE(events.size(), 2);
    EXPECT_EQ(events[0], "Front.down 1 1 150 75");
    EXPECT_EQ(events[1], "Front.up 1 3 150 75");
}

TEST_F(RuntimeTest, ArrayElementsAreFoundByIndex) {
    int got = -1;
    for (int i = 0; i < 2; ++i)
        form->control("Cell", i).Click = [&got, i] { got = i; };
    click(*form, centreOf(form->control("Cell", 1)));
    EXPECT_EQ(got, 1);
    EXPECT_THROW(form->control("Cell", 2), RuntimeError);
}

TEST_F(RuntimeTest, HiddenControlsTakeNoMouse) {
    form->control("Front").setVisible(false);
    click(*form, {40, 40});
    EXPECT_EQ(names(), QStringList({"Back.move", "Back.down", "Back.up", "Back.click"}));
}

TEST_F(RuntimeTest, WritingTheValueAControlHasRepaintsNothing) {
    Label& l = form->label("Bare");
    Line& line = form->line("Rule");
    l.setCaption("y");
    const auto before = form->repaintRequests();
    l.setCaption("y");
    l.setForeColor(l.ForeColor());
    line.setBorderColor(line.BorderColor());
    form->control("Front").setVisible(true);
    EXPECT_EQ(form->repaintRequests(), before);
    line.setBorderColor(Qt::red);
    EXPECT_EQ(form->repaintRequests(), before + 1);
}

TEST_F(RuntimeTest, WindowPropertiesAreInTwips) {
    EXPECT_DOUBLE_EQ(form->Width(), 3000);
    form->setWidth(9240);
    form->setHeight(6855);
    EXPECT_EQ(form->width(), 616);
    EXPECT_EQ(form->height(), 457);
    form->Move(1635, 1335);
    EXPECT_EQ(form->pos(), QPoint(109, 89));
}

TEST_F(RuntimeTest, UnloadingHidesAndRunsTheHandlerOnce) {
    int unloaded = 0;
    form->Unloaded = [&] { ++unloaded; };
    form->setDeleteOnUnload(false);
    form->close(); // as the desktop would
    EXPECT_TRUE(form->unloaded());
    EXPECT_FALSE(form->isVisible());
    form->Unload();
    EXPECT_EQ(unloaded, 1);
    EXPECT_EQ(programEnds(), 0) << "only the main window ends the program";
}

TEST_F(RuntimeTest, ShowingAWindowLeftMinimisedShowsItWhole) {
    form->setWindowState(kMinimizedState);
    form->setVisible(false);
    form->setVisible(true);
    EXPECT_EQ(form->WindowState(), kNormalState);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(RuntimeTest, KeepingMinimisableAddsTheSystemMenu) {
    EXPECT_FALSE(form->windowHandle()->flags() & Qt::WindowSystemMenuHint);
    form->keepMinimisable();
    EXPECT_TRUE(form->windowHandle()->flags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(form->windowHandle()->flags() & Qt::WindowMinimizeButtonHint);
}

class HandCursor : public test::UiTest {};

TEST_F(HandCursor, ShowsOverHandControlsOnlyAndHoweverTheWindowWasGivenIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage drawing(16, 16, QImage::Format_ARGB32);
    drawing.fill(Qt::transparent);
    drawing.setPixel(3, 0, qRgb(0, 0, 0));
    const QString file = dir.filePath(QStringLiteral("hand.png"));
    ASSERT_TRUE(drawing.save(file));

    FormDesign d;
    d.name = "Cursors";
    d.font = {"宋体", 9, false};
    d.width = 100 * 15;
    d.height = 40 * 15;
    d.controls = {
        {.name = "Hand",
         .left = 150,
         .top = 150,
         .width = 300,
         .height = 300,
         .cursor = Cursor::Hand},
        {.name = "Plain", .left = 750, .top = 150, .width = 300, .height = 300},
    };
    enum Given { Picture, ReadyCursor, Nothing };
    for (Given given : {Picture, ReadyCursor, Nothing}) {
        Form f(d);
        if (given == Picture) f.setHandCursor(LoadDesignPicture(file), QPoint(3, 0));
        if (given == ReadyCursor) f.setHandCursor(QCursor(QPixmap(file), 3, 0));
        showWindow(f);
        // Qt drops a move to where the pointer already is, so each window starts elsewhere.
        moveTo(f, QPoint(60 + int(given), 20));
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor) << given;
        moveTo(f, QPoint(20, 20));
        if (given == Nothing) {
            EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        } else {
            EXPECT_EQ(f.cursor().shape(), Qt::BitmapCursor) << given;
            EXPECT_EQ(f.cursor().hotSpot(), QPoint(3, 0)) << given;
            EXPECT_EQ(f.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32), drawing)
                << given;
        }
        moveTo(f, QPoint(70, 20));
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor) << given;
    }
}

TEST(RoundRegion, CoversTheRectangleButTheCorners) {
    const QRegion r = roundedRectRegion(QSize(616, 457), QSize(12, 12));
    EXPECT_EQ(r.boundingRect(), QRect(0, 0, 616, 457));
    EXPECT_FALSE(r.contains(QPoint(0, 0)));
    EXPECT_FALSE(r.contains(QPoint(615, 456)));
    EXPECT_FALSE(r.contains(QPoint(1, 1)));
    EXPECT_TRUE(r.contains(QPoint(6, 0)));
    EXPECT_TRUE(r.contains(QPoint(0, 6)));
    EXPECT_TRUE(r.contains(QPoint(308, 228)));
    EXPECT_TRUE(r.contains(QPoint(615, 228)));
}

TEST(CommandLine, SplitsTheProgramFromItsArguments) {
    const QString cmd =
        "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE https://zelquin.example";
    auto none = [](const QString&) { return false; };
    CommandLine cl = splitCommandLine(cmd, none);
    EXPECT_EQ(cl.program, "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE");
    EXPECT_EQ(cl.arguments, "https://zelquin.example");
    cl = splitCommandLine("/usr/bin/my browser --new x y",
                          [](const QString& p) { return p == "/usr/bin/my browser"; });
    EXPECT_EQ(cl.program, "/usr/bin/my browser");
    EXPECT_EQ(cl.arguments, "--new x y");
    EXPECT_EQ(splitCommandLine("notepad", none).program, "notepad");
}

TEST(TextBoxText, KeepsLineBreaksButShowsNoCarriageReturns) {
    FormDesign d;
    d.name = "T";
    d.width = 3000;
    d.height = 3000;
    d.font = {"宋体", 9, false};
    d.controls = {{.name = "Text1",
                   .kind = Kind::TextBox,
                   .width = 2000,
                   .height = 2000,
                   .scrollBars = true,
                   .readOnly = true}};
    Form f(d);
    TextBox& t = f.textBox("Text1");
    t.setText("a\r\n\r\nb\r\n");
    EXPECT_EQ(t.Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(t.widget()->toPlainText(), "a\n\nb\n");
    EXPECT_TRUE(t.widget()->isReadOnly());
    EXPECT_EQ(t.widget()->lineWrapMode(), QTextEdit::NoWrap);
}

class DecimalPoint : public ::testing::TestWithParam<std::pair<const char*, const char*>> {
  protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().first))); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_P(DecimalPoint, IsTheUserLocales) {
    EXPECT_EQ(decimalPoint(), QString::fromLatin1(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Locales, DecimalPoint,
                         ::testing::Values(std::pair{"C", "."}, std::pair{"de_DE", ","},
                                           std::pair{"zh_CN", "."}, std::pair{"fr_FR", ","}));

TEST(RealMessageBox, IsAModalWarningWithOneOkButtonInChinese) {
    QString title, text, button;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->buttons().size());
        if (buttons) button = box->buttons().front()->text();
        box->accept();
    });
    poll.start(10);
    EXPECT_EQ(MsgBox("你选择了第一环", kWarningStyle, "温馨提示！"), kAnswerOk);
    EXPECT_EQ(title, "温馨提示！");
    EXPECT_EQ(text, "你选择了第一环");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(button.remove('&'), "确定");
}

namespace {

// One label in a window of its own, made with `caption`.
FormDesign oneLabel(const char* caption, bool autoSize, int widthPx, bool visible) {
    FormDesign d;
    d.name = "LabelForm";
    d.caption = "label";
    d.width = 300 * 15;
    d.height = 120 * 15;
    d.font = {"宋体", 10.5, false};
    d.controls = {{.name = "Text",
                   .kind = Kind::Label,
                   .left = 10 * 15,
                   .top = 10 * 15,
                   .width = widthPx * 15,
                   .height = 60 * 15,
                   .caption = caption,

                   .autoSize = autoSize,
                   .visible = visible}};
    return d;
}

// Where a window was repainted.
class PaintedRegion : public QObject {
  public:
    QRegion region;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

struct CaptionChange {
    const char* what;
    const char* first;
    std::vector<const char*> then; // set one after the other
    bool autoSize;
    int widthPx;
    bool hiddenWhileChanged;
};

} // namespace

TEST_F(RuntimeTest, ALabelWhoseCaptionChangedIsSetAsIfMadeWithTheLastCaption) {
    const CaptionChange cases[] = {
        {"empty, then text", "", {"色环电阻 计算器"}, false, 200, false},
        {"sized to its text, grown", "短", {"一行更长的文字 123"}, true, 40, false},
        {"sized to its text, shrunk", "一行更长的文字 123", {"短"}, true, 200, false},
        {"changed twice before it was shown", "甲", {"乙乙乙乙", "丙 丁"}, false, 200, false},
        {"wrapped, changed while hidden",
         "",
         {"很长很长的一行文字会在这里换行，然后继续写下去直到第二行"},
         false,
         120,
         true},
        {"sized to its text, changed while hidden", "短", {"", "长一些的文字"}, true, 40, true},
        {"back to empty", "有字", {""}, true, 100, false},
    };
    for (const CaptionChange& c : cases) {
        SCOPED_TRACE(c.what);
        Form changed(oneLabel(c.first, c.autoSize, c.widthPx, !c.hiddenWhileChanged));
        Label& l = changed.label("Text");
        showWindow(changed);
        for (const char* caption : c.then)
            l.setCaption(QString::fromUtf8(caption));
        if (c.hiddenWhileChanged) l.setVisible(true);
        Form made(oneLabel(c.then.back(), c.autoSize, c.widthPx, true));
        const Label& m = made.label("Text");
        showWindow(made);

        EXPECT_EQ(l.Width(), m.Width());
        EXPECT_EQ(l.Height(), m.Height());
        EXPECT_EQ(l.pixelRect(), m.pixelRect());
        EXPECT_EQ(l.font(), m.font());
        EXPECT_EQ(l.lineStep(), m.lineStep());
        ASSERT_EQ(l.lines().size(), m.lines().size());
        for (size_t k = 0; k < l.lines().size(); ++k) {
            EXPECT_EQ(l.lines()[k].text, m.lines()[k].text);
            EXPECT_EQ(l.lines()[k].origin, m.lines()[k].origin);
            EXPECT_EQ(l.lines()[k].words, m.lines()[k].words);
        }
        EXPECT_EQ(changed.grab().toImage(), made.grab().toImage());
    }
}

TEST_F(RuntimeTest, ALabelSizedToItsTextRepaintsWhereItWasAndWhereItIs) {
    Form f(oneLabel("一行更长的文字", true, 200, true));
    showWindow(f);
    Label& l = f.label("Text");
    const QRect wide = l.pixelRect();
    PaintedRegion painted;
    f.installEventFilter(&painted);
    l.setCaption(QStringLiteral("短"));
    QCoreApplication::processEvents();
    EXPECT_LT(l.pixelRect().width(), wide.width());
    EXPECT_TRUE(painted.region.contains(wide)) << "the old, wider text would stay on screen";
}
