// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window.
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "BoardKeyboard.h"
#include "BoardTile.h"
#include "DateTimeStatusBar.h"
#include "EventHooks.h"
#include "Game.h"
#include "GameCommands.h"
#include "GameFonts.h"
#include "HelpViewer.h"
#include "LabelAlignment.h"
#include "MainWindowForm.h"
#include "MainWindowNames.h"
#include "MessageBoxPresenter.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "PlacedControl.h"
#include "PlacedLabel.h"
#include "PuzzleSettingsFrame.h"
#include "QtForms.h"
#include "SettingsStore.h"
#include "TabOrder.h"
#include "WindowPlacement.h"

namespace tenebrix::qt {

namespace form = forms::frmMain;

namespace {

bool isHintAccessKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_H && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

}  // namespace

frmMain::frmMain(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QLatin1String(form::kName));
    setWindowTitle(tr(form::kCaption));
    setWindowIcon(qt::programIcon());
    menu_ = MainMenu(menuBar());
    setCentralWidget(createClientArea());

    sbStatusBar_ = new DateTimeStatusBar(this);
    sbStatusBar_->setObjectName(QLatin1String(form::kStatusBarName));
    sbStatusBar_->setFont(formFont());
    sbStatusBar_->setFixedHeight(forms::twipsToPixels(form::kStatusBarHeight));
    setStatusBar(sbStatusBar_);
    connectMenus();

    // The client area below the menu bar, status bar included, is what has
    // a fixed size; the frame around it is the platform's.
    resize(forms::twipsToPixels(form::kClientWidth),
           menuBar()->sizeHint().height() + forms::twipsToPixels(form::kClientHeight));

    game_ = std::make_unique<Game>(*this, services_.random);
    game_->Form_Load();
}

frmMain::~frmMain() = default;

QWidget* frmMain::createClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFont(formFont());
    createBoard(client);
    createButtons(client);
    createHiddenLabels(client);
    Frame1_ = new PuzzleSettingsFrame(client);
    connectSettingsFrame();
    wirePreviewClearing(client);
    return client;
}

void frmMain::createBoard(QWidget* client) {
    // The labels first, so each tile covers the top strip of its label.
    for (int n = 1; n <= kTileCount; ++n) {
        auto* label =
            placeLabel(client, arrayName(form::kTileNumberName, n), form::lblTileNumbers(n),
                       QLatin1String(form::kTileNumberCaption),
                       {formFont(), toQtAlignment(form::kTileNumberAlign) | Qt::AlignTop});
        label->hide();
        label->setMouseTracking(true);
        onEvent(label, QEvent::MouseMove, [this] { game_->lblTileNumbers_MouseMove(); });
        lblTileNumbers_[n - 1] = label;
    }
    for (int n = 1; n <= kTileCount; ++n) {
        auto* tile =
            placeControl<BoardTile>(client, arrayName(form::kTileName, n), form::picTile(n), n);
        tile->setMouseTracking(true);
        connect(tile, &PictureBox::clicked, this, [this, n] { game_->picTile_Click(n); });
        connect(tile, &PictureBox::mouseMoved, this, [this, n] { game_->picTile_MouseMove(n); });
        picTile_[n - 1] = tile;
    }
    new BoardKeyboard(picTile_, this);  // owned by the window
}

void frmMain::createButtons(QWidget* client) {
    const auto makeButton = [client](const form::Button& button) {
        return placeControl<QPushButton>(client, QLatin1String(button.name), button.place,
                                         tr(button.caption));
    };
    cmdHint_ = makeButton(form::cmdHint);
    cmdNewPuzzle_ = makeButton(form::cmdNewPuzzle);
    cmdReset_ = makeButton(form::cmdReset);
    // The controls are made in the form's tab order, so Tab follows it; the
    // window opens with Hint in focus and the board one Shift+Tab away.
    findChild<QWidget*>(QLatin1String(forms::frmMain::kFocusAtStart))
        ->setFocus(Qt::OtherFocusReason);
    connect(cmdHint_, &QPushButton::clicked, this, [this] { game_->cmdHint_Click(); });
    connect(cmdNewPuzzle_, &QPushButton::clicked, this, [this] { game_->cmdNewPuzzle_Click(); });
    connect(cmdReset_, &QPushButton::clicked, this, [this] { game_->cmdReset_Click(); });
}

// The current and start values, kept where the player never sees them.
void frmMain::createHiddenLabels(QWidget* client) {
    const auto makeLabel = [client](const form::HiddenLabel& hidden) {
        auto* label = placeControl<QLabel>(client, QLatin1String(hidden.name), hidden.place,
                                           QLatin1String(form::kHiddenLabelCaption));
        label->hide();
        return label;
    };
    lblPuzState_ = makeLabel(form::lblPuzState);
    lblPuzValue_ = makeLabel(form::lblPuzValue);
}

void frmMain::connectSettingsFrame() {
    connect(Frame1_, &PuzzleSettingsFrame::tileSetChanged, this,
            [this](int tileSet) { game_->ScrollTileSet_Change(tileSet); });
    connect(Frame1_, &PuzzleSettingsFrame::modeChanged, this,
            [this](int mode) { game_->ScrollMode_Change(mode); });
    connect(Frame1_, &PuzzleSettingsFrame::levelChanged, this,
            [this](int level) { game_->ScrollLevel_Change(level); });
}

void frmMain::connectMenus() {
    for (const forms::Menu& menu : forms::kMainMenu) {
        for (const forms::MenuItem& item : menu.items) {
            if (item.isSeparator()) continue;
            connect(
                menu_.item(item.command), &QAction::triggered, this,
                [this, command = item.command](bool checked) { runMenuCommand(command, checked); });
        }
    }
}

