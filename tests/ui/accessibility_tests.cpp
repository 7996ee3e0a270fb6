// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows as a screen reader sees them through Qt's accessibility: the tree of named
// controls, their press actions, and the change events a tick sends.
#include "tests/ui/main_window_fixture.h"
#include "tests/ui/stand_in_main_window.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main/numbered_pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

using namespace zq;
using zq::test::MainWindow;

namespace {

// The palette's chips as the main window names them, in palette order.
const QStringList kChipNames{"棕色", "红色", "橙色", "黄色", "绿色", "蓝色", "紫色",
                             "灰色", "白色", "黑色", "金色", "银色", "无色"};

struct Node {
    QAccessible::Role role;
    QString name, value;
    bool invisible;
    QAccessibleInterface* iface;
};

// The direct children of a window's interface, keyed by name; a name met twice fails.
std::multimap<QString, Node> childrenOf(QWidget* w) {
    std::multimap<QString, Node> r;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(root, nullptr);
    if (!root) return r;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* c = root->child(i);
        EXPECT_NE(c, nullptr) << i;
        if (!c) continue;
        EXPECT_EQ(root->indexOfChild(c), i);
        EXPECT_EQ(c->parent(), root);
        r.insert({c->text(QAccessible::Name),
                  {c->role(), c->text(QAccessible::Name), c->text(QAccessible::Value),
                   bool(c->state().invisible), c}});
    }
    return r;
}

const Node* find(const std::multimap<QString, Node>& tree, const QString& name,
                 QAccessible::Role role) {
    auto [from, to] = tree.equal_range(name);
    const Node* found = nullptr;
    for (auto it = from; it != to; ++it)
        if (it->second.role == role) {
            EXPECT_EQ(found, nullptr) << name.toStdString() << " twice";
            found = &it->second;
        }
    return found;
}

void pressAction(const Node* n) {
    ASSERT_NE(n, nullptr);
    QAccessibleActionInterface* a = n->iface->actionInterface();
    ASSERT_NE(a, nullptr) << n->name.toStdString();
    ASSERT_TRUE(a->actionNames().contains(QAccessibleActionInterface::pressAction()));
    a->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents(); // the press runs from the window's queue
}

// Events caught where a screen reader would be listening.
std::vector<std::pair<QAccessible::Event, QString>>* g_events = nullptr;

void record(QAccessibleEvent* e) {
    if (!g_events) return;
    QAccessibleInterface* i = e->accessibleInterface();
    g_events->emplace_back(e->type(), i ? i->text(QAccessible::Name) : QString());
}

class Listening {
  public:
    Listening() {
        g_events = &events;
        setAccessibilityListener(record);
    }
    ~Listening() {
        setAccessibilityListener(nullptr);
        g_events = nullptr;
    }
    // The text events about the named controls, since the last call.
    std::vector<std::pair<QAccessible::Event, QString>> textChanges() {
        std::vector<std::pair<QAccessible::Event, QString>> r;
        for (const auto& e : std::exchange(events, {}))
            if (e.first == QAccessible::NameChanged || e.first == QAccessible::ValueChanged)
                r.push_back(e);
        return r;
    }
    std::vector<std::pair<QAccessible::Event, QString>> events;
};

class Accessible : public MainWindow {
  protected:
    QString readout() const {
        const Node* n = nullptr;
        const auto tree = childrenOf(w);
        for (const auto& [name, node] : tree)
            if (node.iface->text(QAccessible::Description) == "万用表") n = &node;
        return n ? n->value : QStringLiteral("(no read-out)");
    }
};

} // namespace

