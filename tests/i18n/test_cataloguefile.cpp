// SPDX-License-Identifier: GPL-3.0-or-later
// Which compiled catalogue the game loads on a POSIX system, from a made-up
// environment and made-up build and install trees.
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "CatalogueFile.h"

using namespace tenebrix::i18n;
namespace fs = std::filesystem;
using Environment = std::map<std::string, std::string>;

namespace {

void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

fs::path mo(const fs::path& folder, const char* language) {
    return folder / language / "LC_MESSAGES" / "tenebrix.mo";
}

// The chosen file, relative to `root`, or "English".
std::string chosen(const Environment& environment, const std::vector<fs::path>& folders,
                   const fs::path& root) {
    const auto found = findCatalogueFile(
        [&](const char* name) -> std::optional<std::string> {
            const auto it = environment.find(name);
            if (it == environment.end()) return std::nullopt;
            return it->second;
        },
        folders);
    return found ? found->lexically_relative(root).generic_string() : std::string("English");
}

}  // namespace

class CatalogueFileTest : public QObject {
    Q_OBJECT
  private slots:
    // The build tree's catalogues come before the installed ones; each of the
    // player's languages in turn, as gettext takes them.
    void chosenFromTheEnvironment() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const fs::path root = dir.path().toStdString();
        const fs::path built = root / "build/locale", installed = root / "usr/share/locale";
        for (const char* language : {"de", "pt_BR", "sr@latin"}) touch(mo(built, language));
        for (const char* language : {"de", "fr", "ja"}) touch(mo(installed, language));
        fs::create_directories(installed / "ko/LC_MESSAGES/tenebrix.mo");  // a folder, not a file
        touch(mo(installed, "nl").parent_path() / "other.mo");             // another program's
        const std::vector<fs::path> both{built, installed};

        QCOMPARE(chosen({{"LANG", "de_DE.UTF-8"}}, both, root),
                 std::string("build/locale/de/LC_MESSAGES/tenebrix.mo"));
        QCOMPARE(chosen({{"LANG", "de_DE.UTF-8"}}, {installed}, root),
                 std::string("usr/share/locale/de/LC_MESSAGES/tenebrix.mo"));
        QCOMPARE(chosen({{"LC_MESSAGES", "fr_CA.UTF-8"}, {"LANG", "de_DE"}}, both, root),
                 std::string("usr/share/locale/fr/LC_MESSAGES/tenebrix.mo"));
        QCOMPARE(chosen({{"LANGUAGE", "xx:ja:de"}, {"LANG", "de_DE.UTF-8"}}, both, root),
                 std::string("usr/share/locale/ja/LC_MESSAGES/tenebrix.mo"));
        QCOMPARE(chosen({{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "fr_FR"}}, both, root),
                 std::string("build/locale/pt_BR/LC_MESSAGES/tenebrix.mo"));
        QCOMPARE(chosen({{"LANG", "sr_RS.UTF-8@latin"}}, both, root),
                 std::string("build/locale/sr@latin/LC_MESSAGES/tenebrix.mo"));
        // English: asked for first (the language rules' test has the
        // others), or no file that fits.
        QCOMPARE(chosen({{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE"}}, both, root),
                 std::string("English"));
        QCOMPARE(chosen({{"LANG", "ko_KR.UTF-8"}}, both, root), std::string("English"));
        QCOMPARE(chosen({{"LANG", "nl_NL.UTF-8"}}, both, root), std::string("English"));
        QCOMPARE(chosen({{"LANG", "de_DE"}}, {root / "nowhere"}, root), std::string("English"));
        QCOMPARE(chosen({{"LANG", "de_DE"}}, {}, root), std::string("English"));
    }

    // A language's name is never a path out of the catalogue folders.
    void namesAreNotPaths() {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/catalogues-XXXXXX"));
        QVERIFY(dir.isValid());
        const fs::path root = dir.path().toStdString();
        const fs::path locale = root / "locale";
        fs::create_directories(locale);
        touch(mo(root, "evil"));
        touch(mo(locale, "de"));
        const std::string absolute = (root / "evil").string();  // would replace the folder
        for (const std::string& name :
             {std::string("../evil"), std::string(".."), std::string("de/../../evil"),
              std::string("./de"), absolute}) {
            QCOMPARE(chosen({{"LANGUAGE", name}, {"LANG", "fr_FR"}}, {locale}, root),
                     std::string("English"));
        }
        QCOMPARE(chosen({{"LANGUAGE", "de"}, {"LANG", "fr_FR"}}, {locale}, root),
                 std::string("locale/de/LC_MESSAGES/tenebrix.mo"));
    }

    // Run from the build tree, the program looks in the build's locale
    // folder first; installed, only in share/locale beside its folder.
    void foldersForTheProgram() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const fs::path root = dir.path().toStdString();
        touch(root / "build/CMakeCache.txt");
        fs::create_directories(root / "build/locale");
        fs::create_directories(root / "build/qt/startup");
        fs::create_directories(root / "usr/games");
        const fs::path share{"../share/locale"};
        QCOMPARE(catalogueFolders(root / "build/qt/startup", share),
                 (std::vector<fs::path>{root / "build/locale", root / "build/qt/share/locale"}));
        QCOMPARE(catalogueFolders(root / "usr/games", share),
                 (std::vector<fs::path>{root / "usr/share/locale"}));
        QCOMPARE(catalogueFolders(root / "usr/games", "/usr/share/locale"),
                 (std::vector<fs::path>{"/usr/share/locale"}));
        // A build tree without catalogues, or a tree more than three levels up, is not looked in.
        fs::remove(root / "build/locale");
        QCOMPARE(catalogueFolders(root / "build/qt/startup", "/usr/share/locale").size(),
                 std::size_t(1));
        fs::create_directories(root / "build/locale");
        fs::create_directories(root / "build/a/b/c/d");
        QCOMPARE(catalogueFolders(root / "build/a/b/c/d", "/usr/share/locale").size(),
                 std::size_t(1));
        QCOMPARE(catalogueFolders(root / "build/a/b/c", "/usr/share/locale").size(),
                 std::size_t(2));
    }
};

QTEST_GUILESS_MAIN(CatalogueFileTest)
#include "test_cataloguefile.moc"
