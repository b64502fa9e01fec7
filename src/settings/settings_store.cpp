#include "settings_store.h"

#include "files/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace coilwise {

QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/cwise.ini");
}

std::optional<SettingsLines> readSettings() {
    const std::optional<std::string> bytes = readWholeFile(settingsPath());
    return bytes ? parseSettings(*bytes) : std::nullopt;
}

bool writeSettings(const SettingsLines& lines) {
    const QString path = settingsPath();
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeWholeFile(path, serializeSettings(lines));
}

} // namespace coilwise
