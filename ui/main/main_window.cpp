// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/main_window.h"

#include "assets/designs/designs.h"
#include "model/choice.h"
#include "model/colour_table.h"
#include "model/tick.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main/rounded_corners.h"
#include "ui/practice/practice_window.h"
#include "ui/program_info.h"
#include "ui/reading/reading_window.h"
#include "ui/value/value_window.h"
#include "wording/main_window.h"
#include "wording/words.h"

#include <QMenu>
#include <QShortcut>

#include <algorithm>

namespace zq::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

constexpr int kBandKeyHover = 125, kBandKeyPressed = 124;

const QColor kWhite = rgb(255, 255, 255);
const QColor kBlack = rgb(0, 0, 0);
const QColor kRed = rgb(255, 0, 0);
const QColor kLightGrey = rgb(192, 192, 192);
const QColor kPaleRed = rgb(255, 192, 192);

} // namespace

MainWindow::MainWindow()
    : Form(designs::mainWindow()), Label1(label("Label1")), Label3(label("Label3")),
      Label5(label("Label5")), Label6(label("Label6")), Label8(label("Label8")),
      Label9(label("Label9")), Label10(label("Label10")), Label12(label("Label12")),
      Label13(label("Label13")), Label14(label("Label14")), Label15(label("Label15")),
      Label16(label("Label16")), Label17(label("Label17")), Label18(label("Label18")),
      Label19(label("Label19")), Label20(label("Label20")), Label22(label("Label22")),
      Label24(label("Label24")), Image1(image("Image1")), Image2(image("Image2")),
      Image3(image("Image3")), Image4(image("Image4")), Image5(image("Image5")),
      Image6(image("Image6")), Image7(image("Image7")), Image8(image("Image8")),
      Image9(image("Image9")), Image10(image("Image10")), Image11(image("Image11")),
      Image12(image("Image12")), Image13(image("Image13")), Image14(image("Image14")),
      Image15(image("Image15")), Image16(image("Image16")), Image17(image("Image17")),
      Image18(image("Image18")), Image19(image("Image19")), Image20(image("Image20")),
      Image21(image("Image21")), Image22(image("Image22")), Image23(image("Image23")),
      Image24(image("Image24")), Image25(image("Image25")), Image26(image("Image26")),
      Image30(image("Image30")), Image31(image("Image31")), Image32(image("Image32")),
      Image33(image("Image33")), Image34(image("Image34")), Image35(image("Image35")),
      Image36(image("Image36")), Image37(image("Image37")), Image38(image("Image38")),
      Line1(line("Line1")), Line2(line("Line2")), Line3(line("Line3")), Line4(line("Line4")),
      Line19(line("Line19")), Line20(line("Line20")), Line21(line("Line21")),
      Line22(line("Line22")), Line23(line("Line23")), Line27(line("Line27")),
      Line28(line("Line28")), Line29(line("Line29")), Line30(line("Line30")),
      Line31(line("Line31")), Line32(line("Line32")), Line33(line("Line33")),
      Line34(line("Line34")), Timer1(timer("Timer1")) {
    for (int i = 0; i < model::palette::kSize; ++i) {
        Image29[i] = &image("Image29", i);
        Line5[i] = &line("Line5", i);
        Line6[i] = &line("Line6", i);
        Line7[i] = &line("Line7", i);
        Line8[i] = &line("Line8", i);
    }
    MenuFrame = {{{&line("Line36"), &line("Line37"), &line("Line38"), &line("Line39")},
                  {&line("Line43"), &line("Line42"), &line("Line41"), &line("Line40")},
                  {&line("Line47"), &line("Line46"), &line("Line45"), &line("Line44")}}};
    setMainWindow(true);
    setHandCursor(LoadDesignPicture(QStringLiteral(":/design/form1/hand.png")), QPoint(6, 0));
    wire();
    auto* findColours = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    QObject::connect(findColours, &QShortcut::activated, this, [this] { openValueWindow(); });
    auto* readColours = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    QObject::connect(readColours, &QShortcut::activated, this, [this] { openReadingWindow(); });
    auto* practise = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    QObject::connect(practise, &QShortcut::activated, this, [this] { openPracticeWindow(); });

    wireKeyboard();
    describeForScreenReaders();
}

