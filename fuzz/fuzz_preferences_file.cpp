#include "settings/preferences.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// Every key the program reads from coilwise.conf, through the one accessor, from any bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir home;
    static const bool ready = [] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        QCoreApplication::setApplicationName(QStringLiteral("coilwise"));
        return QDir().mkpath(QFileInfo(coilwise::preferencesPath()).absolutePath());
    }();
    if (!ready) {
        __builtin_trap();
    }
    QFile file(coilwise::preferencesPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        __builtin_trap();
    }
    file.close();
    const coilwise::Preferences preferences;
    static_cast<void>(preferences.value(QStringLiteral("RecentDesigns/files")).toStringList());
    static_cast<void>(preferences.value(QStringLiteral("alternatives/cores")).toString());
    static_cast<void>(preferences.value(QStringLiteral("windows/construction")).toByteArray());
    static_cast<void>(preferences.value(QStringLiteral("windows/alternatives")).toByteArray());
    return 0;
}
