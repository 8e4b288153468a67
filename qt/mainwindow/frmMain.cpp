// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window.
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include "BoardTile.h"
#include "CaptionLabels.h"
#include "Captions.h"
#include "DateTimeStatusBar.h"
#include "EventHooks.h"
#include "GameFonts.h"
#include "HelpViewer.h"
#include "MainWindowForm.h"
#include "MessageBoxPresenter.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "QtForms.h"
#include "QtKeys.h"
#include "TilePictures.h"
#include "TileSetList.h"
#include "WindowKeys.h"

namespace tenebrix::qt {

namespace form = forms::frmMain;
using forms::Control;
using forms::ControlKind;

namespace {

// The client area below the menu bar, in the windows' own font, which its
// controls take unless their row says otherwise.
QWidget* makeClientArea(QWidget* window) {
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFont(formFont());
    return client;
}

QPixmap tileSetPicture(int index, qreal devicePixelRatio) {
    return TileSetList().picture(index, devicePixelRatio);
}

// What a scroll bar's action asks of it. Qt moves the thumb for the action
// before it says so, and sets the bar's value afterwards.
std::optional<ui::ScrollRequest> scrollRequestOf(int action, bool thumbHeld) {
    using ui::ScrollRequest;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollRequest::LineLeft;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollRequest::LineRight;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollRequest::PageLeft;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollRequest::PageRight;
        case QAbstractSlider::SliderToMinimum:
            return ScrollRequest::First;
        case QAbstractSlider::SliderToMaximum:
            return ScrollRequest::Last;
        case QAbstractSlider::SliderMove:
            return thumbHeld ? ScrollRequest::ThumbTrack : ScrollRequest::ThumbRelease;
        default:
            return std::nullopt;
    }
}

}  // namespace

frmMain::frmMain(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      window_(*this, {services.random, services.settingsStore, services.clock,
                      services.helpFilePath.toStdString()}) {
    setObjectName(QLatin1String(form::kName));
    setWindowTitle(QString::fromStdString(ui::windowTitle(form::kCaption)));
    setWindowIcon(programIcon());
    menu_ = MainMenu(menuBar());
    client_ = makeClientArea(this);
    controls_.emplace(form::kControls, client_);
    setCentralWidget(client_);
    for (const Control& row : form::kControls) {
        if (row.kind == ControlKind::StatusBar) makeStatusBar(row);
    }
    for (int n = 1; n <= kTileCount; ++n) {
        tiles_[n - 1] = static_cast<BoardTile*>(control("picTile", n));
        tileNumbers_[n - 1] = static_cast<QLabel*>(control("lblTileNumbers", n));
    }
    for (const Caption caption :
         {Caption::PuzState, Caption::PuzValue, Caption::Moves, Caption::Level, Caption::Mode})
        captionLabels_[static_cast<std::size_t>(caption)] =
            static_cast<QLabel*>(control(ui::labelOf(caption).name));
    PicOn_ = static_cast<PictureBox*>(control("PicOn"));
    picOff_ = static_cast<PictureBox*>(control("picOff"));
    connectControls();
    watchPointer();
    connectMenus();

    // The client area below the menu bar, status bar included, is what has
    // a fixed size; the frame around it is the platform's.
    resize(forms::twipsToPixels(form::kClientWidth),
           menuBar()->sizeHint().height() + forms::twipsToPixels(form::kClientHeight));

    // The board is one stop in the tab chain, at its first tile until the
    // arrow keys move it; the window opens with Hint in focus.
    moveBoardStop(boardStop_);
    control(form::kFocusAtStart)->setFocus(Qt::OtherFocusReason);

    clock_.setSingleShot(true);
    // Precise, so the wake-up never comes before the minute has turned.
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, &frmMain::tickClock);
    tickClock();
    window_.Form_Load();
}

frmMain::~frmMain() = default;

QWidget* frmMain::control(std::string_view name, int index) const {
    const Control* row = controls_->find(name, index);
    return row ? controls_->widget(*row) : nullptr;
}

BoardTile* frmMain::tile(int n) const {
    return isTile(n) ? tiles_[n - 1] : nullptr;
}

void frmMain::makeStatusBar(const Control& row) {
    sbStatusBar_ = new DateTimeStatusBar(this);
    sbStatusBar_->setObjectName(QString::fromStdString(row.fullName()));
    sbStatusBar_->setFont(fontOf(row.font));
    sbStatusBar_->setFixedHeight(toPixels(row.place).height());
    setStatusBar(sbStatusBar_);
    controls_->add(row, sbStatusBar_);
}