MainWindow::~MainWindow() {
    delete help_.data();
    delete about_.data();
    delete value_.data();
    delete reading_.data();
    delete practice_.data();
}

HelpWindow* MainWindow::helpWindow() const {
    return help_;
}
AboutWindow* MainWindow::aboutWindow() const {
    return about_;
}
ReadingWindow* MainWindow::readingWindow() const {
    return reading_;
}

ValueWindow* MainWindow::valueWindow() const {
    return value_;
}

void MainWindow::wire() {
    Image30.Click = [this] { Image30_Click(); };
    Image31.Click = [this] { Image31_Click(); };
    Image32.Click = [this] { Image32_Click(); };
    Image33.Click = [this] { Image33_Click(); };
    Image34.Click = [this] { Image34_Click(); };
    Image17.Click = [this] { Image17_Click(); };
    Image18.Click = [this] { Image18_Click(); };
    Image19.Click = [this] { Image19_Click(); };
    Image20.Click = [this] { Image20_Click(); };
    Image22.Click = [this] { Image22_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    for (int i = 0; i < model::palette::kSize; ++i) {
        Image29[i]->Click = [this, i] { Image29_Click(i); };
        Image29[i]->MouseMove = [this, i](int b, int s, double x, double y) {
            Image29_MouseMove(i, b, s, x, y);
        };
        Image29[i]->MouseDown = [this, i](int b, int s, double x, double y) {
            Image29_MouseDown(i, b, s, x, y);
        };
        Image29[i]->MouseUp = [this, i](int b, int s, double x, double y) {
            Image29_MouseUp(i, b, s, x, y);
        };
    }
    Image30.MouseMove = [this](int, int, double, double) { Image30_MouseMove(); };
    Image31.MouseMove = [this](int, int, double, double) { Image31_MouseMove(); };
    Image32.MouseMove = [this](int, int, double, double) { Image32_MouseMove(); };
    Image33.MouseMove = [this](int, int, double, double) { Image33_MouseMove(); };
    Image34.MouseMove = [this](int, int, double, double) { Image34_MouseMove(); };
    Image30.MouseDown = [this](int, int, double, double) { Image30_MouseDown(); };
    Image31.MouseDown = [this](int, int, double, double) { Image31_MouseDown(); };
    Image32.MouseDown = [this](int, int, double, double) { Image32_MouseDown(); };
    Image33.MouseDown = [this](int, int, double, double) { Image33_MouseDown(); };
    Image34.MouseDown = [this](int, int, double, double) { Image34_MouseDown(); };
    Image10.MouseMove = [this](int, int, double, double) { Image10_MouseMove(); };
    Image12.MouseMove = [this](int, int, double, double) { Image12_MouseMove(); };
    Image1.MouseMove = [this](int, int, double, double) { Image1_MouseMove(); };
    Image4.MouseMove = [this](int, int, double, double) { Image4_MouseMove(); };
    Label1.MouseDown = [this](int b, int s, double x, double y) { Label1_MouseDown(b, s, x, y); };
    Label1.MouseMove = [this](int b, int s, double x, double y) { Label1_MouseMove(b, s, x, y); };
    Label1.MouseUp = [this](int b, int s, double x, double y) { Label1_MouseUp(b, s, x, y); };
    Image13.Click = [this] { Image13_Click(); };
    Image11.Click = [this] { Image11_Click(); };
    Image26.Click = [this] { Image26_Click(); };
    Image24.Click = [this] { Image24_Click(); };
    Image25.Click = [this] { Image25_Click(); };
    Image24.MouseMove = [this](int, int, double, double) { Image24_MouseMove(); };
    Image25.MouseMove = [this](int, int, double, double) { Image25_MouseMove(); };
    Image26.MouseMove = [this](int, int, double, double) { Image26_MouseMove(); };
    Image24.MouseDown = [this](int, int, double, double) { Image24_MouseDown(); };
    Image25.MouseDown = [this](int, int, double, double) { Image25_MouseDown(); };
    Image26.MouseDown = [this](int, int, double, double) { Image26_MouseDown(); };
    Image24.MouseUp = [this](int, int, double, double) { Image24_MouseUp(); };
    Image25.MouseUp = [this](int, int, double, double) { Image25_MouseUp(); };
    Image26.MouseUp = [this](int, int, double, double) { Image26_MouseUp(); };
    Label22.Click = [this] { Label22_Click(); };
    Label24.Click = [this] { Label24_Click(); };
    Label22.MouseMove = [this](int, int, double, double) { Label22_MouseMove(); };
}

// ---------------------------------------------------------------------------------------
// Start-up

void MainWindow::Form_Load() {
    setHeight(6855);
    setWidth(9240);

    const struct {
        zq::Image& image;
        double left, top;
    } skin[] = {{Image1, 0, 0},       {Image2, 0, 0},      {Image3, 9145, 0},
                {Image4, -240, 412},  {Image5, 9105, 360}, {Image6, 0, 360},
                {Image7, -120, 6720}, {Image8, 7, 6480},   {Image9, 9140, 6570},
                {Image10, 8880, 65},  {Image11, 8880, 65}, {Image12, 8520, 65},
                {Image13, 8520, 65},  {Image14, 120, 65}};
    for (const auto& s : skin) {
        s.image.setTop(s.top);
        s.image.setLeft(s.left);
    }
    Label1.setLeft(480);
    Label1.setTop(65);

    const struct {
        zq::Line& line;
        double x1, y1, x2, y2;
    } frame[] = {{Line1, 0, 936, 9100, 936},
                 {Line2, 9083, 840, 9083, 6720},
                 {Line3, 0, 6700, 9120, 6700},
                 {Line4, 120, 840, 120, 6720}};
    for (const auto& f : frame) {
        f.line.setX1(f.x1);
        f.line.setX2(f.x2);
        f.line.setY1(f.y1);
        f.line.setY2(f.y2);
    }

    roundCorners(*this);

    Image15.setTop(960);
    Image15.setLeft(240);
    Image38.setPicture(LoadResPicture(132, 0));
    Image37.setPicture(LoadResPicture(136, 0));

    const struct {
        zq::Image& image;
        double left, top;
    } resistor[] = {{Image16, 2950, 1560}, {Image17, 4680, 1695}, {Image18, 4995, 1695},
                    {Image19, 5310, 1695}, {Image20, 5625, 1695}, {Image21, 5940, 1695},
                    {Image22, 6255, 1695}, {Image23, 7140, 1515}, {Image35, 6570, 1695},
                    {Image36, 6840, 1695}};
    for (const auto& r : resistor)
        r.image.setTop(r.top);
    for (const auto& r : resistor)
        r.image.setLeft(r.left);

    BandState = model::BandState::initial();

    for (int band = 1; band <= 4; ++band)
        bandImage(band).setPicture(LoadResPicture(BandState.BandChip[band - 1], 0));
    Image21.setPicture(LoadResPicture(model::kChipNone, 0));
    Image22.setPicture(LoadResPicture(BandState.BandChip[4], 0));
    Image35.setPicture(LoadResPicture(model::kChipNone, 0));
    Image36.setPicture(LoadResPicture(model::kChipNone, 0));

    BandState.select(1);
    Label3.setCaption(wording::bandOrdinal(1));
}

// ---------------------------------------------------------------------------------------
// Choosing the band to edit

void MainWindow::selectBand(int band) {
    BandState.select(band);
    Label3.setCaption(wording::bandOrdinal(band));
    Label5.setCaption(QString());
}

void MainWindow::Image30_Click() {
    selectBand(1);
}
void MainWindow::Image31_Click() {
    selectBand(2);
}
void MainWindow::Image32_Click() {
    selectBand(3);
}
void MainWindow::Image33_Click() {
    selectBand(4);
}
void MainWindow::Image34_Click() {
    selectBand(5);
}
void MainWindow::Image17_Click() {
    Image30_Click();
}
void MainWindow::Image18_Click() {
    Image31_Click();
}
void MainWindow::Image19_Click() {
    Image32_Click();
}
void MainWindow::Image20_Click() {
    Image33_Click();
}
void MainWindow::Image22_Click() {
    Image34_Click();
}

zq::Image& MainWindow::bandImage(int band) const {
    zq::Image* const images[] = {&Image17, &Image18, &Image19, &Image20, &Image22};
    return *images[band - 1];
}

// ---------------------------------------------------------------------------------------
// Choosing the colour

void MainWindow::Image29_Click(int Index) {
    for (const model::Effect& e : model::choose(BandState, Index)) {
        model::applyToState(BandState, e);
        switch (e.kind) {
        case model::Effect::Kind::Warn:
            MsgBox(wording::warning(e.warning, e.band, e.colour), kWarningStyle,
                   wording::warningTitle());
            break;
        case model::Effect::Kind::PlaceChip:
            bandImage(e.band).setPicture(LoadResPicture(e.chip, 0));
            break;
        case model::Effect::Kind::SetColourName:
            Label5.setCaption(wording::colourName(e.colour));
            break;
        case model::Effect::Kind::SetTolerance:
            Image38.setPicture(LoadResPicture(e.picture, 0));
            Label20.setCaption(wording::toleranceCaption(e.tolerance));
            break;
        default:
            break; // texts of the band state only
        }
    }
}

// ---------------------------------------------------------------------------------------
// The value, recomputed at every tick

void MainWindow::Timer1_Timer() {
    const model::TickResult r = model::tick(BandState, {decimalPoint().toStdString()});
    Label9.setCaption(q(r.label9));
    Label12.setCaption(q(r.label12));
    Label18.setCaption(q(r.label18));
    Label8.setCaption(wording::resistorKind(r.fourBand));
    for (zq::Line* l : {&Line22, &Line23, &Line27, &Line28, &Line29, &Line30, &Line31})
        l->setVisible(r.fiveBandLinesVisible);
    Line32.setVisible(r.line32Visible);
    Line33.setVisible(r.line33And34Visible);
    Line34.setVisible(r.line33And34Visible);
    Label17.setVisible(r.label17And18Visible);
    Label18.setVisible(r.label17And18Visible);
    Label10.setCaption(q(r.label10));
    Label13.setCaption(q(r.label13));
    Label14.setCaption(q(r.label14));
    Label15.setCaption(q(r.label15));
    Label16.setVisible(r.label16Visible);
    const QColor box = rgb(r.lowerBoxColour.r, r.lowerBoxColour.g, r.lowerBoxColour.b);
    for (zq::Line* l : {&Line19, &Line20, &Line21})
        l->setBorderColor(box);
    model::applyTick(BandState, r);
    ValueText = q(r.valueText);
    Image37.setPicture(LoadResPicture(r.unitPicture, 0));
    // No unit, no result: the line is left empty as the value's text is.
    Label19.setCaption(r.unitText.empty() ? QString()
                                          : wording::resultLine(q(r.label6), q(r.unitText)));
    Label6.setCaption(q(r.label6));
}

// ---------------------------------------------------------------------------------------
// Hover and pressed looks

void MainWindow::Image29_MouseMove(int Index, int, int, double, double) {
    if (Index < 0 || Index >= model::palette::kSize) return;
    for (zq::Line* l : {Line5[Index], Line6[Index], Line7[Index], Line8[Index]})
        l->setBorderColor(kRed);
}

void MainWindow::Image29_MouseDown(int Index, int, int, double, double) {
    if (Index < 0 || Index >= model::palette::kSize) return;
    Line5[Index]->setBorderColor(kBlack);
    Line6[Index]->setBorderColor(kBlack);
    Line7[Index]->setBorderColor(kPaleRed);
    Line8[Index]->setBorderColor(kPaleRed);
}

void MainWindow::Image29_MouseUp(int Index, int Button, int Shift, double X, double Y) {
    // Every chip, not only the first, looks hovered again once released: the pointer is
    // still on it, and a frame left pressed would read as a button stuck down.
    Image29_MouseMove(Index, Button, Shift, X, Y);
}

// The band keys light up under the pointer and darken while pressed.
void MainWindow::showBandKey(zq::Image& key, int picture) {
    key.setPicture(LoadResPicture(picture, 0));
}
void MainWindow::Image30_MouseMove() {
    showBandKey(Image30, kBandKeyHover);
}
void MainWindow::Image31_MouseMove() {
    showBandKey(Image31, kBandKeyHover);
}
void MainWindow::Image32_MouseMove() {
    showBandKey(Image32, kBandKeyHover);
}
void MainWindow::Image33_MouseMove() {
    showBandKey(Image33, kBandKeyHover);
}
void MainWindow::Image34_MouseMove() {
    showBandKey(Image34, kBandKeyHover);
}
void MainWindow::Image30_MouseDown() {
    showBandKey(Image30, kBandKeyPressed);
}
void MainWindow::Image31_MouseDown() {
    showBandKey(Image31, kBandKeyPressed);
}
void MainWindow::Image32_MouseDown() {
    showBandKey(Image32, kBandKeyPressed);
}
void MainWindow::Image33_MouseDown() {
    showBandKey(Image33, kBandKeyPressed);
}
void MainWindow::Image34_MouseDown() {
    showBandKey(Image34, kBandKeyPressed);
}

void MainWindow::Image10_MouseMove() {
    Image11.setVisible(true);
    Image10.setVisible(false);
}

void MainWindow::Image12_MouseMove() {
    Image13.setVisible(true);
    Image12.setVisible(false);
}

void MainWindow::Image1_MouseMove() {
    Image10.setVisible(true);
    Image11.setVisible(false);
    Image12.setVisible(true);
    Image13.setVisible(false);
}

void MainWindow::Image4_MouseMove() {
    for (const auto& frame : MenuFrame)
        for (zq::Line* l : frame)
            l->setVisible(false);
    Label22.setForeColor(kWhite);
}

void MainWindow::Form_MouseMove(int, int, double, double) {
    for (int i = 0; i < model::palette::kSize; ++i) {
        Line5[i]->setBorderColor(kLightGrey);
        Line6[i]->setBorderColor(kLightGrey);
        Line7[i]->setBorderColor(kBlack);
        Line8[i]->setBorderColor(kBlack);
    }
    for (zq::Image* key : {&Image30, &Image31, &Image32, &Image33, &Image34})
        showBandKey(*key, kBandKeyPressed);
}

// ---------------------------------------------------------------------------------------
// Window chrome, menu and links

void MainWindow::Label1_MouseDown(int Button, int, double X, double Y) {
    dragPress(*this, Button, X, Y);
}
void MainWindow::Label1_MouseMove(int, int, double X, double Y) {
    dragMove(*this, X, Y);
}
void MainWindow::Label1_MouseUp(int, int, double, double) {
    dragRelease();
}

void MainWindow::Image13_Click() {
    SetWindowLongA(hWnd(), GWL_STYLE, GetWindowLongA(hWnd(), GWL_STYLE) | WS_SYSMENU);
    setWindowState(kMinimizedState);
}

void MainWindow::Image11_Click() {
    Unload();
}
void MainWindow::Image26_Click() {
    Unload();
}

void MainWindow::Image24_Click() {
    setVisible(false);
    help_ = new HelpWindow(*this);
    help_->setDeleteOnUnload(true);
    help_->keepOnScreen();
    help_->Show();
}

void MainWindow::Image25_Click() {
    about_ = new AboutWindow(*this);
    about_->setDeleteOnUnload(true);
    about_->keepOnScreen();
    about_->Show();
}

void MainWindow::showMenuFrame(int button) {
    for (zq::Line* l : MenuFrame[button])
        l->setVisible(true);
}

void MainWindow::paintMenuFrame(int button, bool sunken) {
    const QColor light = sunken ? windowTextColour() : kWhite;
    const QColor dark = sunken ? kWhite : windowTextColour();
    auto& [left, top, right, bottom] = MenuFrame[button];
    left->setBorderColor(light);
    top->setBorderColor(light);
    right->setBorderColor(dark);
    bottom->setBorderColor(dark);
}

void MainWindow::Image24_MouseMove() {
    showMenuFrame(0);
}
void MainWindow::Image25_MouseMove() {
    showMenuFrame(1);
}
void MainWindow::Image26_MouseMove() {
    showMenuFrame(2);
}
void MainWindow::Image24_MouseDown() {
    paintMenuFrame(0, true);
}
void MainWindow::Image25_MouseDown() {
    paintMenuFrame(1, true);
}
void MainWindow::Image26_MouseDown() {
    paintMenuFrame(2, true);
}
void MainWindow::Image24_MouseUp() {
    paintMenuFrame(0, false);
}
void MainWindow::Image25_MouseUp() {
    paintMenuFrame(1, false);
}
void MainWindow::Image26_MouseUp() {
    paintMenuFrame(2, false);
}

void MainWindow::startBrowser() {
    try {
        Shell(kBrowserCommand, kMaximizedFocus);
    } catch (...) {
        // A missing browser is not the user's problem to hear about.
    }
}

void MainWindow::Label22_Click() {
    startBrowser();
}
void MainWindow::Label24_Click() {
    startBrowser();
}
void MainWindow::Label22_MouseMove() {
    Label22.setForeColor(kRed);
}

// ---------------------------------------------------------------------------------------
// The value-to-colours window

void MainWindow::Form_MouseUp(int Button, int, double X, double Y) {
    if (Button != kRightButton) return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QCoreApplication::translate("MainWindow", "由阻值查色环…\tCtrl+F"), this,
                    [this] { openValueWindow(); });
    menu->addAction(QCoreApplication::translate("MainWindow", "识读色环…\tCtrl+R"), this,
                    [this] { openReadingWindow(); });
    menu->addAction(QCoreApplication::translate("MainWindow", "练习…\tCtrl+L"), this,
                    [this] { openPracticeWindow(); });
    menu->popup(mapToGlobal(QPoint(toPixelsX(X), toPixelsY(Y))));
}

