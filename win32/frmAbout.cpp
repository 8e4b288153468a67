// SPDX-License-Identifier: GPL-3.0-or-later
// The About box as a dialog with its controls placed in twips, and its
// modal loop, which gives the keys to the box's rules before the dialog
// manager sees them.
#include "frmAbout.h"

#include <cstring>
#include <vector>

#include "AboutForm.h"
#include "Captions.h"
#include "ControlIds.h"
#include "Controls.h"
#include "Dpi.h"
#include "NativeEvents.h"
#include "ProgramIcons.h"
#include "WideText.h"
#include "WindowParts.h"

namespace tenebrix::win32 {

namespace about = forms::frmAbout;
using forms::Control;

namespace {

frmAbout* openAbout = nullptr;

// Windows 10 scales a dialog by itself when its density changes; this one
// places its controls in twips itself, so the system's scaling is turned
// off where the system has it.
void keepDialogScalingOwn(HWND dialog) {
    using SetBehaviour =
        BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    const auto set = reinterpret_cast<SetBehaviour>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
    if (set) set(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

void paintDialog(HWND dialog, Dpi dpi) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    paintDrawnRows(dc, kAboutIds, dpi);
    EndPaint(dialog, &paint);
}

// An empty dialog with a title; Form_Load makes the controls.
std::vector<DWORD> dialogTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    for (const wchar_t c : widen(ui::windowTitle(about::kCaption)))
        words.push_back(static_cast<WORD>(c));
    words.push_back(0);
    std::vector<DWORD> aligned((words.size() + 1) / 2, 0);
    std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    return aligned;
}

}  // namespace

frmAbout::frmAbout(Services& services)
    : services_(services), layer_(*this, services.registry, services.launcher) {}

void frmAbout::ShowModal(HINSTANCE instance, HWND owner, Services& services) {
    registerControlClasses(instance);
    frmAbout box(services);
    const auto layout = dialogTemplate();
    EnableWindow(owner, FALSE);
    CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                               dialogProc, reinterpret_cast<LPARAM>(&box));
    if (box.dialog_) {
        ShowWindow(box.dialog_, SW_SHOWNORMAL);
        box.runModalLoop();
    }
    // The owner takes its input back before the box goes, so it, not some
    // other program's window, is the one activated.
    EnableWindow(owner, TRUE);
    if (box.dialog_) DestroyWindow(box.dialog_);
}

HWND frmAbout::openWindow() {
    return openAbout ? openAbout->dialog_ : nullptr;
}

void frmAbout::CloseOpen() {
    if (!openAbout) return;
    openAbout->closeBox();
    // Wakes the box's loop should it be waiting.
    PostMessageW(openAbout->dialog_, WM_NULL, 0, 0);
}

// Each opening loads afresh: the controls, centred over the owner, then
// the box's texts.
void frmAbout::Form_Load() {
    keepDialogScalingOwn(dialog_);
    createControls(dialog_, kAboutIds);
    RECT owner;
    GetWindowRect(GetWindow(dialog_, GW_OWNER), &owner);
    placeAt(dpiOf(dialog_), owner);
    for (const Control& row : about::kControls) {
        if (row.isDefault) SendMessageW(dialog_, DM_SETDEFID, kAboutIds.id(row), 0);
    }
    layer_.Form_Load();
    setFocus(about::control(about::kFocusAtStart));
}

void frmAbout::placeAt(Dpi dpi, const RECT& area) {
    dpi_ = dpi;
    placeClientCentred(dialog_, {dpi.px(about::kWidth), dpi.px(about::kHeight)}, area, dpi);
    placeControls(dialog_, kAboutIds, dpi, fonts_);
    setWindowIcons(dialog_, dpi);
    InvalidateRect(dialog_, nullptr, TRUE);
}

// Until the box closes or goes with its owner. A request to end the
// program is passed on to the loop outside.
void frmAbout::runModalLoop() {
    MSG message;
    while (!closing_ && dialog_) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (routeKeyboard(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// As the main window's: the box's rules first, characters never to the
// dialog manager, the rest (Tab, arrows between the buttons) to it.
bool frmAbout::routeKeyboard(MSG& message) {
    if (message.hwnd != dialog_ && !IsChild(dialog_, message.hwnd)) return false;
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_SYSCHAR: {
            const KeyOutcome outcome = offerKey(message, [&](const ui::KeyPress& key) {
                return layer_.keyDown(key, focusedControl());
            });
            if (outcome != KeyOutcome::Untouched) return true;
            if (message.message == WM_SYSCHAR) return false;
            break;
        }
        case WM_CHAR:
            return false;
        default:
            break;
    }
    return IsDialogMessageW(dialog_, &message);
}

INT_PTR CALLBACK frmAbout::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<frmAbout*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            box = reinterpret_cast<frmAbout*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            box->dialog_ = dialog;
            openAbout = box;
            box->Form_Load();
            return FALSE;  // the focus is set
        case WM_PAINT:
            paintDialog(dialog, box ? box->dpi_ : dpiOf(dialog));
            return TRUE;
        // On a screen of another density: its size there, where the system
        // suggests, its controls placed again.
        case WM_DPICHANGED:
            if (box) box->placeAt(dpiOfMessage(wParam, dialog), *reinterpret_cast<RECT*>(lParam));
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
            return TRUE;
        case WM_COMMAND:
            if (box) box->onCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NCDESTROY:
            if (box) box->dialog_ = nullptr;
            if (openAbout == box) openAbout = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

// A button clicked, or the title bar's close box, which the dialog manager
// sends as the cancel button's number.
void frmAbout::onCommand(int id, int notification) {
    if (id == IDCANCEL) {
        for (const Control& row : about::kControls) {
            if (row.isCancel) layer_.buttonClicked(row);
        }
        return;
    }
    const Control* row = kAboutIds.row(id);
    if (row && row->kind == forms::ControlKind::Button && notification == BN_CLICKED)
        layer_.buttonClicked(*row);
}

void frmAbout::setCaption(const Control& label, const std::string& text) {
    SetWindowTextW(GetDlgItem(dialog_, kAboutIds.id(label)), widen(text).c_str());
}

// Over the About box: a message owned by the main window would give the
// main window its input back on closing.
MessageAnswer frmAbout::showMessage(const Message& message) {
    return services_.messages.show(dialog_, message);
}

const Control* frmAbout::focusedControl() const {
    HWND focus = GetFocus();
    if (!dialog_ || !focus || !IsChild(dialog_, focus)) return nullptr;
    return kAboutIds.row(GetDlgCtrlID(focus));
}

void frmAbout::setFocus(const Control& control) {
    if (dialog_) SetFocus(GetDlgItem(dialog_, kAboutIds.id(control)));
}

void frmAbout::closeBox() {
    closing_ = true;
}

}  // namespace tenebrix::win32