void frmMain::connectControls() {
    for (const Control& row : form::kControls) {
        QWidget* widget = controls_->widget(row);
        if (row.boardTile) {
            connect(static_cast<PictureBox*>(widget), &PictureBox::clicked, this,
                    [this, tile = row.index] { window_.tileClicked(tile); });
        } else if (row.kind == ControlKind::Button) {
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, &row] { window_.buttonClicked(row); });
        } else if (row.kind == ControlKind::ScrollBar) {
            connectScrollBar(row);
        }
    }
}

// The bar steps as the rules say: an action's new place is theirs, and the
// bar's new value goes to them. While the thumb is dragged the bar reports
// nothing (its tracking is off); it is let go as one more action.
void frmMain::connectScrollBar(const Control& row) {
    auto* bar = controls_->widget<QScrollBar>(row);
    connect(bar, &QAbstractSlider::actionTriggered, this, [bar, &row](int action) {
        const auto request = scrollRequestOf(action, bar->isSliderDown());
        if (!request || *request == ui::ScrollRequest::ThumbTrack) return;
        bar->setSliderPosition(
            ui::scrolledValue(row, bar->value(), *request, bar->sliderPosition()));
    });
    connect(bar, &QAbstractSlider::valueChanged, this,
            [this, &row](int value) { window_.scrollValueChanged(row, value); });
}

// Only the parts of the window whose pointer events the rules want report
// them; the bare client area goes by the window's name.
void frmMain::watchPointer() {
    const auto watch = [this](QWidget* widget, const Control* row) {
        const std::string_view name = row ? std::string_view(row->name) : ui::kBareWindow;
        if (ui::watchesPointer(name, ui::PointerEvent::Move)) {
            widget->setMouseTracking(true);
            onOwnArea(widget, QEvent::MouseMove, [this, row] { window_.pointerMoved(row); });
        }
        if (ui::watchesPointer(name, ui::PointerEvent::Release)) {
            onOwnArea(widget, QEvent::MouseButtonRelease,
                      [this, row] { window_.pointerReleased(row); });
        }
    };
    watch(client_, nullptr);
    for (const Control& row : form::kControls) {
        if (QWidget* widget = controls_->widget(row)) watch(widget, &row);
    }
}

void frmMain::connectMenus() {
    for (const forms::Menu& menu : forms::kMainMenu) {
        for (const forms::MenuItem& item : menu.items) {
            if (item.isSeparator()) continue;
            connect(menu_.item(item.command), &QAction::triggered, this,
                    [this, command = item.command] { window_.command(command); });
        }
    }
}

void frmMain::tickClock() {
    clock_.start(window_.clockTick());
}

// --- Keys: the rules decide which keys are the window's. Such a key is
// taken from Qt's shortcuts (a button's access key, a menu item's Ctrl
// shortcut) and reaches keyPressEvent, from the control in focus if that
// one passes it on; a board tile and a scroll bar pass on every key. A menu
// title's access key opens its menu the menu bar's own way.

bool frmMain::takesKey(const QKeyEvent& key) const {
    const ui::WindowKeyAction action = ui::mainWindowKey(keyPressOf(key), focusedControl());
    return action.kind != ui::WindowKeyAction::Kind::None &&
           action.kind != ui::WindowKeyAction::Kind::OpenMenu;
}

bool frmMain::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && takesKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (window_.keyDown(keyPressOf(*event), focusedControl())) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        placeCentred();
    }
    QMainWindow::showEvent(event);
}

// Centred both ways; the top edge as the game has always worked it out, in
// twips with halves going to even. No stored position is consulted.
void frmMain::placeCentred() {
    const QScreen* where = screen();
    if (!where) return;
    const QRect area = where->geometry();
    const QRect outer = frameGeometry();
    const int topTwips = ui::centredTopTwips(area.height() * forms::kTwipsPerPixel,
                                             outer.height() * forms::kTwipsPerPixel);
    move(area.left() + (area.width() - outer.width()) / 2,
         area.top() + forms::twipsToPixels(topTwips));
}

// Closing is never refused.
void frmMain::closeEvent(QCloseEvent* event) {
    window_.Form_Unload();
    event->accept();
}

// --- Display

void frmMain::showTiles(const TileStates& lit) {
    // The board is painted from the two sample boxes in the frame.
    const PictureRef litPicture = PicOn_->picture();
    const PictureRef darkPicture = picOff_->picture();
    for (int n = 1; n <= kTileCount; ++n) {
        tiles_[n - 1]->setPicture(lit[n - 1] ? litPicture : darkPicture);
        tiles_[n - 1]->setLit(lit[n - 1]);
    }
}

void frmMain::setTileBackColour(int tile, Colour colour) {
    if (BoardTile* box = this->tile(tile)) box->setBackColour(colour);
}

