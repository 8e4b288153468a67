// SPDX-License-Identifier: GPL-3.0-or-later
// Writing one setting through QSettings.
#include "QSettingsStore.h"

#include <QSettings>

namespace tenebrix::platform {

bool QSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                 const std::string& key, const std::string& value) {
    const QString application = QString::fromStdString(appName);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
    settings.beginGroup(QString::fromStdString(section));
    settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings.endGroup();
    // Flushed here rather than when `settings` goes away, so that a failure
    // is seen and reported instead of being lost in the destructor.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace tenebrix::platform
