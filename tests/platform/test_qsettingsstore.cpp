// The per-user settings store: what it writes where, and that a store that
// cannot be written says so instead of failing the game's close.
#include <QtTest>

#include "QSettingsStore.h"

using tenebrix::platform::QSettingsStore;

namespace {

void useSettingsFolder(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

}  // namespace

class QSettingsStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void writesUnderTheApplicationAndSection();
    void aStoreThatCannotBeWrittenReturnsFalse_data();
    void aStoreThatCannotBeWrittenReturnsFalse();
};

void QSettingsStoreTest::writesUnderTheApplicationAndSection() {
    QTemporaryDir folder;
    useSettingsFolder(folder.path());
    QSettingsStore store;

    QVERIFY(store.SaveSetting("Tenebrix", "Settings", "MainLeft", "2160"));
    QVERIFY(store.SaveSetting("Tenebrix", "Settings", "MainTop", "1500"));
    QVERIFY(store.SaveSetting("Tenebrix", "Settings", "MainLeft", "2175.5"));

    const QString file = folder.filePath("Tenebrix/Tenebrix.conf");
    QVERIFY2(QFileInfo::exists(file), qPrintable(file));
    const QSettings written(file, QSettings::IniFormat);
    QCOMPARE(written.value("Settings/MainLeft").toString(), QString("2175.5"));
    QCOMPARE(written.value("Settings/MainTop").toString(), QString("1500"));
    QCOMPARE(written.childGroups(), QStringList{"Settings"});

    // Read back by the same route the store writes, as any later reader would.
    const QSettings sameRoute(QSettings::NativeFormat, QSettings::UserScope, "Tenebrix",
                              "Tenebrix");
    QCOMPARE(sameRoute.value("Settings/MainTop").toString(), QString("1500"));
}

void QSettingsStoreTest::aStoreThatCannotBeWrittenReturnsFalse_data() {
    QTest::addColumn<QString>("blocker");  // made a file or a folder where the store must go
    QTest::addColumn<bool>("blockerIsFolder");

    // Permissions do not stop a privileged user, so the store's place is taken
    // by something that cannot be written through by anyone.
    QTest::newRow("settings folder is a file") << "Tenebrix" << false;
    QTest::newRow("settings file is a folder") << "Tenebrix/Tenebrix.conf" << true;
}

void QSettingsStoreTest::aStoreThatCannotBeWrittenReturnsFalse() {
    QFETCH(QString, blocker);
    QFETCH(bool, blockerIsFolder);
    QTemporaryDir folder;
    useSettingsFolder(folder.path());
    if (blockerIsFolder) {
        QVERIFY(QDir(folder.path()).mkpath(blocker));
    } else {
        QFile file(folder.filePath(blocker));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QSettingsStore store;

    QVERIFY(!store.SaveSetting("Tenebrix", "Settings", "MainLeft", "2160"));
    QVERIFY(!store.SaveSetting("Tenebrix", "Settings", "MainTop", "1500"));
}

QTEST_GUILESS_MAIN(QSettingsStoreTest)
#include "test_qsettingsstore.moc"
