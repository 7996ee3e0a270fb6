// SPDX-FileCopyrightText: 2026 泽昆软件
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/main_window.h"
#include "ui/words.h"

#include "assets/designs/designs.h"
#include "model/choice.h"
#include "model/tick.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "ui/about/about_window.h"
#include "ui/help/help_window.h"
#include "ui/main/numbered_pictures.h"
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
    : Form(designs::mainWindow()), title(label("title")), homePageLink(label("homePageLink")),
      titleStrip(image("titleStrip")), topLeftCorner(image("topLeftCorner")),
      topRightCorner(image("topRightCorner")), menuStrip(image("menuStrip")),
      rightEdge(image("rightEdge")), leftEdge(image("leftEdge")), bottomEdge(image("bottomEdge")),
      bottomLeftCorner(image("bottomLeftCorner")), bottomRightCorner(image("bottomRightCorner")),
      closeButton(image("closeButton")), closeButtonLit(image("closeButtonLit")),
      minimiseButton(image("minimiseButton")), minimiseButtonLit(image("minimiseButtonLit")),
      titleIcon(image("titleIcon")), helpButton(image("helpButton")),
      aboutButton(image("aboutButton")), exitButton(image("exitButton")),
      workAreaTop(line("workAreaTop")), workAreaRight(line("workAreaRight")),
      workAreaBottom(line("workAreaBottom")), workAreaLeft(line("workAreaLeft")),
      makerLink(label("makerLink")), meterValue(label("meterValue")), meter(image("meter")),
      meterUnit(image("meterUnit")), meterTolerance(image("meterTolerance")),
      bandKey1(image("bandKey1")), bandKey2(image("bandKey2")), bandKey3(image("bandKey3")),
      bandKey4(image("bandKey4")), bandKey5(image("bandKey5")),
      resistorLeftEnd(image("resistorLeftEnd")), bandPlace1(image("bandPlace1")),
      bandPlace2(image("bandPlace2")), bandPlace3(image("bandPlace3")),
      bandPlace4(image("bandPlace4")), bodyPiece1(image("bodyPiece1")),
      bandPlace5(image("bandPlace5")), bodyPiece2(image("bodyPiece2")),
      bodyPiece3(image("bodyPiece3")), resistorRightEnd(image("resistorRightEnd")),
      modeCaption(label("modeCaption")), bandCaption(label("bandCaption")),
      colourCaption(label("colourCaption")), toleranceCaption(label("toleranceCaption")),
      firstDigit(label("firstDigit")), firstWeight(label("firstWeight")),
      secondDigit(label("secondDigit")), secondWeight(label("secondWeight")),
      thirdOperator(label("thirdOperator")), thirdRow(label("thirdRow")),
      thirdWeight(label("thirdWeight")), timesSign(label("timesSign")),
      multiplier(label("multiplier")), resultLine(label("resultLine")),
      lowerBoxLeft(line("lowerBoxLeft")), lowerBoxRight(line("lowerBoxRight")),
      lowerBoxBottom(line("lowerBoxBottom")), band4Drop(line("band4Drop")),
      band4ToProduct(line("band4ToProduct")), productBoxLeft(line("productBoxLeft")),
      sumIntoProduct(line("sumIntoProduct")), productBoxTop(line("productBoxTop")),
      productBoxBottom(line("productBoxBottom")), productBoxRight(line("productBoxRight")),
      sumToResult(line("sumToResult")), productToResult(line("productToResult")),
      sumUpToProduct(line("sumUpToProduct")), valueTimer(timer("valueTimer")) {
    for (int i = 0; i < model::palette::kSize; ++i) {
        paletteChip[i] = &image("paletteChip", i);
        chipFrameLeft[i] = &line("chipFrameLeft", i);
        chipFrameTop[i] = &line("chipFrameTop", i);
        chipFrameRight[i] = &line("chipFrameRight", i);
        chipFrameBottom[i] = &line("chipFrameBottom", i);
    }
    menuFrames = {{{&line("helpFrameLeft"), &line("helpFrameTop"), &line("helpFrameRight"),
                    &line("helpFrameBottom")},
                   {&line("aboutFrameLeft"), &line("aboutFrameTop"), &line("aboutFrameRight"),
                    &line("aboutFrameBottom")},
                   {&line("exitFrameLeft"), &line("exitFrameTop"), &line("exitFrameRight"),
                    &line("exitFrameBottom")}}};
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
    for (int band = 1; band <= 5; ++band) {
        bandKey(band).Click = [this, band] { bandKeyClicked(band); };
        bandPlace(band).Click = [this, band] { bandPlaceClicked(band); };
    }
    valueTimer.Tick = [this] { tick(); };
    for (int i = 0; i < model::palette::kSize; ++i) {
        paletteChip[i]->Click = [this, i] { paletteChipClicked(i); };
        paletteChip[i]->MouseMove = [this, i](int, int, double, double) { paletteChipHovered(i); };
        paletteChip[i]->MouseDown = [this, i](int, int, double, double) { paletteChipPressed(i); };
        paletteChip[i]->MouseUp = [this, i](int, int, double, double) { paletteChipReleased(i); };
    }
    for (int band = 1; band <= 5; ++band) {
        bandKey(band).MouseMove = [this, band](int, int, double, double) { bandKeyHovered(band); };
        bandKey(band).MouseDown = [this, band](int, int, double, double) { bandKeyPressed(band); };
    }
    closeButton.MouseMove = [this](int, int, double, double) { closeButtonHovered(); };
    minimiseButton.MouseMove = [this](int, int, double, double) { minimiseButtonHovered(); };
    titleStrip.MouseMove = [this](int, int, double, double) { titleStripHovered(); };
    menuStrip.MouseMove = [this](int, int, double, double) { menuStripHovered(); };
    title.MouseDown = [this](int b, int s, double x, double y) { titlePressed(b, s, x, y); };
    title.MouseMove = [this](int b, int s, double x, double y) { titleDragged(b, s, x, y); };
    title.MouseUp = [this](int b, int s, double x, double y) { titleReleased(b, s, x, y); };
    minimiseButtonLit.Click = [this] { minimiseClicked(); };
    closeButtonLit.Click = [this] { closeClicked(); };
    exitButton.Click = [this] { exitClicked(); };
    helpButton.Click = [this] { helpClicked(); };
    aboutButton.Click = [this] { aboutClicked(); };
    helpButton.MouseMove = [this](int, int, double, double) { helpButtonHovered(); };
    aboutButton.MouseMove = [this](int, int, double, double) { aboutButtonHovered(); };
    exitButton.MouseMove = [this](int, int, double, double) { exitButtonHovered(); };
    helpButton.MouseDown = [this](int, int, double, double) { helpButtonPressed(); };
    aboutButton.MouseDown = [this](int, int, double, double) { aboutButtonPressed(); };
    exitButton.MouseDown = [this](int, int, double, double) { exitButtonPressed(); };
    helpButton.MouseUp = [this](int, int, double, double) { helpButtonReleased(); };
    aboutButton.MouseUp = [this](int, int, double, double) { aboutButtonReleased(); };
    exitButton.MouseUp = [this](int, int, double, double) { exitButtonReleased(); };
    homePageLink.Click = [this] { homePageLinkClicked(); };
    makerLink.Click = [this] { makerLinkClicked(); };
    homePageLink.MouseMove = [this](int, int, double, double) { homePageLinkHovered(); };
}

