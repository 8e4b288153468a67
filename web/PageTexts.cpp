// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the page, through the catalogue in use.
#include "PageTexts.h"

#include <span>
#include <vector>

#include "AboutForm.h"
#include "Captions.h"
#include "ControlNames.h"
#include "Language.h"
#include "MainMenuForm.h"
#include "MainWindowForm.h"
#include "Markup.h"
#include "MessageBox.h"
#include "Page.h"
#include "PageNotices.h"
#include "SplashForm.h"
#include "Translate.h"
#include "WindowKeys.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;
using forms::Control;
using forms::ControlKind;

namespace {

std::vector<std::string> splitList(std::string_view list) {
    std::vector<std::string> items;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        if (!item.empty()) items.emplace_back(item);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return items;
}

void showCaption(Page& page, const std::string& id, const std::string& part,
                 const std::string& caption) {
    const CaptionParts parts = captionParts(caption);
    page.setCaption(id, part, parts.before, parts.key, parts.after);
}

// A button's caption, and the key a screen reader announces for it.
void showButton(Page& page, const std::string& id, const std::string& caption) {
    showCaption(page, id, "", caption);
    const std::string key = accessKey(caption);
    page.setAttribute(id, "", "aria-keyshortcuts", key.empty() ? "" : "Alt+" + key);
}

void showControlTexts(Page& page, std::span<const Control> table) {
    for (const Control& control : table) {
        const std::string id = control.fullName();
        if (control.boardTile) {
            page.setAccessibleName(id, ui::tileName(control.index, false));
            continue;
        }
        if (control.accessibleName[0] != '\0')
            page.setAccessibleName(id, ui::accessibleNameOf(control));
        switch (control.kind) {
            case ControlKind::Label: {
                // Only a label the catalogue translates: the others are
                // numbers and texts the game writes when it loads.
                const std::string caption = ui::captionOf(control);
                if (caption != control.caption) page.setText(id, caption);
                break;
            }
            case ControlKind::Button:
                showButton(page, id, ui::captionOf(control));
                break;
            case ControlKind::Frame:
                if (control.caption[0] != '\0') {
                    const std::string caption = captionText(ui::captionOf(control));
                    page.setCaption(id, ".frame-caption", caption, "", "");
                    page.setAttribute(id, "", "aria-label", caption);
                }
                break;
            case ControlKind::StatusBar:
                page.setText(forms::arrayName(frm::kStatusPanelName, frm::kTextPanel),
                             i18n::tr(frm::kStatusText));
                break;
            default:
                break;
        }
    }
}

void showMenuTexts(Page& page) {
    page.setAttribute(frm::kName, ".menubar", "aria-label", menuBarName());
    for (const forms::Menu& menu : forms::kMainMenu) {
        showCaption(page, menu.name, "", ui::captionOf(menu));
        for (const forms::MenuItem& item : menu.items) {
            if (item.isSeparator()) continue;
            showCaption(page, item.name, ".caption", ui::captionOf(item));
            page.setCaption(item.name, ".shortcut", ui::shortcutOf(item), "", "");
        }
    }
}

// The box's buttons, the key each answers to underlined: the one the
// caption marks, else its first letter.
void showAnswer(Page& page, const char* id, MessageAnswer answer) {
    const std::string caption = ui::answerCaption(answer);
    if (answer == MessageAnswer::Ok || caption.find('&') != std::string::npos) {
        showCaption(page, id, "", caption);
        return;
    }
    const char32_t key = ui::answerKey(answer);
    for (std::size_t at = 0; at < caption.size();) {
        const std::size_t from = at;
        if (forms::foldedKey(forms::nextCodePoint(caption, at)) == key) {
            page.setCaption(id, "", caption.substr(0, from), caption.substr(from, at - from),
                            caption.substr(at));
            return;
        }
    }
    showCaption(page, id, "", caption);
}

}  // namespace

void showPageTexts(Page& page) {
    page.setDocument(documentLanguage(i18n::catalogue().language()), i18n::tr(frm::kCaption));

    page.setAttribute(forms::frmSplash::kName, "", "aria-label",
                      ui::windowTitle(forms::frmSplash::kCaption));
    showControlTexts(page, forms::frmSplash::kControls);

    page.setAttribute(frm::kName, "", "aria-label", ui::windowTitle(frm::kCaption));
    showMenuTexts(page);
    showControlTexts(page, frm::kControls);

    namespace about = forms::frmAbout;
    page.setText(std::string(about::kName) + "-caption", ui::windowTitle(about::kCaption));
    page.setAttribute(about::kName, ".closebox", "aria-label", closeBoxName());
    showControlTexts(page, about::kControls);

    showAnswer(page, kMessageOkId, MessageAnswer::Ok);
    showAnswer(page, kMessageYesId, MessageAnswer::Yes);
    showAnswer(page, kMessageNoId, MessageAnswer::No);
    page.setAttribute("msgIcon", "", "aria-label", informationIconName());

    page.setText(kNoProgramId, noProgramNotice());
    page.setCaption(kEndedId, "p", endedNotice(), "", "");
    page.setText(kPlayAgainId, playAgainCaption());
}

std::string documentLanguage(std::string_view catalogueName) {
    std::string tag(catalogueName.substr(0, catalogueName.find('@')));
    for (char& c : tag) {
        if (c == '_') c = '-';
    }
    return tag.empty() ? "en" : tag;
}

std::string cataloguePath(std::string_view preferred, std::string_view available) {
    const std::vector<std::string> languages = splitList(preferred);
    const std::vector<std::string> catalogues = splitList(available);
    const auto chosen = i18n::chooseCatalogue(languages, catalogues);
    return chosen ? "locale/" + *chosen + ".mo" : std::string();
}

std::string helpPageFor(std::string_view catalogueName, std::string_view translated,
                        const std::string& english) {
    if (english.empty() || catalogueName.empty()) return english;
    for (const std::string& language : splitList(translated)) {
        if (language != catalogueName) continue;
        const std::size_t dot = english.rfind('.');
        return english.substr(0, dot) + "." + language + english.substr(dot);
    }
    return english;
}

}  // namespace tenebrix::web
