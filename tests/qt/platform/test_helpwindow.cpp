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

static QTextBrowser* browserOf(const HelpWindow& help) {
    return help.window()->findChild<QTextBrowser*>("helpBrowser");
}

static QString topLine(const HelpWindow& help) {
    return browserOf(help)->cursorForPosition(QPoint(10, 10)).block().text();
}

class HelpWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Modeless, beside the game, at the contents (not the top); asked again after reading
    // elsewhere, minimising or closing, back at the contents; a missing file is reported.
    void opensAtTheContentsBesideTheGameEveryTime() {
        QTemporaryDir dir;
        const QString path = dir.filePath("Tenebrix.hlp");
        const QByteArray text = QByteArray("<p>Enough lines to scroll.</p>").repeated(100);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write("<html><h1>Sample Title</h1>" + text +
                           "<a name=\"contents\"></a><h2>Contents Heading</h2>" + text +
                           "<a name=\"end\"></a><h2>The End Section</h2>" + text) > 0 &&
                file.flush());
        QWidget game;
        game.setGeometry(10, 10, 200, 150);
        game.show();
        HelpWindow help;
        help.showContents(&game, path);
        QWidget* window = help.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
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
        const QString missing = dir.filePath("Missing.hlp");
        help.showContents(&game, missing);
        QVERIFY(window->isVisible());
        QCOMPARE(browserOf(help)->toPlainText(),
                 "The help file " + QDir::toNativeSeparators(missing) + " could not be opened.");
    }

    // Every link of the manual lands on an anchor, and it opens at its contents.
    void theManualOpensAtItsContentsAndItsLinksLand() {
        QFile file(QStringLiteral(TENEBRIX_MANUAL));
        QVERIFY2(file.open(QIODevice::ReadOnly), TENEBRIX_MANUAL);
        const QString html = QString::fromUtf8(file.readAll());
        QStringList anchors;
        for (const auto& match : QRegularExpression("<a name=\"([^\"]+)\"").globalMatch(html))
            anchors << match.captured(1);
        QCOMPARE(anchors.value(0), QString("contents"));
        for (const auto& match : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html))
            QVERIFY2(anchors.contains(match.captured(1)), qPrintable(match.captured(0)));
        HelpWindow help;
        help.showContents(nullptr, file.fileName());
        QVERIFY(QTest::qWaitForWindowExposed(help.window()));
        QCOMPARE(topLine(help), QString("How to Play Tenebrix"));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "test_helpwindow.moc"
