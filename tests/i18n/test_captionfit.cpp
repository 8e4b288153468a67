// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every window fits its control in every language: each
// text the game shows in a control, translated as the front ends show it,
// measured in the control's font with the fonts the package depends on, at
// the size the windows were laid out for (96 dots per inch, 15 twips to a
// pixel). A caption must not be wider than its control, a word-wrapped one
// must not need more lines than the control holds, and one that grows to
// its text must stay inside its window. The menus are left out: they grow.
// The pseudo-language, longer than any window allows, shows instead that
// every text goes through the catalogue.
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "AboutControls.h"
#include "AboutForm.h"
#include "Captions.h"
#include "MainWindowControls.h"
#include "NumberText.h"
#include "SplashControls.h"
#include "Translate.h"
#include "VersionLine.h"

using namespace tenebrix;
using forms::Control;
using forms::ControlKind;

namespace {

// The room a control leaves its caption on each side, in pixels: a push
// button's border and focus rectangle, a frame's edge and the gap before
// its title.
int sideMargin(const Control& control) {
    switch (control.kind) {
        case ControlKind::Button:
            return 3;
        case ControlKind::Frame:
            return 8;
        default:
            return 0;
    }
}

QString firstInstalled(std::span<const char* const> families) {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : families) {
        if (installed.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    }
    return {};
}

// The row's font at 96 dots per inch, its height rounded to whole pixels as
// the windows' first system did.
QFont fontOf(forms::Font font) {
    QFont qfont(firstInstalled(font.face == forms::FontFace::Splash
                                   ? std::span<const char* const>(forms::kSplashFontFamilies)
                                   : std::span<const char* const>(forms::kFormFontFamilies)));
    qfont.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    qfont.setBold(font.bold);
    return qfont;
}

// Every text the game writes in `control`: its caption, or for the labels
// the game fills, each text it may write there.
std::vector<std::string> textsShownIn(const Control& control) {
    std::vector<std::string> texts;
    if (control.is("lblTileSet")) {
        for (int t = kMinTileSet; t <= kMaxTileSet; ++t) {
            const std::string caption = ui::tileSetCaption(t);
            if (texts.empty() || texts.back() != caption) texts.push_back(caption);
        }
    } else if (control.is("lblMode")) {
        for (int m = kMinMode; m <= kMaxMode; ++m) texts.push_back(ModeCaption(m));
    } else if (control.is("lblLevel")) {
        for (int l = kMinLevel; l <= kMaxLevel; ++l) texts.push_back(LevelCaption(l));
    } else if (control.is("lblVersion")) {
        texts.push_back(forms::VersionLine(forms::kProgramVersion));
    } else if (control.caption[0] != '\0') {
        texts.push_back(i18n::withoutAccessKey(ui::captionOf(control)));
    }
    return texts;
}

// Why `text` does not fit `control` in `table`; empty when it fits.
template <typename Table>
std::string misfit(const Table& table, const Control& control, const std::string& text) {
    const QFontMetricsF metrics(fontOf(control.font));
    const QString shown = QString::fromStdString(text);
    const forms::PixelRect place = forms::toPixelRect(control.place);
    const double room = place.width - 2 * sideMargin(control);
    const std::string where = control.fullName() + " \"" + text + "\": ";
    if (control.wordWrap) {
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, room, 100000),
                                                   Qt::TextWordWrap | Qt::AlignLeft, shown);
        const int lines = static_cast<int>(std::lround(needed.height() / metrics.lineSpacing()));
        const int fit = static_cast<int>(place.height / metrics.lineSpacing());
        if (needed.width() > room || lines > fit)
            return where + std::to_string(lines) + " lines, room for " + std::to_string(fit);
        return {};
    }
    const double width = metrics.horizontalAdvance(shown);
    if (control.growsToText) {
        // It keeps its left edge; its window must still hold it.
        const Control* frame = forms::findControl(table, control.container);
        const double limit = frame ? forms::twipsToPixels(frame->place.width) : 100000.0;
        if (place.left + width > limit)
            return where + "ends at " + std::to_string(std::lround(place.left + width)) +
                   " px, its window at " + std::to_string(std::lround(limit));
        return {};
    }
    if (width > room)
        return where + std::to_string(std::lround(std::ceil(width))) + " px wide, room for " +
               std::to_string(std::lround(room));
    return {};
}

// The texts that stay as they are in every language: the game's name, the
// owner's words (a translation of the legal notice would need a lawyer)
// and numbers.
bool staysEnglish(const std::string& text) {
    for (const char* kept : {forms::kCopyrightLine, forms::kWebAddress, forms::kLegalNotice,
                             forms::frmAbout::kTitle, "Tenebrix 1.01"}) {
        if (text == kept) return true;
    }
    return text.find_first_not_of(" 0123456789") == std::string::npos;
}

// The pseudo-language brackets every text it translates.
bool pseudoTranslated(const std::string& text) {
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
}

struct Findings {
    std::string misfits;
    std::string untranslated;  // texts not looked up in the catalogue
};

