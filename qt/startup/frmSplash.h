// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen: the product's name and a small animated board being
// solved, one frame every half second; then it hands over to the game
// window. Its timeline is the shared one (SplashTimeline.h): this window
// only shows what it is told, and refuses to close before the hand-over.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "FormControls.h"
#include "SplashTimeline.h"

namespace tenebrix::startup {

class frmSplash final : public QWidget, private ui::SplashView {
    Q_OBJECT

  public:
    // `showMainWindow` creates, loads and shows the game window; the splash
    // calls it once, when its timeline hands over, and closes right after.
    explicit frmSplash(std::function<void()> showMainWindow);

    // The logo frame shown now, or -1 if none or more than one is visible.
    int visibleLogoFrame() const;

  public slots:
    void Timer1_Timer();

  protected:
    // A request to close (the window system's close, Alt+F4) is refused
    // until the game window is up.
    void closeEvent(QCloseEvent* event) override;

  private:
    void setLogoFrameVisible(int frame, bool visible) override;
    void showMainWindow() override;
    void unloadSplash() override;
    QWidget* logo(int frame) const;

    std::function<void()> showMainWindow_;
    // Made once the window has its icon, whose drawing leaves no holes
    // between the controls then.
    std::optional<qt::FormControls> controls_;
    ui::SplashTimeline timeline_;
    QTimer Timer1;
};

}  // namespace tenebrix::startup
