// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: what it writes is there to read, and a store
// that cannot be written says so instead of failing the game's close.
#include <QtTest>

#include "QSettingsStore.h"

using tenebrix::platform::QSettingsStore;

class QSettingsStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void writtenValuesCanBeReadBack() {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettingsStore store;
        QVERIFY(store.SaveSetting("Tenebrix", "Settings", "MainLeft", "2160"));
        QVERIFY(store.SaveSetting("Tenebrix", "Settings", "MainLeft", "2175.5"));
        const QSettings written(QSettings::UserScope, "Tenebrix", "Tenebrix");
        QCOMPARE(written.value("Settings/MainLeft").toString(), QString("2175.5"));
    }

    // Permissions do not stop a privileged user, so the store's folder is taken
    // by a file, which nobody can write through.
    void aStoreThatCannotBeWrittenReturnsFalse() {
        QTemporaryDir folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QFile blocker(folder.filePath("Tenebrix"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QVERIFY(!QSettingsStore().SaveSetting("Tenebrix", "Settings", "MainLeft", "2160"));
    }
};

QTEST_GUILESS_MAIN(QSettingsStoreTest)
#include "test_qsettingsstore.moc"