template <typename Table>
void checkWindow(const char* window, const Table& table, Findings& findings) {
    for (const Control& control : table) {
        if (!control.visible) continue;  // hidden values; the tile numbers' digits
        for (const std::string& text : textsShownIn(control)) {
            const std::string problem = misfit(table, control, text);
            if (!problem.empty()) findings.misfits += std::string("\n  ") + window + ": " + problem;
            if (!pseudoTranslated(text) && !staysEnglish(text))
                findings.untranslated +=
                    std::string("\n  ") + window + ": " + control.fullName() + " \"" + text + "\"";
        }
    }
}

Findings allWindows() {
    Findings findings;
    checkWindow("game window", forms::frmMain::kControls, findings);
    checkWindow("About box", forms::frmAbout::kControls, findings);
    checkWindow("splash", forms::frmSplash::kControls, findings);
    return findings;
}

i18n::Catalogue load(const std::string& language) {
    const std::string path =
        std::string(TENEBRIX_LOCALE_DIR) + "/" + language + "/LC_MESSAGES/tenebrix.mo";
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    return i18n::Catalogue::fromMo(bytes);
}

}  // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { i18n::useCatalogue({}); }

    // The fonts the windows were sized for, and the CJK font the package
    // recommends, must be installed, or every width below means nothing.
    void fontsInstalled() {
        QVERIFY2(!firstInstalled(forms::kFormFontFamilies).isEmpty(),
                 "none of the windows' fonts is installed (fonts-liberation)");
        QVERIFY2(!firstInstalled(forms::kSplashFontFamilies).isEmpty(),
                 "none of the splash screen's fonts is installed (fonts-liberation)");
        const QStringList families = QFontDatabase::families();
        QVERIFY2(families.contains(QStringLiteral("Noto Sans CJK JP")),
                 "the CJK font is not installed (fonts-noto-cjk)");
        // It holds the kana and hangul, each a full em wide.
        const QFontMetricsF cjk(QFont(QStringLiteral("Noto Sans CJK JP"), 8));
        for (char32_t c : {U'\u30d1', U'\u65b0', U'\ud37c'}) QVERIFY(cjk.inFontUcs4(c));
        const QFont form = fontOf(forms::kFormFont);
        QVERIFY(QFontMetricsF(form).horizontalAdvance(QStringLiteral("\u30d1\u30ba\u30eb")) >=
                3 * form.pixelSize() - 1);
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const QString& language : QString(TENEBRIX_TEST_LANGUAGES).split(';'))
            QTest::newRow(language.toUtf8().constData()) << language;
    }
    void captionsFit() {
        QFETCH(QString, language);
        if (!language.isEmpty()) {
            const i18n::Catalogue catalogue = load(language.toStdString());
            QVERIFY2(catalogue.valid() && !catalogue.empty(), "the compiled catalogue is missing");
            i18n::useCatalogue(catalogue);
        }
        const Findings findings = allWindows();
        if (language != QLatin1String("en@pseudo")) {
            QVERIFY2(findings.misfits.empty(), findings.misfits.c_str());
            return;
        }
        // The pseudo-language is 40 % longer than the English the windows
        // were sized for, and cannot fit where English just does: its
        // misfits show where a translation has the least room. What it must
        // show is that every text went through the catalogue.
        if (!findings.misfits.empty())
            qInfo("Where a translation has least room:%s", findings.misfits.c_str());
        QVERIFY2(findings.untranslated.empty(),
                 ("Texts not looked up in the catalogue:" + findings.untranslated).c_str());
    }

    // The measure itself: a caption one word too long, a wrapped text one
    // line too many and a growing label pushed past its window are caught.
    void theMeasureCatchesMisfits() {
        using forms::frmMain::kControls;
        Control button = forms::frmMain::control("cmdHint");
        QVERIFY(misfit(kControls, button, "Hint").empty());
        QVERIFY(!misfit(kControls, button, "Hint Hint Hint Hint").empty());
        // Just over the button's inner width fails; just under it fits.
        const QFontMetricsF metrics(fontOf(button.font));
        const double room = forms::twipsToPixels(button.place.width) - 6;
        std::string text = "i";
        while (metrics.horizontalAdvance(QString::fromStdString(text + "i")) <= room) text += "i";
        QVERIFY(misfit(kControls, button, text).empty());
        QVERIFY(!misfit(kControls, button, text + "i").empty());

        Control disclaimer = forms::frmAbout::control("lblDisclaimer");
        QVERIFY(misfit(forms::frmAbout::kControls, disclaimer, "Short.").empty());
        std::string lines = "Word";
        while (misfit(forms::frmAbout::kControls, disclaimer, lines).empty() && lines.size() < 5000)
            lines += " word";
        QVERIFY(lines.size() > 100);   // several lines fitted first,
        QVERIFY(lines.size() < 5000);  // and then one too many did not

        const Control& platform = forms::frmSplash::control("lblPlatform");
        QVERIFY(misfit(forms::frmSplash::kControls, platform, "for Windows '95").empty());
        QVERIFY(!misfit(forms::frmSplash::kControls, platform,
                        "for Windows '95 and every later version of it")
                     .empty());
    }
};

QTEST_MAIN(CaptionFitTest)
#include "test_captionfit.moc"