namespace {

// One at a time: asking again brings the open one to the front. One that was just closed is
// only waiting to be freed.
template <class Window> void openBeside(MainWindow& main, QPointer<Window>& window) {
    if (!window || window->unloaded()) {
        window = new Window(main, main);
        window->setDeleteOnUnload(true);
        window->placeBesideMainWindow();
    }
    if (window->WindowState() == kMinimizedState) window->setWindowState(kNormalState);
    window->Show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainWindow::openValueWindow() {
    openBeside(*this, value_);
}

void MainWindow::openReadingWindow() {
    openBeside(*this, reading_);
}

void MainWindow::openPracticeWindow(std::optional<std::uint64_t> seed) {
    // Built only when asked for, so that starting the program pays nothing for it.
    if (!practice_ || practice_->unloaded()) {
        practice_ = new PracticeWindow(*this, {seed, {}});
        practice_->setDeleteOnUnload(true);
        practice_->placeBesideMainWindow();
    }
    if (practice_->WindowState() == kMinimizedState) practice_->setWindowState(kNormalState);
    practice_->Show();
    practice_->raise();
    practice_->activateWindow();
}

PracticeWindow* MainWindow::practiceWindow() const {
    return practice_;
}

void MainWindow::showColours(const model::ColourAnswer& a) {
    // The band that was being edited stays so.
    auto selectBand = [this](int band) {
        switch (band) {
        case 1:
            return Image30_Click();
        case 2:
            return Image31_Click();
        case 3:
            return Image32_Click();
        case 4:
            return Image33_Click();
        case 5:
            return Image34_Click();
        default:
            return;
        }
    };
    const int editing = BandState.selectedBand();
    for (const auto& [band, colour] : model::choicesFor(a)) {
        selectBand(band);
        Image29_Click(colour);
    }
    selectBand(editing);
}

} // namespace zq::ui
