#include "settings_format.h"

#include "engine/line_reader.h"
#include "engine/number_text.h"
#include "engine/price.h"

#include <array>
#include <cmath>
#include <utility>

namespace coilwise {

namespace {

// The lines in the order the file holds them.
template <typename Lines> auto inFileOrder(Lines& lines) {
    return std::array{&lines.prima, &lines.frecue, &lines.servi, &lines.hierro, &lines.cobre};
}

// The menu item a line names: its leading number rounded half to even. A leading number of 0 or
// less names no item; the start-up recovers from that exactly as from an item out of range, so it
// is reported the same way.
std::optional<std::int16_t> menuIndex(const std::string& text, int items) {
    const double number = leadingNumber(text);
    const double index = std::nearbyint(number);
    if (!(number > 0 && index >= 1 && index <= items)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(index);
}

} // namespace

SettingsLines defaultSettings() {
    return {"220", "1", "2", "0", "0"};
}

std::optional<SettingsLines> parseSettings(std::string_view bytes) {
    LineReader reader(bytes);
    SettingsLines lines;
    for (std::string* line : inFileOrder(lines)) {
        std::optional<std::string> next = reader.next();
        if (!next) {
            return std::nullopt;
        }
        *line = std::move(*next);
    }
    return lines;
}

std::string serializeSettings(const SettingsLines& lines) {
    std::string bytes;
    for (const std::string* line : inFileOrder(lines)) {
        bytes += *line;
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<LoadedSettings> validateSettings(const SettingsLines& lines, const Locale& locale) {
    const std::optional<double> costofe = readPrice(lines.hierro, locale, PriceSource::settingsFile);
    const std::optional<double> costocu = readPrice(lines.cobre, locale, PriceSource::settingsFile);
    const std::optional<std::int16_t> frequencyIndex = menuIndex(lines.frecue, 2);
    const std::optional<std::int16_t> serviceIndex = menuIndex(lines.servi, 3);
    if (!costofe || !costocu || !frequencyIndex || !serviceIndex) {
        return std::nullopt;
    }
    return LoadedSettings{*costofe, *costocu, *frequencyIndex, *serviceIndex};
}

} // namespace coilwise
