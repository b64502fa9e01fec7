#include "preferences.h"

#include "settings_store.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariantMap>
#include <cstdio>

namespace coilwise {

namespace {

// A missing file is created by the first write; anything else must be a small regular file.
bool safeToOpen(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() <= maxPreferencesBytes);
}

QVariantMap& sessionPreferences() {
    static QVariantMap preferences;
    return preferences;
}

void noteOnce(const QString& path) {
    static bool noted = false;
    if (!std::exchange(noted, true)) {
        const QByteArray name = QFile::encodeName(path);
        std::fprintf(stderr,
                     "coilwise: %s is not a regular file of at most 1 MiB; preferences are kept for this "
                     "session only\n",
                     name.constData());
    }
}

} // namespace

Preferences::Preferences() {
    const QString path = preferencesPath();
    if (safeToOpen(path)) {
        file_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    } else {
        noteOnce(path);
    }
}

Preferences::~Preferences() = default;

QVariant Preferences::value(const QString& key) const {
    return file_ ? file_->value(key) : sessionPreferences().value(key);
}

void Preferences::setValue(const QString& key, const QVariant& value) {
    if (file_) {
        file_->setValue(key, value);
    } else {
        sessionPreferences().insert(key, value);
    }
}

} // namespace coilwise
