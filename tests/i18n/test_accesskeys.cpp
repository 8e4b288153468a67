// SPDX-License-Identifier: GPL-3.0-or-later
// Every language's access keys, from its compiled catalogue: within one
// window (the game window's buttons and menu titles, each menu's items, the
// About box's buttons, a Yes/No box's answers) no two captions share a key,
// and no caption loses the key it has in English.
#include <QtTest>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AboutControls.h"
#include "AccessKey.h"
#include "Captions.h"
#include "MainWindowControls.h"
#include "Translate.h"
#include "WindowKeys.h"

using namespace tenebrix;

namespace {

// One caption of a window as the player sees it, and its key.
struct Caption {
    std::string text;
    char32_t key = 0;
};
struct Window {
    std::string name;
    std::vector<Caption> captions;
};

Caption shown(std::string text) {
    const char32_t key = forms::accessKeyCharacter(text);
    return {std::move(text), key};
}

template <typename Table>
void addButtons(Window& window, const Table& table) {
    for (const forms::Control& control : table) {
        if (control.kind == forms::ControlKind::Button)
            window.captions.push_back(shown(ui::captionOf(control)));
    }
}

// The windows as the player sees them in the catalogue now in use.
std::vector<Window> windows() {
    std::vector<Window> all;
    Window main{"the game window", {}};
    addButtons(main, forms::frmMain::kControls);
    for (const forms::Menu& menu : forms::kMainMenu)
        main.captions.push_back(shown(ui::captionOf(menu)));
    all.push_back(main);
    for (const forms::Menu& menu : forms::kMainMenu) {
        Window items{std::string("the menu ") + menu.name, {}};
        for (const forms::MenuItem& item : menu.items) {
            if (!item.isSeparator()) items.captions.push_back(shown(ui::captionOf(item)));
        }
        all.push_back(items);
    }
    Window about{"the About box", {}};
    addButtons(about, forms::frmAbout::kControls);
    all.push_back(about);
    // A Yes/No box answers to its buttons' first letters.
    Window yesNo{"a Yes/No box", {}};
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No})
        yesNo.captions.push_back({ui::answerCaption(answer), ui::answerKey(answer)});
    all.push_back(yesNo);
    return all;
}

// What is wrong with the keys of `window` in `language`, against the same
// window in English; empty when nothing. The pseudo-language keeps
// English's letters, so it may share a key where English does (Hint and
// Help, the button winning); no real language may.
std::vector<std::string> problems(const Window& window, const Window& english,
                                  const std::string& language) {
    std::vector<std::string> found;
    const std::vector<Caption>& captions = window.captions;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const Caption& caption = captions[i];
        if (english.captions[i].key != 0 && caption.key == 0)
            found.push_back("\"" + caption.text + "\" has lost the access key of \"" +
                            english.captions[i].text + "\"");
        if (caption.key == 0xFFFD)
            found.push_back("\"" + caption.text + "\" marks a broken character as its key");
        for (std::size_t j = i + 1; j < captions.size(); ++j) {
            if (caption.key == 0 || caption.key != captions[j].key) continue;
            if (language == "en@pseudo" && english.captions[i].key == english.captions[j].key)
                continue;
            found.push_back("\"" + caption.text + "\" and \"" + captions[j].text +
                            "\" share the key " + forms::utf8(caption.key));
        }
    }
    return found;
}

i18n::Catalogue load(const std::string& language) {
    const std::string path =
        std::string(TENEBRIX_LOCALE_DIR) + "/" + language + "/LC_MESSAGES/tenebrix.mo";
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    return i18n::Catalogue::fromMo(bytes);
}

}  // namespace

class AccessKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { i18n::useCatalogue({}); }

    void uniquePerWindow_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : QString(TENEBRIX_TEST_LANGUAGES).split(';'))
            QTest::newRow(language.toUtf8().constData()) << language;
    }
    void uniquePerWindow() {
        QFETCH(QString, language);
        const std::vector<Window> english = windows();
        const i18n::Catalogue catalogue = load(language.toStdString());
        QVERIFY2(catalogue.valid() && !catalogue.empty(), "the compiled catalogue is missing");
        i18n::useCatalogue(catalogue);
        const std::vector<Window> translated = windows();
        std::string report;
        for (std::size_t w = 0; w < translated.size(); ++w) {
            for (const std::string& problem :
                 problems(translated[w], english[w], language.toStdString()))
                report += "\n  in " + translated[w].name + ": " + problem;
        }
        QVERIFY2(report.empty(), report.c_str());
    }

    // The check itself: English shares H between Hint and Help, which only
    // the pseudo-language may copy; a caption without '&' has lost its key;
    // Ф and ф are one key.
    void theCheckFindsClashes() {
        const Window english = windows().front();
        QVERIFY(problems(english, english, "en@pseudo").empty());
        QCOMPARE(problems(english, english, "de").size(), std::size_t(1));
        const Window two{"a window", {shown("&Hint"), shown("&File")}};
        const Window lost{"a window", {shown("Hinweis"), shown("&Datei")}};
        QCOMPARE(problems(lost, two, "de").size(), std::size_t(1));
        const Window cyrillic{"a window",
                              {shown("&\u0424\u0430\u0439\u043b"), shown("\u0444&\u0444")}};
        QCOMPARE(problems(cyrillic, two, "ru").size(), std::size_t(1));
        QVERIFY(problems(two, two, "ru").empty());
    }
};

QTEST_GUILESS_MAIN(AccessKeysTest)
#include "test_accesskeys.moc"
