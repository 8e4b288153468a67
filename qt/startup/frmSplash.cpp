// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen and its hand-over to the game window.
#include "frmSplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "Captions.h"
#include "PictureImages.h"
#include "QtForms.h"
#include "SplashForm.h"
#include "StartupTrace.h"

namespace tenebrix::startup {

namespace form = forms::frmSplash;

// Its captions are centred up and down in their labels.
frmSplash::frmSplash(std::function<void()> showMainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      showMainWindow_(std::move(showMainWindow)),
      timeline_(*this) {
    setObjectName(QLatin1String(form::kName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(qt::programIcon());
    setWindowTitle(QString::fromStdString(ui::windowTitle(form::kCaption)));
    setFixedSize(qt::toPixels({0, 0, form::kWidth, form::kHeight}).size());
    controls_.emplace(form::kControls, this, qt::FormLook{Qt::AlignVCenter});
    // Centred on the screen; a frameless window gets no place from a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    for (const forms::Control& row : form::kControls) {
        if (row.kind != forms::ControlKind::Timer) continue;
        // A named child, so tests find it; as a member it leaves its parent first.
        Timer1.setObjectName(QLatin1String(row.name));
        Timer1.setParent(this);
    }
    Timer1.setInterval(ui::SplashTimeline::kTickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1.start();
    traceFirstPaint(this);
}

QWidget* frmSplash::logo(int frame) const {
    const forms::Control* row = controls_->find("picLogo", frame);
    return row ? controls_->widget(*row) : nullptr;
}

int frmSplash::visibleLogoFrame() const {
    int shown = -1;
    for (int k = 0; k < form::kLogoFrames; ++k) {
        if (logo(k)->isVisibleTo(this)) {
            if (shown != -1) return -1;
            shown = k;
        }
    }
    return shown;
}

void frmSplash::Timer1_Timer() {
    timeline_.Timer1_Timer();
}

void frmSplash::setLogoFrameVisible(int frame, bool visible) {
    if (QWidget* box = logo(frame)) box->setVisible(visible);
}

void frmSplash::showMainWindow() {
    showMainWindow_();
}

void frmSplash::unloadSplash() {
    Timer1.stop();
    close();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    if (!timeline_.mayClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace tenebrix::startup
