// SPDX-License-Identifier: GPL-3.0-or-later
// The About box.
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "AboutForm.h"
#include "GameFonts.h"
#include "MessageBoxPresenter.h"
#include "PictureBox.h"
#include "PictureImages.h"
#include "PlacedControl.h"
#include "PlacedLabel.h"
#include "QtForms.h"
#include "SeparatorLine.h"
#include "SystemInfo.h"
#include "TabOrder.h"
#include "VersionLine.h"

namespace tenebrix::startup {

namespace form = forms::frmAbout;

namespace {

QPixmap drawAboutPicture(int, qreal ratio) {
    return qt::aboutPicture(ratio);
}

QLabel* addLabel(QWidget* parent, const form::Label& label) {
    // A word-wrapped caption starts at the top left.
    const Qt::Alignment alignment =
        label.wordWrap ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter;
    return qt::placeLabel(
        parent, QLatin1String(label.name), label.place, QString::fromUtf8(label.caption),
        {label.bold ? qt::boldCaptionFont() : qt::formFont(), alignment, label.wordWrap});
}

QPushButton* addButton(QWidget* parent, const form::Button& button) {
    return qt::placeControl<QPushButton>(parent, QLatin1String(button.name), button.place,
                                         frmAbout::tr(button.caption));
}

}  // namespace

frmAbout::frmAbout(platform::Registry& registry, platform::Launcher& launcher,
                   qt::MessageBoxPresenter& messages, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      registry_(registry),
      launcher_(launcher),
      messages_(messages) {
    setObjectName(QLatin1String(form::kName));
    setWindowTitle(tr(form::kCaption));
    setWindowIcon(qt::programIcon());
    setFont(qt::formFont());
    setFixedSize(qt::toPixels({0, 0, form::kWidth, form::kHeight}).size());
    setModal(true);
    buildControls();
    Form_Load();
}

void frmAbout::buildControls() {
    auto* icon = new qt::PictureBox(qt::PictureBox::Border::Sunken, this);
    icon->setObjectName(QLatin1String(form::kIconName));
    icon->setPicture({&drawAboutPicture, 0});
    // Sized to its picture, inside a sunken border.
    const int side = form::kIconPicturePixels + 2 * qt::PictureBox::kSunkenBorderWidth;
    const QRect place = qt::toPixels({form::kIconLeft, form::kIconTop, 0, 0});
    icon->setGeometry(QRect(place.topLeft(), QSize(side, side)));

    for (const form::Label& label : form::kLabels) addLabel(this, label);
    for (const forms::SeparatorLine& line : form::kLines) new SeparatorLine(line, this);

    // OK is both the default (Enter) and the cancel (Esc) button.
    auto* ok = addButton(this, form::cmdOK);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* sysInfo = addButton(this, form::cmdSysInfo);
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    qt::setTabOrder(this, form::kTabOrder);
}

// The title and the version line are written as the box loads.
void frmAbout::Form_Load() {
    findChild<QLabel*>(QLatin1String(form::lblVersion.name))
        ->setText(QString::fromStdString(forms::VersionLine(forms::kProgramVersion)));
    findChild<QLabel*>(QLatin1String(form::lblTitle.name))->setText(QLatin1String(form::kTitle));
}

// The failure message is modal over the About box, which stays open.
void frmAbout::cmdSysInfo_Click() {
    if (const auto message = platform::StartSysInfo(registry_, launcher_)) {
        messages_.present(this, *message);
    }
}

void frmAbout::mnuHelpAbout_Click(platform::Registry& registry, platform::Launcher& launcher,
                                  qt::MessageBoxPresenter& messages, QWidget* owner) {
    frmAbout about(registry, launcher, messages, owner);
    // Centred over the game window.
    if (owner) about.move(owner->frameGeometry().center() - about.rect().center());
    about.exec();
}

}  // namespace tenebrix::startup
