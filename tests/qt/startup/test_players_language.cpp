// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language: the catalogue chosen at start from the
// environment, every text the windows show looked up in it (the
// pseudo-language shows any that is not), access keys of any script, the
// help page in the player's language, and the status bar's date and the
// decimal separator in the player's locale. The process runs with German
// date and number formats (main, below) and messages in English.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <map>

#include "AccessKey.h"
#include "Captions.h"
#include "CommandLine.h"
#include "DesktopRegistry.h"
#include "HelpFile.h"
#include "HelpWindow.h"
#include "MainWindowControls.h"
#include "MainWindowFixture.h"
#include "MainWindowForm.h"
#include "OwnerTexts.h"
#include "PlayersLanguage.h"
#include "ProcessLauncher.h"
#include "QtKeys.h"
#include "QtLocalClock.h"
#include "Translate.h"
#include "WindowKeys.h"
#include "frmAbout.h"
#include "frmSplash.h"

using namespace tenebrix;
using namespace tenebrix::testing;
namespace fs = std::filesystem;

namespace {

const fs::path kBuildDir = TENEBRIX_BUILD_DIR;

startup::Environment environmentOf(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

// The game in `language`, as the build tree's program would load it.
void speak(const std::string& language) {
    const auto loaded = startup::loadPlayersCatalogue(
        environmentOf({{"LANGUAGE", language}, {"LANG", "en_US.UTF-8"}}), kBuildDir);
    QVERIFY2(loaded == language, language.c_str());
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A text that reached the player without the catalogue: the pseudo-language
// brackets every line it translates.
bool bypassesCatalogue(QString text) {
    text.remove(u'&');
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!text.contains(letter)) return false;  // numbers, blanks
    for (const QString& line : text.split(u'\n')) {
        if (line.trimmed().contains(letter) && !line.trimmed().startsWith(u'[')) return true;
    }
    return false;
}

// Alt (or nothing) and the key that types `character` (lower case) in the
// player's layout, as the window system sends it: Qt's key code is the
// character's capital.
void typeKey(QWidget* to, char32_t character, Qt::KeyboardModifiers held) {
    const QString text = QString::fromUcs4(&character, 1);
    const auto code = static_cast<Qt::Key>(text.toUpper().at(0).unicode());
    QTest::sendKeyEvent(QTest::Press, to, code, text, held);
    QTest::sendKeyEvent(QTest::Release, to, code, text, held);
}

char32_t lowerCase(char32_t key) {
    return QString::fromUcs4(&key, 1).toLower().toUcs4().value(0);
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { i18n::useCatalogue({}); }

    // The catalogue follows gettext's variables (their order is the
    // language rules' test); English for C, for a language without a
    // catalogue, and for a catalogue that is damaged or empty, even right
    // after another language was in use.
    void catalogueChosenFromTheEnvironment() {
        QTemporaryDir scratch;
        const fs::path root = scratch.path().toStdString();
        const fs::path locale = root / "share" / "locale";
        fs::create_directories(root / "bin");
        fs::create_directories(locale / "de" / "LC_MESSAGES");
        fs::copy_file(kBuildDir / "locale" / "de" / "LC_MESSAGES" / "tenebrix.mo",
                      locale / "de" / "LC_MESSAGES" / "tenebrix.mo");
        writeFile(locale / "ru" / "LC_MESSAGES" / "tenebrix.mo", "\xde\x12\x04\x95 damaged");
        writeFile(locale / "fr" / "LC_MESSAGES" / "tenebrix.mo", "");
        struct Case {
            std::map<std::string, std::string> environment;
            std::optional<std::string> language;
        };
        const Case cases[] = {
            {{{"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}}, "de"},
            {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, std::nullopt},
            {{{"LANG", "ru_RU.UTF-8"}}, std::nullopt},
            {{{"LANG", "de_DE.UTF-8"}}, "de"},
            {{{"LANG", "fr_FR.UTF-8"}}, std::nullopt},
            {{{"LANG", "de_DE.UTF-8"}}, "de"},
            {{{"LANG", "ja_JP.UTF-8"}}, std::nullopt},
        };
        for (const Case& c : cases) {
            const auto loaded =
                startup::loadPlayersCatalogue(environmentOf(c.environment), root / "bin");
            const std::string said = i18n::tr("Tenebrix Help");
            QCOMPARE(loaded, c.language);
            QCOMPARE(said, std::string(c.language ? "Tenebrix-Hilfe" : "Tenebrix Help"));
        }
        // Run where it was built, the game finds the build tree's catalogues.
        QCOMPARE(startup::loadPlayersCatalogue(environmentOf({{"LANG", "ja_JP.UTF-8"}}),
                                               kBuildDir / "qt"),
                 std::optional<std::string>("ja"));
        QCOMPARE(startup::programFolder(nullptr),
                 fs::path(QCoreApplication::applicationDirPath().toStdString()));
    }

    // In the pseudo-language every text of every window carries its marks:
    // captions, menus and their shortcuts, window titles, the status bar,
    // what a screen reader says, the About box, a message box's buttons,
    // the help viewer and --help.
    void everyTextThroughTheCatalogue() {
        speak("en@pseudo");
        QStringList bypassed;
        const auto check = [&bypassed](const QString& where, const QString& text) {
            // The owner's notices, and the game's name with its version,
            // stay as they are in every language.
            static const QRegularExpression name(QStringLiteral("^Tenebrix( [0-9.]+)?$"));
            for (const char* owner :
                 {forms::kLegalNotice, forms::kWebAddress, forms::kCopyrightLine}) {
                if (text == QString::fromUtf8(owner)) return;
            }
            if (name.match(text).hasMatch()) return;
            if (bypassesCatalogue(text)) bypassed << where + ": " + text;
        };
        const auto checkWidgets = [&check](QWidget* window) {
            check(window->objectName() + " title", window->windowTitle());
            for (auto* label : window->findChildren<QLabel*>()) {
                // The status bar's date and time are numbers in the player's locale.
                if (label->objectName() == "Panels(2)" || label->objectName() == "Panels(3)")
                    continue;
                check(label->objectName(), label->text());
            }
            for (auto* button : window->findChildren<QAbstractButton*>())
                check(button->objectName(), button->text());
            for (auto* frame : window->findChildren<QGroupBox*>())
                check(frame->objectName(), frame->title());
            for (auto* bar : window->findChildren<QScrollBar*>())
                check(bar->objectName(), bar->accessibleName());
            for (auto* menu : window->findChildren<QMenu*>()) {
                check(menu->objectName(), menu->title());
                for (QAction* item : menu->actions()) {
                    check(item->objectName(), item->text());
                    check(item->objectName() + " shortcut",
                          item->shortcut().toString(QKeySequence::NativeText));
                }
            }
        };

        MainWindowFixture fixture({7, 13});
        QVERIFY(fixture.show());
        checkWidgets(fixture.window.get());
        for (int n = 1; n <= kTileCount; ++n) {
            QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(fixture.tile(n));
            check(QStringLiteral("tile %1").arg(n), tile->text(QAccessible::Name));
        }

        startup::frmSplash splash([] {});
        checkWidgets(&splash);

        platform::DesktopRegistry registry;
        platform::ProcessLauncher launcher;
        startup::frmAbout about(registry, launcher, fixture.realMessages, nullptr);
        checkWidgets(&about);

        for (const MessageButtons buttons : {MessageButtons::YesNo, MessageButtons::Ok}) {
            const auto box = qt::makeMessageBox(nullptr, {"[text]", "[title]", buttons});
            for (QAbstractButton* button : box->buttons()) check("message box", button->text());
        }

        platform::HelpWindow help;
        help.showContents(nullptr, QStringLiteral("/no/such/Tenebrix.hlp"));
        checkWidgets(help.window());
        check("help text", help.window()->findChild<QTextBrowser*>()->toPlainText());
        help.window()->close();

        for (const QString& line : QString::fromStdString(startup::usageText()).split(u'\n'))
            check("--help", line.section(QStringLiteral("   "), -1));
        QVERIFY2(bypassed.isEmpty(), qPrintable(bypassed.join(u'\n')));
    }

    // Alt and a button's or a menu's access key, in German's Latin letters
    // and Russian's Cyrillic ones, presses that button once or opens that
    // menu; a Yes/No box answers to the first letter of its buttons and to
    // English's Y and N.
    void accessKeysInAnyScript() {
        // Qt's view of a Cyrillic key: its capital as the code, the letter typed as text.
        const QKeyEvent ef(QEvent::KeyPress, 0x424, Qt::AltModifier, 0, 'a', 0,
                           QStringLiteral("ф"));
        const ui::KeyPress read = qt::keyPressOf(ef);
        QVERIFY(read.key == ui::Key::Letter && read.alt);
        QCOMPARE(read.character, U'ф');
        QCOMPARE(read.letter, 'A');
        const QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier,
                              QStringLiteral("\x01"));
        QCOMPARE(qt::keyPressOf(ctrlA).character, char32_t(0));

        for (const std::string language : {"de", "ru"}) {
            speak(language);
            MainWindowFixture fixture({7, 13});
            QVERIFY(fixture.show(true));
            for (const forms::Control& row : forms::frmMain::kControls) {
                if (row.kind != forms::ControlKind::Button) continue;
                const char32_t key = forms::accessKeyCharacter(ui::captionOf(row));
                QVERIFY(key != 0);
                auto* button = fixture.control<QPushButton>(row.name);
                fixture.random.scriptPuzzle({2, 24});
                // The window's rules press the button; Qt's own mnemonic must not as well.
                QSignalSpy qtPressed(button, &QPushButton::clicked);
                const std::size_t messages = fixture.messages.shown.size();
                fixture.control("ScrollMode")->setFocus();
                typeKey(QApplication::focusWidget(), lowerCase(key), Qt::AltModifier);
                QTest::qWait(150);  // a click Qt animates would come by now
                QVERIFY2(qtPressed.isEmpty(), (language + " " + row.name).c_str());
                if (std::string_view(row.name) == "cmdHint")
                    QCOMPARE(fixture.messages.shown.size(), messages + 1);
                QCOMPARE(QApplication::focusWidget(), button);
            }
            for (const forms::Menu& entry : forms::kMainMenu) {
                const char32_t key = forms::accessKeyCharacter(ui::captionOf(entry));
                auto* menu = fixture.window->findChild<QMenu*>(entry.name);
                fixture.control("ScrollMode")->setFocus();
                typeKey(QApplication::focusWidget(), lowerCase(key), Qt::AltModifier);
                QTRY_VERIFY2(menu->isVisible(), (language + " " + entry.name).c_str());
                menu->close();
                QTRY_VERIFY(!menu->isVisible());
            }

            const char32_t yes = lowerCase(ui::answerKey(MessageAnswer::Yes));
            const char32_t no = lowerCase(ui::answerKey(MessageAnswer::No));
            const std::pair<char32_t, QMessageBox::StandardButton> answers[] = {
                {yes, QMessageBox::Yes}, {no, QMessageBox::No}, {U'y', QMessageBox::Yes}};
            for (const auto& [key, answer] : answers) {
                for (const Qt::KeyboardModifiers held : {Qt::NoModifier, Qt::AltModifier}) {
                    const auto box =
                        qt::makeMessageBox(nullptr, {"text", "title", MessageButtons::YesNo});
                    QSignalSpy clicked(box.get(), &QMessageBox::buttonClicked);
                    box->show();
                    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
                    typeKey(box->focusWidget(), key, held);
                    QTest::qWait(150);
                    QCOMPARE(clicked.count(), 1);
                    QCOMPARE(box->clickedButton(), box->button(answer));
                }
            }
        }
    }

    // The help page in the player's language where there is one, from the
    // build tree or an installed game; English otherwise.
    void helpPageInThePlayersLanguage() {
        const QString build = QString::fromStdString(kBuildDir.string());
        QCOMPARE(platform::helpFileBesideProgram(build, "../share/tenebrix", "de"),
                 build + "/help/de/Tenebrix.hlp");
        QTemporaryDir scratch;
        const fs::path root = scratch.path().toStdString();
        fs::create_directories(root / "bin");
        writeFile(root / "share" / "tenebrix" / "Tenebrix.hlp", "English");
        writeFile(root / "share" / "tenebrix" / "ja" / "Tenebrix.hlp", "Japanese");
        const QString bin = scratch.filePath("bin");
        const QString installed = scratch.filePath("share/tenebrix/");
        const std::pair<QString, QString> pages[] = {{"ja", installed + "ja/Tenebrix.hlp"},
                                                     {"de", installed + "Tenebrix.hlp"},
                                                     {"en@pseudo", installed + "Tenebrix.hlp"},
                                                     {"../tenebrix", installed + "Tenebrix.hlp"},
                                                     {"", installed + "Tenebrix.hlp"}};
        for (const auto& [language, page] : pages)
            QCOMPARE(platform::helpFileBesideProgram(bin, "../share/tenebrix", language), page);
    }

    // The status bar's date in the player's short format (German here:
    // day.month.year, two digits each). The placement the window stores as
    // it closes is whole twips, the same digits in every locale.
    void datesAndNumbersInThePlayersLocale() {
        platform::QtLocalClock clock;
        MainWindowFixture fixture({7, 13});
        qt::frmMain window(qt::MainWindowServices{fixture.random, fixture.store, clock,
                                                  fixture.help, fixture.messages, QString()});
        const QString date = window.findChild<QLabel*>("Panels(2)")->text();
        QVERIFY2(QRegularExpression("^\\d\\d\\.\\d\\d\\.\\d\\d$").match(date).hasMatch(),
                 qPrintable(date));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.move(101, 67);
        window.close();
        int stored = 0;
        for (const auto& [key, value] : fixture.store.values) {
            for (const char* placement : forms::frmMain::kPlacementKeys) {
                if (!key.ends_with(placement)) continue;
                ++stored;
                QVERIFY2(
                    QRegularExpression("^-?\\d+$").match(QString::fromStdString(value)).hasMatch(),
                    (key + " = " + value).c_str());
            }
        }
        QCOMPARE(stored, 4);
    }
};

int main(int argc, char* argv[]) {
    // Qt reads the locale's categories once, at the first use.
    qunsetenv("LC_ALL");
    qputenv("LC_TIME", "de_DE.UTF-8");
    qputenv("LC_NUMERIC", "de_DE.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    QApplication app(argc, argv);
    LanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_players_language.moc"
