#include "serial/UserSettings.h"

#include <QFileInfo>

namespace {

const QString Name = QStringLiteral("lt840"); // both the organisation and the application
const QString DeviceKey = QStringLiteral("port/peripherique");

} // namespace

QSettings userSettings() {
    return QSettings(Name, Name);
}

// Asked of the settings' INI twin, whose file name is a path on every system (the native
// one names a registry key on Windows); on Linux both files share the folder.
QString userSettingsFolder() {
    const QSettings ini(QSettings::IniFormat, QSettings::UserScope, Name, Name);
    return QFileInfo(ini.fileName()).absolutePath();
}

QString rememberedDevice() {
    return userSettings().value(DeviceKey).toString();
}

void rememberDevice(const QString& device) {
    QSettings settings = userSettings();
    if (device.isEmpty())
        settings.remove(DeviceKey);
    else
        settings.setValue(DeviceKey, device);
}
