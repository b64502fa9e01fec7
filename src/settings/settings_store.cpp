#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace coilwise {

QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/cwise.ini");
}

std::optional<SettingsLines> readSettings() {
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return parseSettings(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool writeSettings(const SettingsLines& lines) {
    const QString path = settingsPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const std::string bytes = serializeSettings(lines);
    const auto size = static_cast<qint64>(bytes.size());
    // The commit overlooks a failure of the final flush, so the flush is checked here. Returning
    // without a commit discards the new file and keeps the old one.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        return false;
    }
    return file.commit();
}

} // namespace coilwise
