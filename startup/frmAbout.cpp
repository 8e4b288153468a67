// SPDX-License-Identifier: GPL-3.0-or-later
// The About box.
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "GameFonts.h"
#include "MessageBoxPresenter.h"
#include "OwnerTexts.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "PlacedControl.h"
#include "SeparatorLine.h"
#include "SystemInfo.h"
#include "Twips.h"
#include "VersionLine.h"

namespace tenebrix::startup {

using namespace forms;

using ui::toPixels;
using ui::TwipRect;

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const TwipRect& place) {
    auto* label = ui::placeControl<QLabel>(parent, QLatin1String(name), place, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPixmap drawAboutPicture(int, qreal ratio) {
    return qt::aboutPicture(ratio);
}

}  // namespace

frmAbout::frmAbout(platform::Registry& registry, platform::Launcher& launcher,
                   ui::MessageBoxPresenter& messages, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      registry_(registry),
      launcher_(launcher),
      messages_(messages) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Tenebrix"));
    setWindowIcon(qt::programIcon());
    setFont(ui::formFont());
    setFixedSize(toPixels({0, 0, 5655, 2850}).size());
    setModal(true);
    buildControls();
    Form_Load();
}

void frmAbout::buildControls() {
    auto* icon = new ui::PictureBox(ui::PictureBox::Border::Sunken, this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPicture({&drawAboutPicture, 0});
    // Sized to its picture: 28 pixels inside a sunken border.
    const int side = 28 + 2 * ui::PictureBox::kSunkenBorderWidth;
    icon->setGeometry(QRect(toPixels({240, 240, 0, 0}).topLeft(), QSize(side, side)));

    addLabel(this, "lblTitle", QString(), {1050, 240, 3885, 240})->setFont(ui::boldCaptionFont());
    addLabel(this, "lblVersion", QString(), {1050, 480, 3885, 225});
    addLabel(this, "lblDescription", QString::fromUtf8(kCopyrightLine), {1050, 840, 3885, 210});
    addLabel(this, "Label1", QString::fromUtf8(kWebAddress), {1080, 1080, 3975, 255});
    // An etched separator: a grey line with a white one just below.
    const QRect grey = toPixels({225, 1350, 5450 - 225, 0});
    new SeparatorLine(grey.left(), grey.right(), grey.top(), 1, QColor(128, 128, 128), this);
    const QRect white = toPixels({240, 1365, 5450 - 240, 0});
    new SeparatorLine(white.left(), white.right(), white.top(), 2, Qt::white, this);
    auto* disclaimer =
        addLabel(this, "lblDisclaimer", QString::fromUtf8(kLegalNotice), {255, 1545, 3870, 1185});
    disclaimer->setWordWrap(true);
    disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // OK is both the default (Enter) and the cancel (Esc) button.
    auto* ok = ui::placeControl<QPushButton>(this, QStringLiteral("cmdOK"), {4245, 1905, 1260, 345},
                                             tr("OK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* sysInfo = ui::placeControl<QPushButton>(this, QStringLiteral("cmdSysInfo"),
                                                  {4260, 2355, 1245, 345}, tr("&System Info..."));
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    setTabOrder(ok, sysInfo);
}

void frmAbout::Form_Load() {
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(QString::fromStdString(VersionLine(kProgramVersion)));
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(QStringLiteral("Tenebrix"));
}

// The failure message is modal over the About box, which stays open.
void frmAbout::cmdSysInfo_Click() {
    if (const auto message = platform::StartSysInfo(registry_, launcher_)) {
        messages_.present(this, *message);
    }
}

void frmAbout::mnuHelpAbout_Click(platform::Registry& registry, platform::Launcher& launcher,
                                  ui::MessageBoxPresenter& messages, QWidget* owner) {
    frmAbout about(registry, launcher, messages, owner);
    // Centred over the game window.
    if (owner) about.move(owner->frameGeometry().center() - about.rect().center());
    about.exec();
}

}  // namespace tenebrix::startup