// ---------------------------------------------------------------------------------------
// Start-up

void MainWindow::onLoad() {
    setHeight(6855);
    setWidth(9240);

    const struct {
        zq::Image& image;
        double left, top;
    } skin[] = {{titleStrip, 0, 0},
                {topLeftCorner, 0, 0},
                {topRightCorner, 9145, 0},
                {menuStrip, -240, 412},
                {rightEdge, 9105, 360},
                {leftEdge, 0, 360},
                {bottomEdge, -120, 6720},
                {bottomLeftCorner, 7, 6480},
                {bottomRightCorner, 9140, 6570},
                {closeButton, 8880, 65},
                {closeButtonLit, 8880, 65},
                {minimiseButton, 8520, 65},
                {minimiseButtonLit, 8520, 65},
                {titleIcon, 120, 65}};
    for (const auto& s : skin) {
        s.image.setTop(s.top);
        s.image.setLeft(s.left);
    }
    title.setLeft(480);
    title.setTop(65);

    const struct {
        zq::Line& line;
        double x1, y1, x2, y2;
    } frame[] = {{workAreaTop, 0, 936, 9100, 936},
                 {workAreaRight, 9083, 840, 9083, 6720},
                 {workAreaBottom, 0, 6700, 9120, 6700},
                 {workAreaLeft, 120, 840, 120, 6720}};
    for (const auto& f : frame) {
        f.line.setX1(f.x1);
        f.line.setX2(f.x2);
        f.line.setY1(f.y1);
        f.line.setY2(f.y2);
    }

    roundCorners(*this);

    meter.setTop(960);
    meter.setLeft(240);
    // Band 5's gold and the unit of the value at start, 25.40KΩ, before the first tick.
    meterTolerance.setPicture(LoadResPicture(tolerancePicture(model::palette::kGold), 0));
    meterUnit.setPicture(LoadResPicture(unitPicture(model::kUnits[1]), 0));

    const struct {
        zq::Image& image;
        double left, top;
    } resistor[] = {{resistorLeftEnd, 2950, 1560}, {bandPlace1, 4680, 1695},
                    {bandPlace2, 4995, 1695},      {bandPlace3, 5310, 1695},
                    {bandPlace4, 5625, 1695},      {bodyPiece1, 5940, 1695},
                    {bandPlace5, 6255, 1695},      {resistorRightEnd, 7140, 1515},
                    {bodyPiece2, 6570, 1695},      {bodyPiece3, 6840, 1695}};
    for (const auto& r : resistor)
        r.image.setTop(r.top);
    for (const auto& r : resistor)
        r.image.setLeft(r.left);

    BandState = model::BandState::initial();

    for (int band = 1; band <= 4; ++band)
        bandPlace(band).setPicture(LoadResPicture(bandPicture(BandState.BandColour[band - 1]), 0));
    const int bareBody = bandPicture(model::palette::kNone);
    bodyPiece1.setPicture(LoadResPicture(bareBody, 0));
    bandPlace5.setPicture(LoadResPicture(bandPicture(BandState.BandColour[4]), 0));
    bodyPiece2.setPicture(LoadResPicture(bareBody, 0));
    bodyPiece3.setPicture(LoadResPicture(bareBody, 0));

    BandState.select(1);
    bandCaption.setCaption(q(wording::bandOrdinal(1)));
}

