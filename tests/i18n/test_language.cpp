// SPDX-License-Identifier: GPL-3.0-or-later
// Which catalogue speaks the player's language, from the way each system
// names languages, and gettext's rules for the POSIX environment.
#include <QtTest>
#include <map>
#include <string>
#include <vector>

#include "Language.h"

using namespace tenebrix::i18n;
using Strings = std::vector<std::string>;

namespace {

const Strings kAvailable{"de", "fr", "pt_BR", "zh_CN", "en@pseudo", "sr@latin"};

std::string chosen(const Strings& preferred) {
    return chooseCatalogue(preferred, kAvailable).value_or("English");
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void names() {
        QCOMPARE(normalisedLanguage("de-DE"), std::string("de_DE"));
        QCOMPARE(normalisedLanguage("pt-br"), std::string("pt_BR"));
        QCOMPARE(normalisedLanguage("de_DE.UTF-8@euro"), std::string("de_DE@euro"));
        QCOMPARE(normalisedLanguage("zh-Hans-CN"), std::string("zh_HANS_CN"));
        QCOMPARE(normalisedLanguage("EN"), std::string("en"));
    }

    void choice() {
        QCOMPARE(chosen({"de_DE.UTF-8"}), std::string("de"));
        QCOMPARE(chosen({"de-AT", "fr"}), std::string("de"));
        QCOMPARE(chosen({"pt-BR"}), std::string("pt_BR"));
        QCOMPARE(chosen({"pt_PT"}), std::string("English"));  // no European Portuguese
        QCOMPARE(chosen({"pt_PT", "fr_CA"}), std::string("fr"));
        QCOMPARE(chosen({"zh_CN.GB2312"}), std::string("zh_CN"));
        QCOMPARE(chosen({"sr_RS@latin"}), std::string("sr@latin"));
        QCOMPARE(chosen({"en@pseudo"}), std::string("en@pseudo"));
        // English asked for first wins over a later language with a catalogue.
        QCOMPARE(chosen({"en_GB", "de"}), std::string("English"));
        QCOMPARE(chosen({"en-US", "de"}), std::string("English"));
        QCOMPARE(chosen({"xx", "tlh", "de"}), std::string("de"));
        QCOMPARE(chosen({"C"}), std::string("English"));
        QCOMPARE(chosen({"POSIX", "de"}), std::string("English"));
        QCOMPARE(chosen({}), std::string("English"));
        QCOMPARE(chosen({"", "de"}), std::string("English"));
    }

    // gettext's order: LC_ALL, LC_MESSAGES, LANG name the locale; LANGUAGE
    // lists languages before it, unless the locale is C.
    void posixEnvironment() {
        const auto languages = [](std::map<std::string, std::string> environment) {
            return posixPreferredLanguages([&](const char* name) -> std::optional<std::string> {
                const auto found = environment.find(name);
                if (found == environment.end()) return std::nullopt;
                return found->second;
            });
        };
        QCOMPARE(languages({{"LANG", "de_DE.UTF-8"}}), (Strings{"de_DE.UTF-8"}));
        QCOMPARE(languages({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}),
                 (Strings{"fr_FR.UTF-8"}));
        QCOMPARE(languages({{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "de"}}),
                 (Strings{"ja_JP.UTF-8"}));
        QCOMPARE(languages({{"LANGUAGE", "nl:de"}, {"LANG", "fr_FR.UTF-8"}}),
                 (Strings{"nl", "de", "fr_FR.UTF-8"}));
        QCOMPARE(languages({{"LANGUAGE", "nl::de:"}, {"LANG", "fr_FR"}}),
                 (Strings{"nl", "de", "fr_FR"}));
        QCOMPARE(languages({{"LANGUAGE", "de"}, {"LANG", "C"}}), Strings{});
        QCOMPARE(languages({{"LANGUAGE", "de"}, {"LC_ALL", "POSIX"}, {"LANG", "fr_FR"}}),
                 Strings{});
        // As gettext does: only the bare C locale turns LANGUAGE off.
        QCOMPARE(languages({{"LANGUAGE", "de"}, {"LC_ALL", "C.UTF-8"}}),
                 (Strings{"de", "C.UTF-8"}));
        QCOMPARE(languages({{"LANGUAGE", "de"}}), Strings{});
        QCOMPARE(languages({{"LC_ALL", ""}, {"LANG", "de_DE"}}), (Strings{"de_DE"}));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "test_language.moc"
