// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one setting through QSettings.
#include "QSettingsStore.h"

#include <QSettings>

namespace tenebrix::platform {

bool QSettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                 const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    // Flushed here rather than when `settings` goes away, so that a failure
    // is seen and reported instead of being lost in the destructor.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace tenebrix::platform
