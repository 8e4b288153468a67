// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen and its hand-over to the game window.
#include "frmSplash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "PictureBox.h"
#include "PictureImages.h"
#include "PlacedControl.h"
#include "PlacedLabel.h"
#include "QtForms.h"
#include "SeparatorLine.h"
#include "SplashFonts.h"
#include "SplashForm.h"
#include "StartupTrace.h"

namespace tenebrix::startup {

namespace form = forms::frmSplash;

namespace {

// A word-wrapped caption starts at the top left; the others are centred up
// and down.
Qt::Alignment alignmentOf(const form::Label& label) {
    if (label.wordWrap) return Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment across = label.align == form::Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    return across | Qt::AlignVCenter;
}

// Labels sized to their text keep their left edge and grow to fit.
void sizeToText(QLabel* label) {
    const QSize needed = label->sizeHint();
    label->resize(std::max(label->width(), needed.width()),
                  std::max(label->height(), needed.height()));
}

QPixmap drawLogoFrame(int frame, qreal ratio) {
    return qt::logoFrame(frame, ratio);
}

}  // namespace

frmSplash::frmSplash(std::function<void()> showMainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      showMainWindow_(std::move(showMainWindow)) {
    setObjectName(QLatin1String(form::kName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(qt::programIcon());
    setWindowTitle(QLatin1String(form::kCaption));
    setFixedSize(qt::toPixels({0, 0, form::kWidth, form::kHeight}).size());

    auto* frame =
        qt::placeControl<QFrame>(this, QLatin1String(form::kFrameName), form::fraMainFrame);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);

    for (int k = 0; k < form::kLogoFrames; ++k) {
        auto* logo = new qt::PictureBox(qt::PictureBox::Border::Sunken, frame);
        logo->setObjectName(qt::arrayName(form::kLogoName, k));
        logo->setPicture({&drawLogoFrame, k});
        // The box is sized to its picture, inside a sunken border.
        const int side = form::kLogoPicturePixels + 2 * qt::PictureBox::kSunkenBorderWidth;
        const QRect place = qt::toPixels({form::kLogoLeft, form::kLogoTop, 0, 0});
        logo->setGeometry(QRect(place.topLeft(), QSize(side, side)));
        logo->setVisible(k == 0);
        picLogo_[k] = logo;
    }
    buildLabels(frame);
    // Centred on the screen; a frameless window gets no place from a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Timer1.setInterval(form::kTickMilliseconds);
    // A named child, so tests find it; as a member it leaves its parent first.
    Timer1.setObjectName(QLatin1String(form::kTimerName));
    Timer1.setParent(this);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1.start();
    traceFirstPaint(this);
}

void frmSplash::buildLabels(QFrame* frame) {
    for (const form::Label& entry : form::kLabels) {
        QLabel* label = qt::placeLabel(frame, QLatin1String(entry.name), entry.place,
                                       QString::fromUtf8(entry.caption),
                                       {splashFont(entry), alignmentOf(entry), entry.wordWrap});
        if (entry.growsToText) sizeToText(label);
    }
    for (const forms::SeparatorLine& line : form::kLines) new SeparatorLine(line, frame);
}

int frmSplash::visibleLogoFrame() const {
    int shown = -1;
    for (int k = 0; k < form::kLogoFrames; ++k) {
        if (picLogo_[k]->isVisibleTo(this)) {
            if (shown != -1) return -1;
            shown = k;
        }
    }
    return shown;
}

void frmSplash::Timer1_Timer() {
    const int tick = ticks_;
    if (tick >= 1 && tick <= form::kLogoFrames - 1) stepLogo(tick - 1, tick);
    if (tick == form::kHandOverTick) {
        // The game window is up before the splash goes, so the program is
        // never without a window.
        Timer1.stop();
        showMainWindow_();
        close();
    }
    ++ticks_;
}

// The old frame goes before the new one comes, so two never show at once.
void frmSplash::stepLogo(int from, int to) {
    picLogo_[from]->hide();
    picLogo_[to]->show();
}

}  // namespace tenebrix::startup
