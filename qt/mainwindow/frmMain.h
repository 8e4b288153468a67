// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window: the board, the settings frame, the buttons, the
// menus and the status bar. It shows what the game tells it and passes every
// action of the player on to the game; the rules live in the game alone.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "Display.h"
#include "MainMenu.h"
#include "MainWindowServices.h"

class QLabel;
class QPushButton;

namespace tenebrix {
class Game;
}

namespace tenebrix::qt {

class BoardTile;
class DateTimeStatusBar;
class PuzzleSettingsFrame;

class frmMain final : public QMainWindow, public Display {
    Q_OBJECT

  public:
    explicit frmMain(const MainWindowServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // The game in play, for whoever wants to look at its state.
    const Game& game() const { return *game_; }

    // Display
    void showTiles(const TileStates& lit) override;
    void setTileBackColour(int tile, Colour colour) override;
    void setCaption(Caption label, const std::string& text) override;
    void setTileNumberCaption(int tile, const std::string& text) override;
    void setTileNumbersVisible(bool visible) override;
    void setTileNumbersChecked(bool checked) override;
    void showModeDiagram(int mode) override;
    void showTileSet(int tileSet) override;
    void setLevelSetting(int level) override;
    MessageAnswer showMessage(const Message& message) override;

  signals:
    // Help > About Tenebrix...: whoever owns the About box shows it.
    void aboutRequested();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* createClientArea();
    void createBoard(QWidget* client);
    void createButtons(QWidget* client);
    void createHiddenLabels(QWidget* client);
    void connectSettingsFrame();
    void connectMenus();
    void wirePreviewClearing(QWidget* client);

    void runMenuCommand(forms::MenuCommand command, bool checked);
    void mnuHelpContents_Click();
    void mnuViewStatusBar_Click(bool checked);
    void placeCentred();
    void closeOtherWindows();
    void savePlacement();

    MainWindowServices services_;
    std::unique_ptr<Game> game_;
    MainMenu menu_{};
    std::array<BoardTile*, kTileCount> picTile_{};
    std::array<QLabel*, kTileCount> lblTileNumbers_{};
    QPushButton* cmdHint_ = nullptr;
    QPushButton* cmdNewPuzzle_ = nullptr;
    QPushButton* cmdReset_ = nullptr;
    QLabel* lblPuzState_ = nullptr;
    QLabel* lblPuzValue_ = nullptr;
    PuzzleSettingsFrame* Frame1_ = nullptr;
    DateTimeStatusBar* sbStatusBar_ = nullptr;
    bool placed_ = false;
};

}  // namespace tenebrix::qt
