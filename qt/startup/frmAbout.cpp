// SPDX-License-Identifier: GPL-3.0-or-later
// The About box.
#include "frmAbout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "AboutForm.h"
#include "Captions.h"
#include "GameFonts.h"
#include "MessageBoxPresenter.h"
#include "PictureImages.h"
#include "QtForms.h"
#include "QtKeys.h"
#include "WindowKeys.h"

namespace tenebrix::startup {

namespace form = forms::frmAbout;

// Its captions are centred up and down in their labels.
frmAbout::frmAbout(platform::Registry& registry, platform::Launcher& launcher,
                   qt::MessageBoxPresenter& messages, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      messages_(messages),
      about_(*this, registry, launcher) {
    setObjectName(QLatin1String(form::kName));
    setWindowTitle(QString::fromStdString(ui::windowTitle(form::kCaption)));
    setWindowIcon(qt::programIcon());
    setFont(qt::formFont());
    setFixedSize(qt::toPixels({0, 0, form::kWidth, form::kHeight}).size());
    setModal(true);
    controls_.emplace(form::kControls, this, qt::FormLook{Qt::AlignVCenter});
    for (const forms::Control& row : form::kControls) {
        if (row.kind != forms::ControlKind::Button) continue;
        connect(controls_->widget<QPushButton>(row), &QPushButton::clicked, this,
                [this, &row] { about_.buttonClicked(row); });
    }
    if (const forms::Control* first = controls_->find(form::kFocusAtStart))
        controls_->widget(*first)->setFocus(Qt::OtherFocusReason);
    about_.Form_Load();
}

// The box's keys are its rules' to decide: they are taken from Qt's own
// shortcuts and reach keyPressEvent, from the button in focus, which passes
// on Enter and the access keys.
bool frmAbout::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (ui::aboutBoxKey(qt::keyPressOf(*key), focusedControl()).kind !=
            ui::WindowKeyAction::Kind::None) {
            event->accept();
            return true;
        }
    }
    return QDialog::event(event);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (about_.keyDown(qt::keyPressOf(*event), focusedControl())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::setCaption(const forms::Control& label, const std::string& text) {
    if (auto* shown = controls_->widget<QLabel>(label))
        shown->setText(QString::fromStdString(text));
}

// Modal over the About box, which stays open.
MessageAnswer frmAbout::showMessage(const Message& message) {
    return messages_.present(this, message);
}

const forms::Control* frmAbout::focusedControl() const {
    return controls_->row(focusWidget());
}

void frmAbout::setFocus(const forms::Control& control) {
    if (QWidget* widget = controls_->widget(control)) widget->setFocus(Qt::OtherFocusReason);
}

void frmAbout::closeBox() {
    accept();
}

void frmAbout::mnuHelpAbout_Click(platform::Registry& registry, platform::Launcher& launcher,
                                  qt::MessageBoxPresenter& messages, QWidget* owner) {
    frmAbout about(registry, launcher, messages, owner);
    // Centred over the game window, frame and all. Made first, so the box
    // knows its frame where the platform tells it before the box shows.
    if (owner) {
        about.create();
        const QRect outer(QPoint(), about.frameGeometry().size());
        about.move(owner->frameGeometry().center() - outer.center());
    }
    about.exec();
}

}  // namespace tenebrix::startup