TEST_F(Accessible, MainWindowNamesEveryButtonInChinese) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->role(), QAccessible::Window);
    EXPECT_EQ(root->text(QAccessible::Name), "ZelquinV1.1");
    const auto tree = childrenOf(w);
    QStringList buttons = kChipNames;
    buttons << "第一环"
            << "第二环"
            << "第三环"
            << "第四环"
            << "第五环";
    buttons << "帮助"
            << "关于"
            << "退出"
            << "最小化"
            << "关闭";
    for (const QString& b : buttons) {
        const Node* n = find(tree, b, QAccessible::Button);
        ASSERT_NE(n, nullptr) << b.toStdString();
        EXPECT_FALSE(n->invisible) << b.toStdString();
        EXPECT_NE(n->iface->actionInterface(), nullptr) << b.toStdString();
        EXPECT_TRUE(n->iface->state().focusable) << b.toStdString();
        EXPECT_FALSE(n->iface->rect().isEmpty()) << b.toStdString();
    }
    EXPECT_NE(find(tree, "金色", QAccessible::Button), nullptr);
    // The resistor's bands say the colour they carry.
    EXPECT_NE(find(tree, "第一环：红色", QAccessible::Button), nullptr);
    EXPECT_NE(find(tree, "第五环：金色", QAccessible::Button), nullptr);
    for (const char* link : {"https://zelquin.example", "泽昆软件"})
        EXPECT_NE(find(tree, link, QAccessible::Button), nullptr) << link;
}

TEST_F(Accessible, ReadOutResultAndFlowChartAreTextsAsShown) {
    EXPECT_EQ(readout(), "KΩ ±5%") << "before the first tick: the two pictures";
    w->valueTimer.fire();
    EXPECT_EQ(readout(), "25" + test::dp() + "40KΩ ±5%");
    const auto tree = childrenOf(w);
    const QString line = "等于： 25" + test::dp() + "40KΩ";
    const Node* result = find(tree, line, QAccessible::StaticText);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->value, line);
    for (const char* shown :
         {"现在为五环电阻", "×100", "×10", "×1", "100", "第一环", "所选色环数：", "对应颜色：",
          "当前电阻状态：", "ZelquinV1.1", "电阻可允许误差值：±5%"})
        EXPECT_NE(find(tree, shown, QAccessible::StaticText), nullptr) << shown;
    // Four-band mode hides part of the chart: those texts stay, marked invisible.
    choose(4, 12);
    w->valueTimer.fire();
    const auto four = childrenOf(w);
    auto [from, to] = four.equal_range("×");
    ASSERT_EQ(std::distance(from, to), 2) << "the operator of row 3, and the hidden one";
    EXPECT_NE(from->second.invisible, std::next(from)->second.invisible);
    EXPECT_EQ(readout(), "250" + test::dp() + "00KΩ ±5%");
}

// The read-out is read back from the display's pictures, each the one the window shows for
// that unit or band-5 colour.
TEST(MeterPictures, ReadBackAsTheUnitAndToleranceTheyShow) {
    const std::pair<int, const char*> units[] = {{134, "GΩ"}, {135, "Ω"}, {136, "KΩ"},
                                                 {137, "MΩ"}, {133, ""},  {138, ""}};
    for (const auto& [picture, text] : units) {
        const model::Unit* u = ui::unitOfPicture(picture);
        EXPECT_EQ(u ? u->text : "", text) << picture;
        EXPECT_TRUE(!u || ui::unitPicture(*u) == picture) << picture;
    }
    const std::pair<int, int> tolerances[] = {{126, 1},  {127, 12}, {128, 5},  {129, 4},
                                              {130, 6},  {131, 11}, {132, 10}, {133, 0},
                                              {125, -1}, {134, -1}, {0, -1}};
    for (const auto& [picture, colour] : tolerances) {
        EXPECT_EQ(ui::colourOfTolerancePicture(picture).value_or(-1), colour) << picture;
        EXPECT_TRUE(colour < 0 || ui::tolerancePicture(colour) == picture) << picture;
    }
}

