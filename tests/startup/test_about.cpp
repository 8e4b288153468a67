// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: its texts, how it closes, and its system information button.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "DesktopRegistry.h"
#include "FakeLauncher.h"
#include "FakeRegistry.h"
#include "ModalMessageBox.h"
#include "OwnerTexts.h"
#include "ProcessLauncher.h"
#include "StandInPrograms.h"
#include "frmAbout.h"

using namespace tenebrix;
using startup::frmAbout;

namespace {

// An About box over a registry with nothing in it, as from Help > About.
struct AboutOverFakes {
    testing::FakeRegistry registry;
    testing::FakeLauncher launcher;
    ui::ModalMessageBox messages;
    frmAbout about{registry, launcher, messages, nullptr};
};

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT
  private slots:
    void showsTitleVersionAndOwnerTexts() {
        for (int opening = 0; opening < 2; ++opening) {  // the same both times
            AboutOverFakes fakes;
            auto& about = fakes.about;
            QCOMPARE(about.windowTitle(), QString("About Tenebrix"));
            QCOMPARE(about.size(), QSize(377, 190));
            QCOMPARE(about.findChild<QLabel*>("lblTitle")->text(), QString("Tenebrix"));
            QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QString("Version 1.0.0"));
            QCOMPARE(about.findChild<QLabel*>("lblDescription")->text(),
                     QString::fromUtf8(startup::kCopyrightLine));
            QCOMPARE(about.findChild<QLabel*>("Label1")->text(),
                     QString::fromUtf8(startup::kWebAddress));
            QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(),
                     QString("&System Info..."));
            QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault());
            // The legal notice, shared with the splash screen, fits whole here too.
            const auto* notice = about.findChild<QLabel*>("lblDisclaimer");
            QCOMPARE(notice->text(), QString::fromUtf8(startup::kLegalNotice));
            QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
        }
    }

    void enterAndEscapeBothClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscapeBothClose() {
        QFETCH(int, key);
        AboutOverFakes fakes;
        auto& about = fakes.about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.findChild<QPushButton*>("cmdOK")->setFocus();
        QTest::keyClick(&about, static_cast<Qt::Key>(key));
        QVERIFY(!about.isVisible());
    }

    // The real registry and launcher of a Linux desktop, with stand-in tools.
    void systemInfoStartsTheDesktopsTool_data() {
        QTest::addColumn<QString>("desktop");  // XDG_CURRENT_DESKTOP
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");       // empty: none, the message instead
        QTest::addColumn<QByteArray>("arguments");  // their count, then the arguments
        QTest::newRow("hardinfo, no desktop")
            << "" << QStringList{"hardinfo"} << "hardinfo" << QByteArray("0");
        QTest::newRow("KDE") << "KDE" << QStringList{"hardinfo", "kinfocenter"} << "kinfocenter"
                             << QByteArray("0");
        QTest::newRow("GNOME") << "GNOME" << QStringList{"hardinfo", "gnome-control-center"}
                               << "gnome-control-center" << QByteArray("1 info-overview");
        QTest::newRow("none installed") << "KDE" << QStringList{} << "" << QByteArray();
    }
    void systemInfoStartsTheDesktopsTool() {
        QFETCH(QString, desktop);
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        QFETCH(QByteArray, arguments);
        testing::StandInPrograms programs;
        for (const QString& name : installed) programs.install(name);
        qputenv("XDG_CURRENT_DESKTOP", desktop.toLocal8Bit());
        platform::DesktopRegistry registry;
        platform::ProcessLauncher launcher;
        ui::ModalMessageBox messages;
        frmAbout about(registry, launcher, messages, nullptr);
        about.show();
        QString shown;
        QTimer::singleShot(0, [&shown, &about] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                QCOMPARE(box->windowTitle(), QString("Tenebrix"));
                QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
                QCOMPARE(box->parentWidget(), static_cast<QWidget*>(&about));  // over the About box
                box->accept();
            }
        });
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        if (started.isEmpty()) {
            QCOMPARE(shown, QString("System Information Is Unavailable At This Time"));
        } else {
            QTRY_COMPARE(programs.ranWith(started), arguments);
            QVERIFY(shown.isEmpty());
        }
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