void frmMain::runMenuCommand(forms::MenuCommand command, bool checked) {
    using forms::MenuCommand;
    if (forms::runGameCommand(*game_, command)) return;
    switch (command) {
        case MenuCommand::Exit:
            close();
            return;
        case MenuCommand::ViewStatusBar:
            return mnuViewStatusBar_Click(checked);
        case MenuCommand::HelpContents:
            return mnuHelpContents_Click();
        case MenuCommand::HelpAbout:
            emit aboutRequested();
            return;
        default:
            return;
    }
}

// The preview comes off when the pointer crosses the bare window (the gaps
// between the tiles are bare window), the frame's own area, Hint or Reset,
// and when a button comes up over New Puzzle. Only these widgets, the tiles
// and the tile numbers track the pointer.
void frmMain::wirePreviewClearing(QWidget* client) {
    const auto hideMove = [this] { game_->HideMove(); };
    client->setMouseTracking(true);
    onBareMouseMove(client, hideMove);
    Frame1_->setMouseTracking(true);
    onBareMouseMove(Frame1_, hideMove);
    for (QPushButton* button : {cmdHint_, cmdReset_}) {
        button->setMouseTracking(true);
        onEvent(button, QEvent::MouseMove, hideMove);
    }
    onEvent(cmdNewPuzzle_, QEvent::MouseButtonRelease, hideMove);
}

void frmMain::showTiles(const TileStates& lit) {
    // The board is painted from the two sample boxes in the frame.
    const PictureRef litPicture = Frame1_->PicOn()->picture();
    const PictureRef darkPicture = Frame1_->picOff()->picture();
    for (int n = 1; n <= kTileCount; ++n) {
        picTile_[n - 1]->setPicture(lit[n - 1] ? litPicture : darkPicture);
        picTile_[n - 1]->setLit(lit[n - 1]);
    }
}

void frmMain::setTileBackColour(int tile, Colour colour) {
    if (isTile(tile)) picTile_[tile - 1]->setBackColour(colour);
}

void frmMain::setCaption(Caption label, const std::string& text) {
    QLabel* target = nullptr;
    switch (label) {
        case Caption::PuzState:
            target = lblPuzState_;
            break;
        case Caption::PuzValue:
            target = lblPuzValue_;
            break;
        case Caption::Moves:
            target = Frame1_->lblMoves();
            break;
        case Caption::Level:
            target = Frame1_->lblLevel();
            break;
        case Caption::Mode:
            target = Frame1_->lblMode();
            break;
    }
    if (target) target->setText(QString::fromStdString(text));
}

void frmMain::setTileNumberCaption(int tile, const std::string& text) {
    if (isTile(tile)) lblTileNumbers_[tile - 1]->setText(QString::fromStdString(text));
}

void frmMain::setTileNumbersVisible(bool visible) {
    for (QLabel* label : lblTileNumbers_) label->setVisible(visible);
}

void frmMain::setTileNumbersChecked(bool checked) {
    menu_.item(forms::MenuCommand::ViewTileNumbers)->setChecked(checked);
}

void frmMain::showModeDiagram(int mode) {
    Frame1_->showModeDiagram(mode);
}

void frmMain::showTileSet(int tileSet) {
    Frame1_->showTileSet(tileSet);
}

void frmMain::setLevelSetting(int level) {
    Frame1_->setLevelQuietly(level);
}

MessageAnswer frmMain::showMessage(const Message& message) {
    return services_.messages.present(this, message);
}

void frmMain::mnuHelpContents_Click() {
    if (services_.helpFilePath.isEmpty()) {
        const QString noHelp = tr(form::kNoHelpMessage);
        services_.messages.present(this, {noHelp.toStdString(), windowTitle().toStdString(),
                                          MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    services_.helpViewer.showContents(this, services_.helpFilePath);
}

// Nothing else moves: without the status bar its strip is bare window.
void frmMain::mnuViewStatusBar_Click(bool checked) {
    sbStatusBar_->setVisible(checked);
    menu_.item(forms::MenuCommand::ViewStatusBar)->setChecked(checked);
}

bool frmMain::event(QEvent* event) {
    // The Hint button and the Help menu both claim Alt+H, and Qt gives an
    // ambiguous access key to neither. The window's own control comes first:
    // taking the key here keeps it from the shortcut map, and keyPressEvent
    // presses Hint. The Help menu stays reachable with F10 and the arrows.
    if (event->type() == QEvent::ShortcutOverride &&
        isHintAccessKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (isHintAccessKey(event)) {
        if (cmdHint_->isVisible() && cmdHint_->isEnabled()) {
            cmdHint_->setFocus(Qt::ShortcutFocusReason);
            cmdHint_->click();
        }
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        menuBar()->setActiveAction(menu_.firstMenu()->menuAction());
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

void frmMain::closeEvent(QCloseEvent* event) {
    closeOtherWindows();
    if (!isMinimized()) savePlacement();
    // Closing is never refused.
    event->accept();
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

// Written on every close and never read back: each start opens centred. A
// store that cannot be written does not hold the close up.
void frmMain::savePlacement() {
    const QRect outer = frameGeometry();
    // In the order of the form's keys: left, top, width, height.
    const std::array<int, 4> placement{outer.x(), outer.y(), outer.width(), outer.height()};
    for (std::size_t i = 0; i < placement.size(); ++i) {
        services_.settingsStore.SaveSetting(
            form::kSettingsApplication, form::kSettingsSection, form::kPlacementKeys[i],
            placementTextIn(static_cast<float>(placement[i] * forms::kTwipsPerPixel)).toStdString());
    }
}

}  // namespace tenebrix::qt