TEST_F(Accessible, DecorationIsNotExposed) {
    const auto tree = childrenOf(w);
    int unnamed = 0;
    for (const auto& [name, node] : tree) {
        EXPECT_TRUE(node.role == QAccessible::Button || node.role == QAccessible::StaticText)
            << name.toStdString();
        if (name.isEmpty()) ++unnamed;
    }
    EXPECT_GT(unnamed, 0) << "texts the first tick fills";
    w->valueTimer.fire();
    unnamed = 0;
    for (const auto& [name, node] : childrenOf(w))
        if (name.isEmpty()) ++unnamed;
    EXPECT_EQ(unnamed, 1) << "only the colour name, empty until a colour is chosen";
    // The multimeter's body and the resistor's leads answer as the window itself.
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w);
    const QPoint body = w->mapToGlobal(w->meter.pixelRect().topLeft() + QPoint(88, 300));
    EXPECT_EQ(root->childAt(body.x(), body.y()), nullptr);
    const QPoint chip = w->mapToGlobal(centreOf(*w->paletteChip[10]));
    QAccessibleInterface* at = root->childAt(chip.x(), chip.y());
    ASSERT_NE(at, nullptr);
    EXPECT_EQ(at->text(QAccessible::Name), "金色");
}

TEST_F(Accessible, PressOfEveryKeyChoosesItsBand) {
    const auto tree = childrenOf(w);
    const char* names[] = {"第一环", "第二环", "第三环", "第四环", "第五环"};
    for (int band = 5; band >= 1; --band) {
        pressAction(find(tree, names[band - 1], QAccessible::Button));
        EXPECT_EQ(w->BandState.selectedBand(), band);
        EXPECT_EQ(w->bandCaption.Caption(), names[band - 1]);
    }
}

TEST_F(Accessible, PressOfEveryChipGoesThroughTheClickHandler) {
    const auto tree = childrenOf(w);
    for (int i = 0; i < 13; ++i) {
        const QString name = kChipNames[i];
        SCOPED_TRACE(name.toStdString());
        pressAction(find(tree, name, QAccessible::Button));
        const auto warnings = takeMessages();
        if (i <= 9) { // a digit: placed on band 1
            EXPECT_TRUE(warnings.empty());
            EXPECT_EQ(w->BandState.BandColour[0], i);
            EXPECT_EQ(w->colourCaption.Caption(), name);
        } else { // gold, silver and none are refused there, with the click's warning
            ASSERT_EQ(warnings.size(), 1u);
            EXPECT_EQ(warnings[0].title, "温馨提示！");
            EXPECT_EQ(w->BandState.BandColour[0], model::palette::kBlack);
        }
    }
}

TEST_F(Accessible, MenuButtonPressesOpenTheirWindows) {
    const auto tree = childrenOf(w);
    pressAction(find(tree, "帮助", QAccessible::Button));
    ASSERT_NE(w->helpWindow(), nullptr);
    EXPECT_TRUE(w->helpWindow()->isVisible());
    pressAction(find(childrenOf(w->helpWindow()), "关闭", QAccessible::Button));
    EXPECT_TRUE(w->isVisible());
    pressAction(find(tree, "关于", QAccessible::Button));
    ASSERT_NE(w->aboutWindow(), nullptr);
    EXPECT_FALSE(w->isVisible());
    pressAction(find(childrenOf(w->aboutWindow()), "确定", QAccessible::Button));
    EXPECT_TRUE(w->isVisible());
    pressAction(find(tree, "退出", QAccessible::Button));
    EXPECT_EQ(programEnds(), 1);
}

TEST_F(Accessible, OneChangeEventPerChangedTextAndNoneOnAnUnchangedTick) {
    Listening reader;
    w->valueTimer.fire(); // the first tick fills the chart
    reader.textChanges();
    w->valueTimer.fire();
    EXPECT_TRUE(reader.textChanges().empty()) << "a steady tick says nothing";

    choose(3, 6); // violet on band 3: 257 x 100
    const auto chosen = reader.textChanges();
    using E = std::pair<QAccessible::Event, QString>;
    EXPECT_NE(std::find(chosen.begin(), chosen.end(), E{QAccessible::NameChanged, "第三环"}),
              chosen.end());
    EXPECT_NE(std::find(chosen.begin(), chosen.end(), E{QAccessible::NameChanged, "第三环：紫色"}),
              chosen.end());
    w->valueTimer.fire();
    const auto first = reader.textChanges();
    const std::vector<E> expected{{QAccessible::NameChanged, "等于： 25" + test::dp() + "70KΩ"},
                                  {QAccessible::NameChanged, "25" + test::dp() + "70KΩ ±5%"}};
    std::vector<E> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    std::vector<E> want = expected;
    std::sort(want.begin(), want.end());
    EXPECT_EQ(sorted, want) << "the result line and the read-out, once each";
    w->valueTimer.fire(); // the chart's band-3 row catches up one tick late
    const auto second = reader.textChanges();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].second, "7");
    w->valueTimer.fire();
    EXPECT_TRUE(reader.textChanges().empty());
}