// ---------------------------------------------------------------------------------------
// Choosing the band to edit

void MainWindow::selectBand(int band) {
    BandState.select(band);
    bandCaption.setCaption(q(wording::bandOrdinal(band)));
    colourCaption.setCaption(QString());
}

void MainWindow::bandKeyClicked(int band) {
    selectBand(band);
}
void MainWindow::bandPlaceClicked(int band) {
    bandKeyClicked(band);
}

zq::Image& MainWindow::bandKey(int band) const {
    zq::Image* const keys[] = {&bandKey1, &bandKey2, &bandKey3, &bandKey4, &bandKey5};
    return *keys[band - 1];
}

zq::Image& MainWindow::bandPlace(int band) const {
    zq::Image* const places[] = {&bandPlace1, &bandPlace2, &bandPlace3, &bandPlace4, &bandPlace5};
    return *places[band - 1];
}

// ---------------------------------------------------------------------------------------
// Choosing the colour

void MainWindow::paletteChipClicked(int colour) {
    for (const model::Effect& e : model::choose(BandState, colour)) {
        model::applyToState(BandState, e);
        switch (e.kind) {
        case model::Effect::Kind::Warn:
            MsgBox(q(wording::warning(e.warning, e.band, e.colour)), kWarningStyle,
                   q(wording::warningTitle()));
            break;
        case model::Effect::Kind::PlaceColour:
            bandPlace(e.band).setPicture(LoadResPicture(bandPicture(e.colour), 0));
            break;
        case model::Effect::Kind::SetColourName:
            colourCaption.setCaption(q(wording::colourName(e.colour)));
            break;
        case model::Effect::Kind::SetTolerance:
            meterTolerance.setPicture(LoadResPicture(tolerancePicture(e.colour), 0));
            toleranceCaption.setCaption(q(wording::toleranceCaption(e.tolerance)));
            break;
        default:
            break; // texts of the band state only
        }
    }
}

