// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen and its hand-over to the game window.
#include "frmSplash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "OwnerTexts.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "PlacedControl.h"
#include "QtForms.h"
#include "SeparatorLine.h"
#include "SplashFonts.h"
#include "StartupTrace.h"
#include "Twips.h"

namespace tenebrix::startup {

using namespace forms;

using ui::toPixels;
using ui::TwipRect;

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const TwipRect& place,
                 const QFont& font) {
    auto* label = ui::placeControl<QLabel>(parent, QLatin1String(name), place, text);
    label->setFont(font);
    return label;
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
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(qt::programIcon());
    setWindowTitle(QStringLiteral("Tenebrix"));
    setFixedSize(toPixels({0, 0, 7725, 3780}).size());

    auto* frame =
        ui::placeControl<QFrame>(this, QStringLiteral("fraMainFrame"), {45, 0, 7650, 3720});
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);

    for (int k = 0; k < kLogoFrames; ++k) {
        auto* logo = new ui::PictureBox(ui::PictureBox::Border::Sunken, frame);
        logo->setObjectName(ui::arrayName("picLogo", k));
        logo->setPicture({&drawLogoFrame, k});
        // The box is sized to its picture: 121 pixels inside a sunken border.
        const int side = 121 + 2 * ui::PictureBox::kSunkenBorderWidth;
        logo->setGeometry(QRect(toPixels({375, 600, 0, 0}).topLeft(), QSize(side, side)));
        logo->setVisible(k == 0);
        picLogo_[k] = logo;
    }
    buildLabels(frame);
    // Centred on the screen; a frameless window gets no place from a window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Timer1.setInterval(kTickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1.start();
    traceFirstPaint(this);
}

void frmSplash::buildLabels(QFrame* frame) {
    auto* product = addLabel(frame, "lblProductName", QStringLiteral("Tenebrix 1.01"),
                             {2520, 480, 4155, 765}, splashFont(32.25, true));
    sizeToText(product);
    auto* platformLabel = addLabel(frame, "lblPlatform", QStringLiteral("for Windows '95"),
                                   {2520, 1200, 2415, 360}, splashFont(15.75, true));
    platformLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sizeToText(platformLabel);
    addLabel(frame, "lblCopyright", QString::fromUtf8(kCopyrightLine), {2520, 1800, 3015, 255},
             splashFont(8.25, false));
    addLabel(frame, "lblCompany", QString::fromUtf8(kWebAddress), {2520, 2040, 3015, 255},
             splashFont(8.25, false))
        ->setTextFormat(Qt::PlainText);
    const QRect line = toPixels({360, 2640, 7320 - 360, 0});
    auto* line2 = new SeparatorLine(line.left(), line.right(), line.top(), 1,
                                    palette().color(QPalette::Window), frame);
    line2->setObjectName(QStringLiteral("Line2"));
    auto* line1 =
        new SeparatorLine(line.left(), line.right(), line.top(), 2, QColor(128, 128, 128), frame);
    line1->setObjectName(QStringLiteral("Line1"));
    auto* warning = addLabel(frame, "lblWarning", QString::fromUtf8(kLegalNotice),
                             {480, 2760, 5895, 855}, splashFont(8.25, false));
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int frmSplash::visibleLogoFrame() const {
    int shown = -1;
    for (int k = 0; k < kLogoFrames; ++k) {
        if (picLogo_[k]->isVisibleTo(this)) {
            if (shown != -1) return -1;
            shown = k;
        }
    }
    return shown;
}

void frmSplash::Timer1_Timer() {
    const int tick = ticks_;
    if (tick >= 1 && tick <= kLogoFrames - 1) stepLogo(tick - 1, tick);
    if (tick == kLogoFrames) {
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