void frmMain::setCaption(Caption label, const std::string& text) {
    const auto at = static_cast<std::size_t>(label);
    if (at < captionLabels_.size() && captionLabels_[at])
        captionLabels_[at]->setText(QString::fromStdString(text));
}

void frmMain::setTileNumberCaption(int tile, const std::string& text) {
    if (isTile(tile)) tileNumbers_[tile - 1]->setText(QString::fromStdString(text));
}

void frmMain::setTileNumbersVisible(bool visible) {
    for (QLabel* number : tileNumbers_) number->setVisible(visible);
}

void frmMain::setTileNumbersChecked(bool checked) {
    setMenuChecked(forms::MenuCommand::ViewTileNumbers, checked);
}

void frmMain::showModeDiagram(int mode) {
    for (int k = kMinMode; k <= kMaxMode; ++k) control("picMode", k)->setVisible(k == mode);
}

void frmMain::showTileSet(int tileSet) {
    static_cast<QLabel*>(control("lblTileSet"))
        ->setText(QString::fromStdString(ui::tileSetCaption(tileSet)));
    picOff_->setPicture({&tileSetPicture, pictures::darkPictureOf(tileSet)});
    PicOn_->setPicture({&tileSetPicture, pictures::litPictureOf(tileSet)});
}

void frmMain::setLevelSetting(int level) {
    setScrollValue(form::control("ScrollLevel"), level);
}

MessageAnswer frmMain::showMessage(const Message& message) {
    return services_.messages.present(this, message);
}

// --- The window's own parts

void frmMain::setStatusPanelText(int panel, const std::string& text) {
    sbStatusBar_->setPanelText(panel, QString::fromStdString(text));
}

void frmMain::setStatusBarVisible(bool visible) {
    sbStatusBar_->setVisible(visible);
}

void frmMain::setMenuChecked(forms::MenuCommand item, bool checked) {
    if (QAction* action = menu_.item(item)) action->setChecked(checked);
}

void frmMain::setScrollValue(const Control& bar, int value) {
    auto* scrollBar = controls_->widget<QScrollBar>(bar);
    if (!scrollBar) return;
    const QSignalBlocker quiet(scrollBar);
    scrollBar->setValue(value);
}

const Control* frmMain::focusedControl() const {
    return controls_->row(focusWidget());
}

void frmMain::setFocus(const Control& control) {
    if (control.boardTile) {
        moveBoardStop(control.index);
    } else if (QWidget* widget = controls_->widget(control)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

// The new stop takes the focus before the old one leaves the chain, so the
// focus never falls to some other control on the way. A click never takes
// the focus to a tile, so the mouse shows no mark.
void frmMain::moveBoardStop(int tile) {
    QWidget* stop = this->tile(tile);
    if (!stop) return;
    QWidget* previous = this->tile(boardStop_);
    boardStop_ = tile;
    stop->setFocusPolicy(Qt::TabFocus);
    stop->setFocus(Qt::OtherFocusReason);
    if (previous && previous != stop) previous->setFocusPolicy(Qt::NoFocus);
}

// The menu drops down with its first item highlighted.
void frmMain::openMenu(const forms::Menu& menu) {
    QMenu* dropDown = menu_.menu(menu);
    if (!dropDown) return;
    menuBar()->setActiveAction(dropDown->menuAction());
    for (QAction* item : dropDown->actions()) {
        if (item->isSeparator()) continue;
        dropDown->setActiveAction(item);
        break;
    }
}

void frmMain::activateMenuBar() {
    menuBar()->setActiveAction(menu_.firstMenu()->menuAction());
}

void frmMain::showAboutBox() {
    emit aboutRequested();
    window_.aboutBoxClosed();
}

// The viewer reports a file it cannot show itself.
std::optional<std::string> frmMain::openHelp(const std::string& path) {
    services_.helpViewer.showContents(this, QString::fromStdString(path));
    return std::nullopt;
}

void frmMain::closeWindow() {
    close();
}

// Latest opened first; a window may take others with it as it closes.
void frmMain::closeOtherWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    QList<QPointer<QWidget>> others;
    for (QWidget* window : windows) {
        if (window != this && window->isVisible()) others.append(window);
    }
    for (auto it = others.crbegin(); it != others.crend(); ++it) {
        if (*it) (*it)->close();
    }
}

bool frmMain::isMinimised() const {
    return isMinimized();
}

ui::Placement frmMain::placement() const {
    const QRect outer = frameGeometry();
    const auto twips = [](int pixels) {
        return static_cast<float>(pixels * forms::kTwipsPerPixel);
    };
    return {twips(outer.x()), twips(outer.y()), twips(outer.width()), twips(outer.height())};
}

std::string frmMain::decimalSeparator() const {
    return QLocale::system().decimalPoint().toStdString();
}

}  // namespace tenebrix::qt
