// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: its texts, how it closes, and its system information button.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "DesktopRegistry.h"
#include "ModalMessageBox.h"
#include "OwnerTexts.h"
#include "ProcessLauncher.h"
#include "StandInPrograms.h"
#include "frmAbout.h"

using namespace tenebrix;
using startup::frmAbout;

class AboutTest : public QObject {
    Q_OBJECT
    // Each About box runs over the desktop's real registry and launcher.
    platform::DesktopRegistry registry;
    platform::ProcessLauncher launcher;
    ui::ModalMessageBox messages;

  private slots:
    // Opened twice, the same both times; Enter closes it, and so does Esc.
    void showsItsTextsAndClosesOnEnterOrEsc() {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            frmAbout about(registry, launcher, messages, nullptr);
            QCOMPARE(about.windowTitle(), QString("About Tenebrix"));
            QCOMPARE(about.size(), QSize(377, 190));
            const std::pair<const char*, QString> texts[] = {
                {"lblTitle", "Tenebrix"},
                {"lblVersion", "Version 1.0.0"},
                {"lblDescription", forms::kCopyrightLine},
                {"Label1", forms::kWebAddress},
                {"lblDisclaimer", forms::kLegalNotice},
                {"cmdSysInfo", "&System Info..."}};
            for (const auto& [name, text] : texts)
                QCOMPARE(about.findChild<QWidget*>(name)->property("text").toString(), text);
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

    void systemInfoStartsTheDesktopsTool_data() {
        QTest::addColumn<QString>("desktop");  // XDG_CURRENT_DESKTOP
        QTest::addColumn<QStringList>("installed");
        // The last tool installed runs with these arguments (count, then them); none: message.
        QTest::addColumn<QByteArray>("ranWith");
        QTest::newRow("hardinfo, no desktop") << "" << QStringList{"hardinfo"} << QByteArray("0");
        QTest::newRow("KDE") << "KDE" << QStringList{"hardinfo", "kinfocenter"} << QByteArray("0");
        QTest::newRow("GNOME") << "GNOME" << QStringList{"hardinfo", "gnome-control-center"}
                               << QByteArray("1 info-overview");
        QTest::newRow("none installed") << "KDE" << QStringList{} << QByteArray();
    }
    void systemInfoStartsTheDesktopsTool() {
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, ranWith);
        testing::StandInPrograms programs;
        for (const QString& name : installed) programs.install(name);
        qputenv("XDG_CURRENT_DESKTOP", desktop.toLocal8Bit());
        frmAbout about(registry, launcher, messages, nullptr);
        about.show();
        QString shown;
        QTimer::singleShot(0, [&shown, &about] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + ": " + box->text();
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                QCOMPARE(box->parentWidget(), static_cast<QWidget*>(&about));  // over the About box
                box->accept();
            }
        });
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        const QString unavailable = "Tenebrix: System Information Is Unavailable At This Time";
        QCOMPARE(shown, installed.isEmpty() ? unavailable : QString());
        if (!installed.isEmpty()) QTRY_COMPARE(programs.ranWith(installed.last()), ranWith);
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
