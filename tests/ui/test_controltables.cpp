// SPDX-License-Identifier: GPL-3.0-or-later
// The control tables every front end makes its windows from: each control
// once, inside its window, the tab stops in the order the player tabs
// through them, and the names front ends give their controls found again.
#include <QtTest>
#include <set>
#include <string>
#include <vector>

#include "AboutForm.h"
#include "CaptionLabels.h"
#include "MainWindowForm.h"
#include "SplashForm.h"

using namespace tenebrix;
using forms::Control;

namespace {

template <typename Table>
std::vector<std::string> tabStops(const Table& table) {
    std::vector<std::string> stops;
    for (const Control& control : table) {
        if (!control.tabStop) continue;
        // The board's 25 tiles are one stop.
        if (control.boardTile && control.index != 1) continue;
        stops.push_back(control.boardTile ? "board" : control.name);
    }
    return stops;
}

template <typename Table>
void checkWholeAndInside(const Table& table, int width, int height) {
    std::set<std::string> names;
    for (const Control& control : table) {
        QVERIFY2(names.insert(control.fullName()).second, control.fullName().c_str());
        if (control.kind == forms::ControlKind::Timer) continue;
        const forms::TwipRect place = forms::placeInWindow(table, control);
        QVERIFY2(place.left >= 0 && place.top >= 0, control.fullName().c_str());
        QVERIFY2(place.right() <= width && place.bottom() <= height, control.fullName().c_str());
        if (control.inFrame()) {
            const Control* frame = forms::findControl(table, control.container);
            QVERIFY2(frame, control.container);
            QVERIFY2(control.place.right() <= frame->place.width &&
                         control.place.bottom() <= frame->place.height,
                     control.fullName().c_str());
        }
    }
}

}  // namespace

class ControlTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyControlOnceAndInsideItsWindow() {
        namespace frm = forms::frmMain;
        checkWholeAndInside(frm::kControls, frm::kClientWidth, frm::kClientHeight);
        checkWholeAndInside(forms::frmSplash::kControls, forms::frmSplash::kWidth,
                            forms::frmSplash::kHeight);
        checkWholeAndInside(forms::frmAbout::kControls, forms::frmAbout::kWidth,
                            forms::frmAbout::kHeight);
    }

    // The board first, so it is one Shift+Tab away from Hint, which opens in focus.
    void tabOrder() {
        using V = std::vector<std::string>;
        QCOMPARE(tabStops(forms::frmMain::kControls),
                 (V{"board", "cmdHint", "cmdNewPuzzle", "cmdReset", "ScrollTileSet", "ScrollMode",
                    "ScrollLevel"}));
        QCOMPARE(tabStops(forms::frmAbout::kControls), (V{"cmdOK", "cmdSysInfo"}));
        QCOMPARE(tabStops(forms::frmSplash::kControls), V{});
    }

    // Listed first lies above: each tile over the strip of its number tucked
    // under it, the frame's contents over the frame, a scroll bar over the
    // foot of the caption above it.
    void overlapsStackAsDrawn() {
        const auto& table = forms::frmMain::kControls;
        const auto row = [&](const char* name, int index = forms::kNoIndex) {
            return forms::findControl(table, name, index) - table.data();
        };
        for (int n = 1; n <= kTileCount; ++n) {
            QVERIFY(row("picTile", n) < row("lblTileNumbers", n));
            const forms::TwipRect tile = forms::frmMain::tilePlace(n);
            const forms::TwipRect number = forms::frmMain::tileNumberPlace(n);
            QCOMPARE(tile.bottom() - number.top, 20);
        }
        QVERIFY(row("lblMoves") < row("Frame1"));
        QVERIFY(row("ScrollMode") < row("lblMode"));
        QVERIFY(forms::frmMain::control("lblMode").place.bottom() >
                forms::frmMain::control("ScrollMode").place.top);
    }

    void namesAsFrontEndsGiveThem() {
        const auto& table = forms::frmMain::kControls;
        QCOMPARE(forms::findControlByFullName(table, "picTile(7)"),
                 &forms::frmMain::control("picTile", 7));
        QCOMPARE(forms::findControlByFullName(table, "cmdHint"),
                 &forms::frmMain::control("cmdHint"));
        QCOMPARE(forms::frmMain::control("lblTileNumbers", 25).fullName(),
                 std::string("lblTileNumbers(25)"));
        for (const char* bad :
             {"picTile(0)", "picTile(26)", "picTile()", "picTile(", "picTile(7", "picTile(x)",
              "picTile(-1)", "picTile(0007)", "cmdHint(1)", "", "(", "nothing"}) {
            QVERIFY2(!forms::findControlByFullName(table, bad), bad);
        }
    }

    // What a player sees of each window at the start, from the table alone.
    void startState() {
        namespace frm = forms::frmMain;
        int visibleDiagrams = 0, hiddenNumbers = 0;
        for (const Control& control : frm::kControls) {
            if (control.is("picMode") && control.visible) ++visibleDiagrams;
            if (control.is("lblTileNumbers") && !control.visible &&
                std::string(control.caption) == " ")
                ++hiddenNumbers;
        }
        QCOMPARE(visibleDiagrams, 1);
        QVERIFY(frm::control("picMode", 1).visible);
        QCOMPARE(hiddenNumbers, kTileCount);
        QVERIFY(!frm::control("lblPuzState").visible && !frm::control("lblPuzValue").visible);
        // Each bar names the caption that shows its value, for screen readers.
        for (const char* bar : {"ScrollTileSet", "ScrollMode", "ScrollLevel"}) {
            const forms::Control* shows =
                forms::findControl(frm::kControls, frm::control(bar).shows);
            QVERIFY2(shows && shows->kind == forms::ControlKind::Label && shows->inFrame(), bar);
        }
        int visibleLogos = 0;
        for (const Control& control : forms::frmSplash::kControls)
            if (control.is("picLogo") && control.visible) ++visibleLogos;
        QCOMPARE(visibleLogos, 1);
        QVERIFY(forms::frmSplash::control("picLogo", 0).visible);
        QVERIFY(forms::frmAbout::control("cmdOK").isDefault &&
                forms::frmAbout::control("cmdOK").isCancel);
    }

    // Each of the game's captions has a label of its own on the main window;
    // the puzzle's values are kept there unseen.
    void captionLabels() {
        using tenebrix::Caption;
        std::set<std::string> labels;
        for (Caption caption : {Caption::PuzState, Caption::PuzValue, Caption::Moves,
                                Caption::Level, Caption::Mode}) {
            const Control& label = tenebrix::ui::labelOf(caption);
            QCOMPARE(label.kind, forms::ControlKind::Label);
            QVERIFY(labels.insert(label.name).second);
        }
        QVERIFY(!tenebrix::ui::labelOf(Caption::PuzState).visible &&
                !tenebrix::ui::labelOf(Caption::PuzValue).visible);
    }

    // Within a window no two buttons, and no two menu titles, claim one
    // letter; within a menu no two items. Hint and Help share H on purpose:
    // the window's own button comes first (Alt+H is Hint).
    void accessKeysUnique() {
        std::set<char> buttons, titles;
        for (const Control& control : forms::frmMain::kControls) {
            if (control.kind != forms::ControlKind::Button) continue;
            QVERIFY(buttons.insert(forms::accessKey(control.caption)).second);
        }
        for (const forms::Menu& menu : forms::kMainMenu) {
            QVERIFY(titles.insert(forms::accessKey(menu.caption)).second);
            std::set<char> items;
            for (const forms::MenuItem& item : menu.items) {
                if (item.isSeparator()) continue;
                const char key = forms::accessKey(item.caption);
                if (key) QVERIFY2(items.insert(key).second, item.name);
            }
        }
        QCOMPARE(forms::accessKey("&about"), 'A');
        QCOMPARE(forms::accessKey("Fish && Chips"), '\0');
        QCOMPARE(forms::accessKey("trailing&"), '\0');
    }
};

QTEST_GUILESS_MAIN(ControlTablesTest)
#include "test_controltables.moc"
