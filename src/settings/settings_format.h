#pragma once

#include "engine/locale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace coilwise {

// The five lines of cwise.ini, kept as the user typed them (UTF-8).
struct SettingsLines {
    std::string prima;  // primary voltage
    std::string frecue; // frequency menu index: 1 = 50 Hz, 2 = 60 Hz
    std::string servi;  // service menu index 1..3
    std::string hierro; // iron price per kg
    std::string cobre;  // copper price per kg

    bool operator==(const SettingsLines&) const = default;
};

// What the start-up takes from the settings once they have been checked.
struct LoadedSettings {
    double costofe = 0;
    double costocu = 0;
    std::int16_t frequencyIndex = 1;
    std::int16_t serviceIndex = 2;
};

SettingsLines defaultSettings();

// None when the bytes hold fewer than five lines; lines after the fifth are ignored.
std::optional<SettingsLines> parseSettings(std::string_view bytes);

// Five lines, each ended by CR LF.
std::string serializeSettings(const SettingsLines& lines);

// The prices and menu indexes the lines stand for, or none when the start-up must put every line
// back to its default.
std::optional<LoadedSettings> validateSettings(const SettingsLines& lines, const Locale& locale);

} // namespace coilwise
