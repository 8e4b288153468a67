// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer window, over a sample file and over the manual that ships
// with the game.
#include <QApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "HelpWindow.h"

using tenebrix::platform::HelpWindow;

namespace {

// A title and an introduction before the contents, so "at its contents" and
// "at the top" differ, and enough text after them to scroll.
QByteArray sampleHelp() {
    const auto lines = [](const char* text, int count) {
        QByteArray html;
        for (int i = 0; i < count; ++i) html += "<p>" + QByteArray(text) + ".</p>";
        return html;
    };
    return "<html><body><h1>Sample Title</h1>" + lines("Introduction", 40) +
           "<a name=\"contents\"></a><h2>Contents Heading</h2>" + lines("Body line", 200) +
           "<a name=\"end\"></a><h2>The End Section</h2>" + lines("Closing line", 60) +
           "</body></html>";
}

QTextBrowser* browserOf(const HelpWindow& help) {
    return help.window() ? help.window()->findChild<QTextBrowser*>("helpBrowser") : nullptr;
}

// The text of the line at the top of the browser's view.
QString topLine(const HelpWindow& help) {
    return browserOf(help)->cursorForPosition(QPoint(10, 10)).block().text();
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensAtTheContentsBesideTheGameEveryTime();
    void aMissingFileIsReportedInTheViewer();
    void theManualOpensAtItsContentsAndItsLinksLand();
};

// Modeless, beside the game window, at the contents; asked again after
// reading elsewhere, minimising or closing, it is back at the contents.
void HelpWindowTest::opensAtTheContentsBesideTheGameEveryTime() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tenebrix.hlp");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sampleHelp()) > 0);
    file.close();
    QWidget game;
    game.setGeometry(10, 10, 200, 150);
    game.show();
    HelpWindow help;

    help.showContents(&game, path);
    QWidget* window = help.window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->objectName(), QString("helpWindow"));
    QCOMPARE(window->windowTitle(), QString("Tenebrix Help"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(window->frameGeometry().left() > game.frameGeometry().right());
    QCOMPARE(topLine(help), QString("Contents Heading"));

    browserOf(help)->setSource(QUrl("#end"));
    QCOMPARE(topLine(help), QString("The End Section"));
    window->showMinimized();
    help.showContents(&game, path);
    QCOMPARE(help.window(), window);
    QVERIFY(window->isVisible() && !window->isMinimized());
    QCOMPARE(topLine(help), QString("Contents Heading"));

    window->close();
    help.showContents(&game, path);
    QVERIFY(window->isVisible());
}

void HelpWindowTest::aMissingFileIsReportedInTheViewer() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Missing.hlp");
    HelpWindow help;

    help.showContents(nullptr, path);

    QVERIFY(help.window() && help.window()->isVisible());
    QCOMPARE(browserOf(help)->toPlainText(),
             "The help file " + QDir::toNativeSeparators(path) + " could not be opened.");
}

void HelpWindowTest::theManualOpensAtItsContentsAndItsLinksLand() {
    const QString manual = QStringLiteral(TENEBRIX_MANUAL);
    QFile file(manual);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(manual));
    const QString html = QString::fromUtf8(file.readAll());
    QStringList anchors;
    for (const auto& match : QRegularExpression("<a name=\"([^\"]+)\"").globalMatch(html)) {
        anchors << match.captured(1);
    }
    QCOMPARE(anchors.value(0), QString("contents"));
    for (const auto& match : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html)) {
        QVERIFY2(anchors.contains(match.captured(1)), qPrintable(match.captured(0)));
    }

    HelpWindow help;
    help.showContents(nullptr, manual);
    QVERIFY(QTest::qWaitForWindowExposed(help.window()));
    QCOMPARE(topLine(help), QString("How to Play Tenebrix"));
}

QTEST_MAIN(HelpWindowTest)
#include "test_helpwindow.moc"
