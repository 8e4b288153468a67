// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: its texts, how it closes, and its system information button.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "FakeLauncher.h"
#include "FakeRegistry.h"
#include "OwnerTexts.h"
#include "SystemInfo.h"
#include "VersionLine.h"
#include "frmAbout.h"

using namespace tenebrix;
using startup::frmAbout;

class AboutTest : public QObject {
    Q_OBJECT
  private slots:
    void versionLineIsPlainDigits() {
        QCOMPARE(startup::VersionLine({1, 0, 0}), std::string("Version 1.0.0"));
        QCOMPARE(startup::VersionLine({2, 10, 7}), std::string("Version 2.10.7"));
    }

    void showsTitleVersionAndOwnerTexts() {
        testing::FakeRegistry registry;
        testing::FakeLauncher launcher;
        for (int opening = 0; opening < 2; ++opening) {  // the same both times
            frmAbout about(registry, launcher, nullptr);
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
        testing::FakeRegistry registry;
        testing::FakeLauncher launcher;
        frmAbout about(registry, launcher, nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.findChild<QPushButton*>("cmdOK")->setFocus();
        QTest::keyClick(&about, static_cast<Qt::Key>(key));
        QVERIFY(!about.isVisible());
    }

    // No entry: the message, nothing launched, and the box stays open.
    void systemInfoUnavailableSaysSo() {
        testing::FakeRegistry registry;
        testing::FakeLauncher launcher;
        frmAbout about(registry, launcher, nullptr);
        about.show();
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                QCOMPARE(box->icon(), QMessageBox::NoIcon);
                box->accept();
            }
        });
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(shown, QString("System Information Is Unavailable At This Time"));
        QVERIFY(launcher.launched.empty());
        QVERIFY(about.isVisible());
    }

    void systemInfoLaunchesTheRegisteredTool() {
        testing::FakeRegistry registry;
        testing::FakeLauncher launcher;
        registry.setText(platform::kHkeyLocalMachine, platform::kSysInfoPathKey,
                         platform::kSysInfoPathValue, "/usr/bin/sysinfo-tool");
        launcher.existingFiles.insert("/usr/bin/sysinfo-tool");
        frmAbout about(registry, launcher, nullptr);
        about.findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(launcher.launched, std::vector<std::string>{"/usr/bin/sysinfo-tool"});
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