// ---------------------------------------------------------------------------------------
// The value, recomputed at every tick

void MainWindow::tick() {
    const model::TickFacts f = model::tick(BandState);
    const model::DecimalFormat& fmt = wording::userNumbers();
    firstDigit.setCaption(q(f.firstDigit));
    secondDigit.setCaption(q(f.secondDigit));
    multiplier.setCaption(q(f.multiplier));
    modeCaption.setCaption(q(wording::resistorKind(f.fourBand)));
    // On four bands the product box, band 4's path to it and the sum's way in are gone, and
    // the sum goes straight to the result.
    for (zq::Line* l : {&band4Drop, &band4ToProduct, &productBoxLeft, &sumIntoProduct,
                        &productBoxTop, &productBoxBottom, &productBoxRight})
        l->setVisible(f.multiplierShown);
    sumToResult.setVisible(!f.multiplierShown);
    productToResult.setVisible(f.multiplierShown);
    sumUpToProduct.setVisible(f.multiplierShown);
    timesSign.setVisible(f.multiplierShown);
    multiplier.setVisible(f.multiplierShown);
    firstWeight.setCaption(QStringLiteral("×%1").arg(f.firstWeight));
    secondWeight.setCaption(QStringLiteral("×%1").arg(f.secondWeight));
    thirdOperator.setCaption(f.thirdRowAdded ? QStringLiteral("+") : QStringLiteral("×"));
    thirdRow.setCaption(q(f.thirdRow));
    thirdWeight.setVisible(f.thirdRowAdded);
    // The third row belongs to the red sum box when it is added, else it multiplies, as the
    // green product box does.
    const QColor box = f.thirdRowAdded ? kRed : rgb(128, 255, 128);
    for (zq::Line* l : {&lowerBoxLeft, &lowerBoxRight, &lowerBoxBottom})
        l->setBorderColor(box);
    model::applyTick(BandState, f);
    meterUnit.setPicture(LoadResPicture(unitPicture(f.unit), 0));
    resultLine.setCaption(q(wording::resultLine(wording::ohms(f.ohms, fmt))));
    meterValue.setCaption(q(model::numberInUnit(f.ohms, fmt)));
}

// ---------------------------------------------------------------------------------------
// Hover and pressed looks

void MainWindow::paletteChipHovered(int colour) {
    if (colour < 0 || colour >= model::palette::kSize) return;
    for (zq::Line* l : {chipFrameLeft[colour], chipFrameTop[colour], chipFrameRight[colour],
                        chipFrameBottom[colour]})
        l->setBorderColor(kRed);
}

void MainWindow::paletteChipPressed(int colour) {
    if (colour < 0 || colour >= model::palette::kSize) return;
    chipFrameLeft[colour]->setBorderColor(kBlack);
    chipFrameTop[colour]->setBorderColor(kBlack);
    chipFrameRight[colour]->setBorderColor(kPaleRed);
    chipFrameBottom[colour]->setBorderColor(kPaleRed);
}

void MainWindow::paletteChipReleased(int colour) {
    // Every chip, not only the first, looks hovered again once released: the pointer is
    // still on it, and a frame left pressed would read as a button stuck down.
    paletteChipHovered(colour);
}

// The band keys light up under the pointer and darken while pressed.
void MainWindow::showBandKey(zq::Image& key, int picture) {
    key.setPicture(LoadResPicture(picture, 0));
}
void MainWindow::bandKeyHovered(int band) {
    showBandKey(bandKey(band), kBandKeyHover);
}
void MainWindow::bandKeyPressed(int band) {
    showBandKey(bandKey(band), kBandKeyPressed);
}

void MainWindow::closeButtonHovered() {
    closeButtonLit.setVisible(true);
    closeButton.setVisible(false);
}

void MainWindow::minimiseButtonHovered() {
    minimiseButtonLit.setVisible(true);
    minimiseButton.setVisible(false);
}

