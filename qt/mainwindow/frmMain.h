// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window on Qt: the controls of its table, the menus and the
// status bar. It turns what the player does into calls on the window's rules
// (ui::MainWindow), which own the game, and shows what they tell it.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <optional>

#include "FormControls.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "MainWindowServices.h"

class QLabel;

namespace tenebrix::qt {

class BoardTile;
class DateTimeStatusBar;
class PictureBox;

class frmMain final : public QMainWindow, private ui::MainWindowView {
    Q_OBJECT

  public:
    explicit frmMain(const MainWindowServices& services, QWidget* parent = nullptr);
    ~frmMain() override;
    using QMainWindow::setFocus;

    // The game in play, for whoever wants to look at its state.
    const Game& game() const { return window_.game(); }

  signals:
    // Help > About Tenebrix...: whoever owns the About box shows it, modal
    // over this window; the signal returns once it is closed.
    void aboutRequested();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
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
    // StatusPanels
    void setStatusPanelText(int panel, const std::string& text) override;
    // MainWindowView
    void setStatusBarVisible(bool visible) override;
    void setMenuChecked(forms::MenuCommand item, bool checked) override;
    void setScrollValue(const forms::Control& bar, int value) override;
    const forms::Control* focusedControl() const override;
    void setFocus(const forms::Control& control) override;
    void moveBoardStop(int tile) override;
    void openMenu(const forms::Menu& menu) override;
    void activateMenuBar() override;
    void showAboutBox() override;
    std::optional<std::string> openHelp(const std::string& path) override;
    void closeWindow() override;
    void closeOtherWindows() override;
    bool isMinimised() const override;
    ui::Placement placement() const override;
    std::string decimalSeparator() const override;

    void makeStatusBar(const forms::Control& row);
    void connectControls();
    void connectScrollBar(const forms::Control& row);
    void watchPointer();
    void connectMenus();
    void tickClock();
    void placeCentred();
    QWidget* control(std::string_view name, int index = forms::kNoIndex) const;
    BoardTile* tile(int n) const;
    bool takesKey(const QKeyEvent& key) const;

    MainWindowServices services_;
    MainMenu menu_;
    QWidget* client_ = nullptr;
    // Made once the window has its icon, whose drawing leaves no holes
    // between the controls then.
    std::optional<FormControls> controls_;
    DateTimeStatusBar* sbStatusBar_ = nullptr;
    // Looked up once: the game repaints them on every move.
    std::array<BoardTile*, kTileCount> tiles_{};
    std::array<QLabel*, kTileCount> tileNumbers_{};
    std::array<QLabel*, 5> captionLabels_{};  // by Caption
    PictureBox* PicOn_ = nullptr;
    PictureBox* picOff_ = nullptr;
    // Wakes when the status bar's date or time next changes.
    QTimer clock_;
    int boardStop_ = 1;
    bool placed_ = false;
    // Made once the controls are there; its game shows itself through them.
    ui::MainWindow window_;
};

}  // namespace tenebrix::qt
