#pragma once

#include "settings_format.h"

#include <QString>
#include <optional>

namespace coilwise {

// cwise.ini in the user's configuration folder for the application, worked out afresh on every
// call so that a changed environment is honoured.
QString settingsPath();

// The preferences file beside cwise.ini (recent designs, own cores, window places), so that
// cwise.ini keeps exactly its five lines; worked out afresh on every call too.
QString preferencesPath();

// None when the file is missing, cannot be read or holds fewer than five lines.
std::optional<SettingsLines> readSettings();

// The settings the program starts with: the file's lines when they hold valid values, otherwise the
// defaults, then marked repaired. The window writes repaired lines back; the command line never does.
struct StartSettings {
    SettingsLines lines;
    LoadedSettings values;
    bool repaired = false;
};
StartSettings loadSettings(const Locale& locale);

// Replaces the file as a whole, creating its folder when missing: a failed write leaves the old
// file as it was. False on any failure.
bool writeSettings(const SettingsLines& lines);

} // namespace coilwise