TEST_F(Accessible, KeyboardFocusIsAnnouncedOnTheFocusedButton) {
    Listening reader;
    QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
    bool told = false;
    for (const auto& [type, name] : reader.events)
        if (type == QAccessible::Focus && name == "第一环") told = true;
    EXPECT_TRUE(told);
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(root->focusChild(), nullptr);
    EXPECT_EQ(root->focusChild()->text(QAccessible::Name), "第一环");
    EXPECT_TRUE(root->focusChild()->state().focused);
}

namespace {

class SecondaryAccessible : public test::WithStandInMainWindow {};

} // namespace

TEST_F(SecondaryAccessible, HelpAndAboutTreesNameTheirTextsAndButtons) {
    const struct {
        std::function<Form*()> open;
        QString title, text, button;
    } windows[] = {
        {[this] { return new ui::HelpWindow(*main); }, "软件说明", "软件说明", "关闭"},
        {[this] { return new ui::AboutWindow(*main); }, "关于本软件", "ZelquinV1.1", "确定"},
    };
    for (const auto& c : windows) {
        SCOPED_TRACE(c.title.toStdString());
        QPointer<Form> f = c.open();
        f->setDeleteOnUnload(true);
        showWindow(*f);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(f.data());
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->text(QAccessible::Name), c.title);
        const auto tree = childrenOf(f);
        EXPECT_NE(find(tree, c.text, QAccessible::StaticText), nullptr);
        const Node* button = find(tree, c.button, QAccessible::Button);
        pressAction(button);
        EXPECT_TRUE(f.isNull() || f->unloaded());
        EXPECT_TRUE(main->isVisible());
    }
}

TEST_F(SecondaryAccessible, HelpTextIsReadableAsANamedTextBox) {
    QPointer<Form> f = new ui::HelpWindow(*main);
    f->setDeleteOnUnload(true);
    showWindow(*f);
    bool found = false;
    for (const auto& [name, node] : childrenOf(f))
        if (node.role == QAccessible::EditableText && name == "软件说明") {
            found = true;
            EXPECT_TRUE(node.iface->state().readOnly);
            QAccessibleTextInterface* t = node.iface->textInterface();
            ASSERT_NE(t, nullptr);
            EXPECT_TRUE(t->text(0, t->characterCount()).contains("色环电阻相关知识"));
        }
    EXPECT_TRUE(found);
    f->Unload();
}

// The warnings are real message boxes: a reader gets their title and their text.
TEST(WarningBox, ScreenReaderGetsItsTitleAndText) {
    QString name, text;
    QAccessible::Role role = QAccessible::NoRole;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
        if (i) {
            role = i->role();
            name = i->text(QAccessible::Name);
            text = i->text(QAccessible::Value) + i->text(QAccessible::Description);
            for (int c = 0; c < i->childCount(); ++c)
                text += i->child(c)->text(QAccessible::Name);
        }
        box->accept();
    });
    poll.start(10);
    MsgBox("金色不能作为第一环", kWarningStyle, "温馨提示！");
    EXPECT_TRUE(role == QAccessible::AlertMessage || role == QAccessible::Dialog) << role;
    EXPECT_EQ(name, "温馨提示！");
    EXPECT_TRUE(text.contains("金色不能作为第一环")) << text.toStdString();
}