void MainWindow::titleStripHovered() {
    closeButton.setVisible(true);
    closeButtonLit.setVisible(false);
    minimiseButton.setVisible(true);
    minimiseButtonLit.setVisible(false);
}

void MainWindow::menuStripHovered() {
    for (const auto& frame : menuFrames)
        for (zq::Line* l : frame)
            l->setVisible(false);
    homePageLink.setForeColor(kWhite);
}

void MainWindow::mouseMovedOnSurface(int, int, double, double) {
    for (int i = 0; i < model::palette::kSize; ++i) {
        chipFrameLeft[i]->setBorderColor(kLightGrey);
        chipFrameTop[i]->setBorderColor(kLightGrey);
        chipFrameRight[i]->setBorderColor(kBlack);
        chipFrameBottom[i]->setBorderColor(kBlack);
    }
    for (zq::Image* key : {&bandKey1, &bandKey2, &bandKey3, &bandKey4, &bandKey5})
        showBandKey(*key, kBandKeyPressed);
}

// ---------------------------------------------------------------------------------------
// Window chrome, menu and links

void MainWindow::titlePressed(int Button, int, double X, double Y) {
    dragPress(*this, Button, X, Y);
}
void MainWindow::titleDragged(int, int, double X, double Y) {
    dragMove(*this, X, Y);
}
void MainWindow::titleReleased(int, int, double, double) {
    dragRelease();
}

void MainWindow::minimiseClicked() {
    keepMinimisable();
    setWindowState(kMinimizedState);
}

void MainWindow::closeClicked() {
    Unload();
}
void MainWindow::exitClicked() {
    Unload();
}

void MainWindow::helpClicked() {
    setVisible(false);
    help_ = new HelpWindow(*this);
    help_->setDeleteOnUnload(true);
    help_->keepOnScreen();
    help_->Show();
}

void MainWindow::aboutClicked() {
    about_ = new AboutWindow(*this);
    about_->setDeleteOnUnload(true);
    about_->keepOnScreen();
    about_->Show();
}

void MainWindow::showMenuFrame(int button) {
    for (zq::Line* l : menuFrames[button])
        l->setVisible(true);
}

void MainWindow::paintMenuFrame(int button, bool sunken) {
    const QColor light = sunken ? windowTextColour() : kWhite;
    const QColor dark = sunken ? kWhite : windowTextColour();
    auto& [left, top, right, bottom] = menuFrames[button];
    left->setBorderColor(light);
    top->setBorderColor(light);
    right->setBorderColor(dark);
    bottom->setBorderColor(dark);
}

void MainWindow::helpButtonHovered() {
    showMenuFrame(0);
}
void MainWindow::aboutButtonHovered() {
    showMenuFrame(1);
}
void MainWindow::exitButtonHovered() {
    showMenuFrame(2);
}
void MainWindow::helpButtonPressed() {
    paintMenuFrame(0, true);
}
void MainWindow::aboutButtonPressed() {
    paintMenuFrame(1, true);
}
void MainWindow::exitButtonPressed() {
    paintMenuFrame(2, true);
}
void MainWindow::helpButtonReleased() {
    paintMenuFrame(0, false);
}
void MainWindow::aboutButtonReleased() {
    paintMenuFrame(1, false);
}
void MainWindow::exitButtonReleased() {
    paintMenuFrame(2, false);
}

void MainWindow::startBrowser() {
    try {
        Shell(kBrowserCommand, kMaximizedFocus);
    } catch (...) {
        // A missing browser is not the user's problem to hear about.
    }
}

void MainWindow::homePageLinkClicked() {
    startBrowser();
}
void MainWindow::makerLinkClicked() {
    startBrowser();
}
void MainWindow::homePageLinkHovered() {
    homePageLink.setForeColor(kRed);
}

// ---------------------------------------------------------------------------------------
// The value-to-colours window

void MainWindow::mouseReleasedOnSurface(int Button, int, double X, double Y) {
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
        if (band >= 1 && band <= 5) bandKeyClicked(band);
    };
    const int editing = BandState.selectedBand();
    for (const auto& [band, colour] : model::choicesFor(a)) {
        selectBand(band);
        paletteChipClicked(colour);
    }
    selectBand(editing);
}

} // namespace zq::ui
