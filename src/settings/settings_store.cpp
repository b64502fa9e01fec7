#include "settings_store.h"

#include "files/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace coilwise {

QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/cwise.ini");
}

QString preferencesPath() {
    return QFileInfo(settingsPath()).absolutePath() + QStringLiteral("/coilwise.conf");
}

std::optional<SettingsLines> readSettings() {
    const std::optional<std::string> bytes = readWholeFile(settingsPath());
    return bytes ? parseSettings(*bytes) : std::nullopt;
}

StartSettings loadSettings(const Locale& locale) {
    if (const std::optional<SettingsLines> lines = readSettings()) {
        if (const std::optional<LoadedSettings> values = validateSettings(*lines, locale)) {
            return {*lines, *values, false};
        }
    }
    const SettingsLines defaults = defaultSettings();
    return {defaults, validateSettings(defaults, locale).value_or(LoadedSettings{}), true};
}

bool writeSettings(const SettingsLines& lines) {
    const QString path = settingsPath();
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeWholeFile(path, serializeSettings(lines));
}

} // namespace coilwise
