// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogues as gettext's msgfmt writes them: texts in and out of context,
// plural forms by the language's own rule, untranslated and unknown texts
// in English, and damaged files read as no catalogue at all.
#include <QtTest>
#include <fstream>
#include <iterator>
#include <vector>

#include "Catalogue.h"
#include "Translate.h"

using namespace tenebrix;
using namespace tenebrix::i18n;

namespace {

std::vector<std::uint8_t> sampleBytes() {
    std::ifstream file(TENEBRIX_SAMPLE_MO, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const std::string kSolved = "You have solved this %1 move puzzle in %2 moves.";

// A catalogue written by hand, as another tool might: the header, then
// `pairs` of original and translation, in the file's little-endian layout.
std::vector<std::uint8_t> handMade(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::vector<std::uint8_t> bytes;
    const auto put = [&](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto count = static_cast<std::uint32_t>(pairs.size());
    put(0x950412de);
    put(0);
    put(count);
    put(28);
    put(28 + 8 * count);
    put(0);
    put(0);
    std::uint32_t at = 28 + 16 * count;
    for (const bool original : {true, false}) {
        for (const auto& [key, value] : pairs) {
            const std::string& text = original ? key : value;
            put(static_cast<std::uint32_t>(text.size()));
            put(at);
            at += static_cast<std::uint32_t>(text.size()) + 1;
        }
    }
    for (const bool original : {true, false}) {
        for (const auto& [key, value] : pairs) {
            for (char c : original ? key : value) bytes.push_back(static_cast<std::uint8_t>(c));
            bytes.push_back(0);
        }
    }
    return bytes;
}

}  // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
  private slots:
    void readsWhatMsgfmtWrites() {
        const std::vector<std::uint8_t> bytes = sampleBytes();
        QVERIFY(bytes.size() > 100);
        const Catalogue catalogue = Catalogue::fromMo(bytes);
        QVERIFY(catalogue.valid());
        QCOMPARE(catalogue.language(), std::string("ru"));
        QCOMPARE(catalogue.translate("Congratulations"), std::string_view("Поздравляем"));
        QCOMPARE(catalogue.translate("&Hint", "button"), std::string_view("&Подсказка"));
        QCOMPARE(catalogue.translate("&Hint", "menu item"), std::string_view("Под&сказка"));
        // No context, or another one, is another text.
        QCOMPARE(catalogue.translate("&Hint"), std::string_view("&Hint"));
        QCOMPARE(catalogue.translate("&Hint", "menu"), std::string_view("&Hint"));
        QCOMPARE(catalogue.translate("Not yet translated"), std::string_view("Not yet translated"));
        QCOMPARE(catalogue.translate("Never heard of"), std::string_view("Never heard of"));
    }

    // An empty translation is one not made yet: the English stands.
    void emptyTranslationsStayEnglish() {
        const Catalogue catalogue = Catalogue::fromMo(
            handMade({{"", "Language: de\nPlural-Forms: nplurals=2; plural=n != 1;\n"},
                      {"Hint", ""},
                      {"Moves:", "Züge:"},
                      {kSolved + std::string(1, '\0') + kSolved, std::string("eins\0", 5)}}));
        QVERIFY(catalogue.valid());
        QCOMPARE(catalogue.language(), std::string("de"));
        QCOMPARE(catalogue.translate("Hint"), std::string_view("Hint"));
        QCOMPARE(catalogue.translate("Moves:"), std::string_view("Züge:"));
        QCOMPARE(catalogue.translatePlural(kSolved, kSolved, 1), std::string_view("eins"));
        QCOMPARE(catalogue.translatePlural(kSolved, kSolved, 2), std::string_view(kSolved));
    }

    void pluralFormsFollowTheLanguage() {
        const Catalogue catalogue = Catalogue::fromMo(sampleBytes());
        const auto solved = [&](unsigned long n) {
            return std::string(catalogue.translatePlural(kSolved, kSolved, n));
        };
        for (unsigned long n : {1ul, 21ul, 101ul}) QVERIFY(solved(n).ends_with(" ход."));
        for (unsigned long n : {2ul, 3ul, 4ul, 22ul, 104ul}) QVERIFY(solved(n).ends_with(" хода."));
        for (unsigned long n : {0ul, 5ul, 11ul, 12ul, 14ul, 111ul, 25ul})
            QVERIFY(solved(n).ends_with(" ходов."));
        // English, without a catalogue: the plural for anything but 1.
        const Catalogue english;
        QCOMPARE(english.translatePlural("1 move", "%1 moves", 1), std::string_view("1 move"));
        QCOMPARE(english.translatePlural("1 move", "%1 moves", 0), std::string_view("%1 moves"));
    }

    // Whatever is cut off or made up, the reader stays inside the bytes and
    // gives the empty catalogue: every text then shows in English.
    void damagedFilesGiveNoCatalogue() {
        const std::vector<std::uint8_t> good = sampleBytes();
        for (std::size_t length :
             {std::size_t(0), std::size_t(3), std::size_t(27), good.size() / 2}) {
            const Catalogue cut = Catalogue::fromMo(std::span(good).first(length));
            QVERIFY(!cut.valid());
            QCOMPARE(cut.translate("Congratulations"), std::string_view("Congratulations"));
        }
        std::vector<std::uint8_t> lying = good;
        lying[8] = 0xff;  // more texts than the file could hold
        lying[9] = 0xff;
        QVERIFY(!Catalogue::fromMo(lying).valid());
        std::vector<std::uint8_t> pointingOut = good;
        pointingOut[12] = 0xf0;  // the table of texts far past the end
        pointingOut[13] = 0xff;
        pointingOut[14] = 0xff;
        QVERIFY(!Catalogue::fromMo(pointingOut).valid());
        std::vector<std::uint8_t> foreign = good;
        foreign[0] ^= 0x55;
        QVERIFY(!Catalogue::fromMo(foreign).valid());
        // Every single byte flipped, in turn: never a crash, never out of bounds.
        for (std::size_t at = 0; at < good.size(); at += 7) {
            std::vector<std::uint8_t> flipped = good;
            flipped[at] ^= 0xff;
            const Catalogue catalogue = Catalogue::fromMo(flipped);
            (void)catalogue.translatePlural(kSolved, kSolved, 3);
        }
    }

    void pluralRules_data() {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QList<int>>("forms");  // for n = 0, 1, 2, 5, 11, 21, 22, 101
        QTest::newRow("english") << "nplurals=2; plural=(n != 1);"
                                 << QList<int>{1, 0, 1, 1, 1, 1, 1, 1};
        QTest::newRow("french") << "nplurals=2; plural=(n > 1);"
                                << QList<int>{0, 0, 1, 1, 1, 1, 1, 1};
        QTest::newRow("japanese") << "nplurals=1; plural=0;" << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("polish") << "nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 "
                                   "|| n%100>=20) ? 1 : 2);"
                                << QList<int>{2, 0, 1, 2, 2, 2, 1, 2};
        QTest::newRow("spaces and no brackets")
            << "nplurals= 2 ;  plural= n!=1 ;" << QList<int>{1, 0, 1, 1, 1, 1, 1, 1};
        // && binds tighter than ||, as in C.
        QTest::newRow("precedence") << "nplurals=2; plural=n==1 || n==2 && n==5 ? 1 : 0;"
                                    << QList<int>{0, 1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a form past the last one counts as the first")
            << "nplurals=2; plural=n;" << QList<int>{0, 1, 0, 0, 0, 0, 0, 0};
    }
    void pluralRules() {
        QFETCH(QString, header);
        QFETCH(QList<int>, forms);
        const auto rule = PluralRule::parse(header.toStdString());
        QVERIFY(rule);
        const unsigned long numbers[] = {0, 1, 2, 5, 11, 21, 22, 101};
        for (int i = 0; i < forms.size(); ++i) QCOMPARE(rule->formFor(numbers[i]), forms[i]);
    }

    void brokenPluralRulesAreRefused() {
        for (const char* broken :
             {"", "nplurals=2;", "plural=n;", "nplurals=0; plural=0;", "nplurals=x; plural=n;",
              "nplurals=2; plural=(n;", "nplurals=2; plural=n ? 1;", "nplurals=2; plural=n +;",
              "nplurals=2; plural=m;", "nplurals=2; plural=n n;", "nplurals=99; plural=n;"}) {
            QVERIFY2(!PluralRule::parse(broken), broken);
        }
        // Deep nesting is refused, not followed to the end of the stack.
        const std::string deep =
            "nplurals=2; plural=" + std::string(100000, '(') + "n" + std::string(100000, ')') + ";";
        QVERIFY(!PluralRule::parse(deep));
        const auto division = PluralRule::parse("nplurals=2; plural=n/0 + n%0;");
        QVERIFY(division);
        QCOMPARE(division->formFor(7), 0);
    }

    void formatAndAccessKeys() {
        QCOMPARE(format("Level: %1", {" 5"}), std::string("Level:  5"));
        QCOMPARE(format("%2 before %1", {"a", "b"}), std::string("b before a"));
        QCOMPARE(format("100% sure, %3 missing, %", {"x"}),
                 std::string("100% sure, %3 missing, %"));
        QCOMPARE(format("%1%1", {"ab"}), std::string("abab"));
        QCOMPARE(withoutAccessKey("&New Puzzle"), std::string("New Puzzle"));
        QCOMPARE(withoutAccessKey("E&xit"), std::string("Exit"));
        QCOMPARE(withoutAccessKey("Fish && Chips"), std::string("Fish & Chips"));
        QCOMPARE(withoutAccessKey("新しいパズル(&N)"), std::string("新しいパズル"));
        QCOMPARE(withoutAccessKey("trailing&"), std::string("trailing"));
    }

    void lookupUsesTheChosenCatalogue() {
        useCatalogue(Catalogue::fromMo(sampleBytes()));
        QCOMPARE(i18n::tr("Congratulations"), std::string("Поздравляем"));
        QCOMPARE(i18n::trc("button", "&Hint"), std::string("&Подсказка"));
        QCOMPARE(format(i18n::trn(kSolved, kSolved, 22), {" 5", "22"}),
                 std::string("Головоломка в  5 хода решена за 22 хода."));
        useCatalogue(Catalogue());
        QCOMPARE(i18n::tr("Congratulations"), std::string("Congratulations"));
        QCOMPARE(format(i18n::trn(kSolved, kSolved, 1), {" 5", "1"}),
                 std::string("You have solved this  5 move puzzle in 1 moves."));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "test_catalogue.moc"
