// The help viewer window and where the game finds its help file, including
// the manual that ships with it.
#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "HelpFile.h"
#include "HelpWindow.h"

using tenebrix::platform::helpFileBesideProgram;
using tenebrix::platform::HelpWindow;

namespace {

// A title and an introduction before the contents, so "at its contents" and
// "at the top" differ, and enough text after them to scroll.
QByteArray sampleHelp() {
    QByteArray html = "<html><body><h1>Sample Title</h1><p>Introduction.</p>";
    for (int i = 0; i < 40; ++i) {
        html += "<p>Introduction filler " + QByteArray::number(i) + ".</p>";
    }
    html += "<a name=\"contents\"></a><h2>Contents Heading</h2>";
    html += "<ul><li><a href=\"#end\">The end</a></li></ul>";
    for (int i = 0; i < 200; ++i) {
        html += "<p>Body line " + QByteArray::number(i) + ".</p>";
    }
    html += "<a name=\"end\"></a><h2>The End Section</h2>";
    for (int i = 0; i < 60; ++i) {
        html += "<p>Closing line " + QByteArray::number(i) + ".</p>";
    }
    html += "<p>Last words.</p></body></html>";
    return html;
}

QTextBrowser* browserOf(const HelpWindow& help) {
    return help.window() ? help.window()->findChild<QTextBrowser*>("helpBrowser") : nullptr;
}

// The text of the line at the top of the browser's view.
QString topLine(QTextBrowser* browser) {
    return browser->cursorForPosition(QPoint(10, 10)).block().text();
}

int helpWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == "helpWindow" ? 1 : 0;
    }
    return count;
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensTheFileAtItsContentsBesideTheGame();
    void askingAgainGoesBackToTheContents();
    void aFileThatCannotBeReadIsReportedInTheViewer_data();
    void aFileThatCannotBeReadIsReportedInTheViewer();
    void findsTheHelpFileBesideTheProgram();
    void theManualOpensAtItsContentsAndItsLinksLand();
};

void HelpWindowTest::opensTheFileAtItsContentsBesideTheGame() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tenebrix.hlp");
    writeFile(path, sampleHelp());
    QWidget game;
    game.setGeometry(10, 10, 200, 150);
    game.show();
    HelpWindow help;

    help.showContents(&game, path);

    QWidget* window = help.window();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->objectName(), QString("helpWindow"));
    QCOMPARE(window->windowTitle(), QString("Tenebrix Help"));
    QVERIFY(window->isWindow() && !window->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(window->frameGeometry().left() > game.frameGeometry().right());
    QTextBrowser* browser = browserOf(help);
    QVERIFY(browser);
    QVERIFY(browser->toPlainText().contains("Last words."));
    QCOMPARE(topLine(browser), QString("Contents Heading"));
    // The game stays usable: closing the viewer leaves it alone.
    window->close();
    QVERIFY(game.isVisible());
}

void HelpWindowTest::askingAgainGoesBackToTheContents() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tenebrix.hlp");
    writeFile(path, sampleHelp());
    HelpWindow help;
    help.showContents(nullptr, path);
    QWidget* window = help.window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTextBrowser* browser = browserOf(help);
    browser->setSource(QUrl("#end"));
    QCOMPARE(topLine(browser), QString("The End Section"));

    window->showMinimized();
    help.showContents(nullptr, path);
    QCOMPARE(help.window(), window);
    QCOMPARE(helpWindowCount(), 1);
    QVERIFY(window->isVisible() && !window->isMinimized());
    QCOMPARE(topLine(browser), QString("Contents Heading"));

    // Closed by the player, it comes back on the next request.
    window->close();
    help.showContents(nullptr, path);
    QVERIFY(window->isVisible());
    QCOMPARE(topLine(browser), QString("Contents Heading"));
}

void HelpWindowTest::aFileThatCannotBeReadIsReportedInTheViewer_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isFolder");

    QTest::newRow("missing") << "Missing.hlp" << false;
    QTest::newRow("a folder") << "Folder.hlp" << true;
}

void HelpWindowTest::aFileThatCannotBeReadIsReportedInTheViewer() {
    QFETCH(QString, name);
    QFETCH(bool, isFolder);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (isFolder) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    }
    HelpWindow help;

    help.showContents(nullptr, path);

    QVERIFY(help.window() && help.window()->isVisible());
    const QString shown = browserOf(help)->toPlainText();
    QCOMPARE(shown, "The help file " + QDir::toNativeSeparators(path) + " could not be opened.");

    // Once the file is there, the same viewer shows it.
    const QString good = dir.filePath("Good.hlp");
    writeFile(good, sampleHelp());
    help.showContents(nullptr, good);
    QVERIFY(browserOf(help)->toPlainText().contains("Contents Heading"));
    QCOMPARE(helpWindowCount(), 1);
}

void HelpWindowTest::findsTheHelpFileBesideTheProgram() {
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath("bin"));
    QVERIFY(QDir(prefix.path()).mkpath("share/tenebrix"));
    const QString programDir = prefix.filePath("bin");
    const QString beside = programDir + "/Tenebrix.hlp";
    const QString installed = prefix.filePath("share/tenebrix/Tenebrix.hlp");

    // Neither there: the place beside the program, so the viewer can name it.
    QCOMPARE(helpFileBesideProgram(programDir, "../share/tenebrix"), beside);
    writeFile(installed, "<p>installed</p>");
    QCOMPARE(helpFileBesideProgram(programDir, "../share/tenebrix"), installed);
    writeFile(beside, "<p>built</p>");
    QCOMPARE(helpFileBesideProgram(programDir, "../share/tenebrix"), beside);
}

void HelpWindowTest::theManualOpensAtItsContentsAndItsLinksLand() {
    const QString manual = QStringLiteral(TENEBRIX_MANUAL);
    QFile file(manual);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(manual));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(Qt::mightBeRichText(html));

    QStringList anchors;
    for (const auto& match : QRegularExpression("<a name=\"([^\"]+)\"").globalMatch(html)) {
        anchors << match.captured(1);
    }
    QCOMPARE(anchors.value(0), QString("contents"));
    QStringList links;
    for (const auto& match : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html)) {
        links << match.captured(1);
    }
    QVERIFY(links.size() >= 9);
    for (const QString& link : links) {
        QVERIFY2(anchors.contains(link), qPrintable("no anchor for #" + link));
    }

    HelpWindow help;
    help.showContents(nullptr, manual);
    QVERIFY(QTest::qWaitForWindowExposed(help.window()));
    QTextBrowser* browser = browserOf(help);
    QCOMPARE(topLine(browser), QString("How to Play Tenebrix"));
    const QString text = browser->toPlainText();
    for (const char* phrase : {"Change all tiles to black", "Mode 9", "Ctrl+H", "Ctrl+N", "Ctrl+R",
                               "About Tenebrix...", "Reset Puzzle"}) {
        QVERIFY2(text.contains(phrase), phrase);
    }
    browser->setSource(QUrl("#modes"));
    QCOMPARE(topLine(browser), QString("The nine modes"));
}

QTEST_MAIN(HelpWindowTest)
#include "test_helpwindow.moc"
