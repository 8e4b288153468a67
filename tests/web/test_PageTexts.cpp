// SPDX-License-Identifier: GPL-3.0-or-later
// The page in the player's language: every text the markup carries in
// English written again through the catalogue, access keys underlined in
// any script; which catalogue and which help page the page fetches.
#include <doctest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "MainMenuForm.h"
#include "MainWindowControls.h"
#include "PageTexts.h"
#include "RecordingPage.h"
#include "Translate.h"

using namespace tenebrix;
using tenebrix::testing::RecordingPage;

namespace {

// The build's compiled catalogue of `language`, in use until the end of
// the test.
struct UsingCatalogue {
    explicit UsingCatalogue(const std::string& language) {
        std::ifstream file(
            std::string(TENEBRIX_LOCALE_DIR) + "/" + language + "/LC_MESSAGES/tenebrix.mo",
            std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        REQUIRE(!bytes.empty());
        i18n::useCatalogue(i18n::Catalogue::fromMo(bytes));
        REQUIRE(!i18n::catalogue().empty());
    }
    ~UsingCatalogue() { i18n::useCatalogue({}); }
};

}  // namespace

TEST_CASE("page texts in English are the markup's own") {
    RecordingPage page;
    web::showPageTexts(page);
    CHECK(page.documentLanguage == "en");
    CHECK(page.documentTitle == "Tenebrix");
    CHECK(page.caption["cmdNewPuzzle"] == "[N]ew Puzzle");
    CHECK(page.attribute["cmdNewPuzzle aria-keyshortcuts"] == "Alt+N");
    CHECK(page.caption["mnuFileExit.caption"] == "E[x]it");
    CHECK(page.caption["mnuHint.shortcut"] == "Ctrl+H");
    CHECK(page.caption["mnuFileExit.shortcut"].empty());
    CHECK(page.caption["msgYes"] == "[Y]es");
    CHECK(page.accessibleName["picTile(7)"] == "Tile 7, dark");
}

TEST_CASE("page texts in German and Russian, the access key in the translation's own letter") {
    {
        const UsingCatalogue german("de");
        RecordingPage page;
        web::showPageTexts(page);
        CHECK(page.documentLanguage == "de");
        CHECK(page.caption["cmdNewPuzzle"] == "[N]eues Rätsel");
        CHECK(page.caption["mnuHint.shortcut"] == "Strg+H");
        CHECK(page.caption["msgNo"] == "[N]ein");
        CHECK(page.accessibleName["picTile(7)"] == "Feld 7, dunkel");
        CHECK(page.attribute["Frame1 aria-label"] == "Rätsel-Einstellungen");
        CHECK(page.attribute["cmdSysInfo aria-keyshortcuts"] == "Alt+S");
    }
    const UsingCatalogue russian("ru");
    RecordingPage page;
    web::showPageTexts(page);
    CHECK(page.documentLanguage == "ru");
    CHECK(page.caption["mnuFile"] == "[Ф]айл");
    CHECK(page.caption["cmdNewPuzzle"] == "[Н]овая игра");
    CHECK(page.attribute["cmdNewPuzzle aria-keyshortcuts"] == "Alt+Н");
    CHECK(page.accessibleName["picTile(7)"] == "Плитка 7, погашена");
}

// The pseudo-language brackets every text it translates: a text without
// brackets was written past the catalogue.
TEST_CASE("in the pseudo-language no caption, name or title bypasses the catalogue") {
    const UsingCatalogue pseudo("en@pseudo");
    RecordingPage page;
    web::showPageTexts(page);
    const auto bracketed = [](const std::string& text) {
        return text.empty() || (text.front() == '[' && text.back() == ']');
    };
    CHECK(bracketed(page.documentTitle));
    std::size_t captions = 0;
    for (const auto& [element, caption] : page.caption) {
        const std::string id = element;
        CAPTURE(id);
        // The key is written between brackets of its own: the ends count.
        CHECK(bracketed(caption));
        captions += caption.empty() ? 0 : 1;
    }
    for (const auto& [element, name] : page.accessibleName) {
        const std::string id = element;
        CAPTURE(id);
        CHECK(bracketed(name));
    }
    for (const auto& [attribute, value] : page.attribute) {
        const std::string key = attribute;
        CAPTURE(key);
        if (key.ends_with("aria-label")) CHECK(bracketed(value));
    }
    // Every menu title and item, the three game buttons, the About box's
    // two, the message box's three, the frame and the notices.
    CHECK(captions >= 3 + 8 + 3 + 2 + 3 + 1 + 1);
    CHECK(bracketed(page.text["frmAbout-caption"]));
    CHECK(bracketed(page.text["playAgain"]));
}

TEST_CASE("which catalogue and which help page the page fetches") {
    const char* available = "de,pt_BR,ru,zh_CN,en@pseudo";
    const struct {
        const char* preferred;
        const char* path;
    } cases[] = {
        {"de-AT,en", "locale/de.mo"},
        {"pt-BR", "locale/pt_BR.mo"},
        {"pt-PT,ru", "locale/ru.mo"},
        {"zh-CN", "locale/zh_CN.mo"},
        {"en-US,de", ""},  // English first: no catalogue
        {"sv,fi", ""},     // none the site has
        {"", ""},
        {",,", ""},
        {"en@pseudo", "locale/en@pseudo.mo"},
    };
    for (const auto& c : cases) {
        CAPTURE(std::string(c.preferred));
        CHECK(web::cataloguePath(c.preferred, available) == c.path);
    }
    CHECK(web::helpPageFor("de", "de,ru", "Tenebrix.html") == "Tenebrix.de.html");
    CHECK(web::helpPageFor("pt_BR", "de,ru", "Tenebrix.html") == "Tenebrix.html");
    CHECK(web::helpPageFor("", "de,ru", "Tenebrix.html") == "Tenebrix.html");
    CHECK(web::helpPageFor("de", "de", "").empty());  // a build without help
    CHECK(web::documentLanguage("pt_BR") == "pt-BR");
    CHECK(web::documentLanguage("en@pseudo") == "en");
    CHECK(web::documentLanguage("") == "en");
}
