// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: its texts, how it closes, its keys, and its system
// information button.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "DesktopRegistry.h"
#include "ModalCatcher.h"
#include "ModalMessageBox.h"
#include "ProcessLauncher.h"
#include "ProjectVersion.h"
#include "StandInPrograms.h"
#include "frmAbout.h"

using namespace tenebrix;
using startup::frmAbout;

class AboutTest : public QObject {
    Q_OBJECT
    // Each About box runs over the desktop's real registry and launcher.
    platform::DesktopRegistry registry;
    platform::ProcessLauncher launcher;
    qt::ModalMessageBox messages;
    const QByteArray m_path = qgetenv("PATH");
    const QByteArray m_desktop = qgetenv("XDG_CURRENT_DESKTOP");
    const bool m_desktopSet = qEnvironmentVariableIsSet("XDG_CURRENT_DESKTOP");  // or unset

  private slots:
    // Opened twice, the same both times; Enter closes it, and so does Esc.
    void showsItsTextsAndClosesOnEnterOrEsc() {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            frmAbout about(registry, launcher, messages, nullptr);
            QCOMPARE(about.windowTitle(), QString("About Tenebrix"));
            QCOMPARE(about.size(), QSize(377, 190));
            QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(),
                     QString("Version " TENEBRIX_PROJECT_VERSION));
            // The legal notice, shared with the splash screen, fits whole here too.
            const auto* notice = about.findChild<QLabel*>("lblDisclaimer");
            QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
            QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault());
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QTest::keyClick(&about, key);
            QVERIFY2(!about.isVisible(), key == Qt::Key_Return ? "Enter" : "Esc");
        }
    }

    // The etched separator: a grey row with two white rows under it, across
    // the box; Tab goes from OK, which opens in focus, to System Info.
    void etchedLineAndTabOrder() {
        frmAbout about(registry, launcher, messages, nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage shown = about.grab().toImage();
        const QColor window = about.palette().color(QPalette::Window);
        const QList<std::pair<int, QColor>> rows{{89, window},
                                                 {90, QColor(128, 128, 128)},
                                                 {91, Qt::white},
                                                 {92, Qt::white},
                                                 {93, window}};
        for (const auto& [y, colour] : rows) {
            for (const int x : {17, 200, 361})
                QVERIFY2(shown.pixelColor(x, y) == colour,
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
        }
        QCOMPARE(shown.pixelColor(14, 91), window);  // the white line starts a pixel later
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cmdSysInfo"));
    }

    // The box's keys go through its rules: a plain letter does nothing, Alt
    // and a button's letter presses it (the message comes over the box and
    // the focus goes back to the button), Enter presses the button in focus,
    // Esc closes the box.
    void keysGoThroughTheBoxsRules() {
        testing::StandInPrograms none;  // no tool: System Info says so
        testing::ScopedEnvironment desktopName("XDG_CURRENT_DESKTOP", "KDE");
        frmAbout about(registry, launcher, messages, nullptr);
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        testing::ModalCatcher boxes;
        auto* sysInfo = about.findChild<QPushButton*>("cmdSysInfo");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
        QCOMPARE(boxes.seen.size(), std::size_t{0});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(boxes.seen.size(), std::size_t{1});
        QCOMPARE(about.focusWidget(), sysInfo);
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(boxes.seen.size(), std::size_t{2});
        QVERIFY(about.isVisible());
        QTest::keyClick(about.focusWidget(), Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    // Opened from the game window, the box stands centred over it, to the
    // half pixel an odd difference in size leaves, whatever the window's size.
    void standsCentredOverTheGameWindow() {
        for (const QRect owned : {QRect(100, 120, 453, 347), QRect(37, 64, 600, 400)}) {
            QWidget owner;
            owner.setGeometry(owned);
            owner.show();
            QVERIFY(QTest::qWaitForWindowExposed(&owner));
            const QRect outer = owner.frameGeometry();
            testing::ModalCatcher boxes;
            frmAbout::mnuHelpAbout_Click(registry, launcher, messages, &owner);
            QCOMPARE(boxes.seen.size(), std::size_t{1});
            const QRect box = boxes.seen.front().frame;
            const int leftTwice = 2 * (box.left() - outer.left());
            const int topTwice = 2 * (box.top() - outer.top());
            QVERIFY2(std::abs(leftTwice - (outer.width() - box.width())) <= 1,
                     qPrintable(QString::number(box.left())));
            QVERIFY2(std::abs(topTwice - (outer.height() - box.height())) <= 1,
                     qPrintable(QString::number(box.top())));
        }
    }

    void systemInfoStartsTheDesktopsTool_data() {
        QTest::addColumn<QString>("desktop");  // XDG_CURRENT_DESKTOP
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QByteArray>("settingsPanels");  // what GNOME Settings lists
        // The last tool installed runs with these arguments (count, then them); none: message.
        QTest::addColumn<QByteArray>("ranWith");
        // Which tool each desktop gets is the desktop registry's test; here
        // one started with its arguments, and the message when there is none.
        const QStringList gnome{"hardinfo", "gnome-control-center"};
        QTest::newRow("GNOME Settings 46")
            << "GNOME" << gnome << testing::kGnomeSettings46Panels << QByteArray("2 system about");
        QTest::newRow("none installed") << "KDE" << QStringList{} << QByteArray() << QByteArray();
    }
    void systemInfoStartsTheDesktopsTool() {
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, settingsPanels);
        QFETCH(QByteArray, ranWith);
        testing::StandInPrograms programs;
        for (const QString& name : installed)
            programs.install(name, name == "gnome-control-center" ? settingsPanels : QByteArray());
        testing::ScopedEnvironment desktopName("XDG_CURRENT_DESKTOP", desktop.toLocal8Bit());
        frmAbout about(registry, launcher, messages, nullptr);
        about.show();
        testing::ModalCatcher boxes;
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QVERIFY(about.isVisible());
        if (!installed.isEmpty()) {
            QCOMPARE(boxes.seen.size(), std::size_t{0});
            QTRY_COMPARE(programs.ranWith(installed.last()), ranWith);
            return;
        }
        // The message, OK only and no icon, over the About box.
        QCOMPARE(boxes.seen.size(), std::size_t{1});
        const testing::ModalSnapshot& box = boxes.seen.front();
        QCOMPARE(box.title + ": " + box.text,
                 QString("Tenebrix: System Information Is Unavailable At This Time"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.owner, static_cast<QWidget*>(&about));
    }

    // Whatever a test changed in the environment is back as it was, even after a failure.
    void cleanup() {
        QCOMPARE(qgetenv("PATH"), m_path);
        QCOMPARE(qgetenv("XDG_CURRENT_DESKTOP"), m_desktop);
        QCOMPARE(qEnvironmentVariableIsSet("XDG_CURRENT_DESKTOP"), m_desktopSet);
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
