#include "design_input.h"

#include "settings/settings_store.h"
#include "ui/qt_locale.h"

namespace coilwise {

DesignInput defaultDesign() {
    // Stored prices were typed in the user's own locale, whatever the command line reads.
    const QtLocale system(QLocale::system());
    SettingsLines lines = readSettings().value_or(defaultSettings());
    std::optional<LoadedSettings> loaded = validateSettings(lines, system);
    if (!loaded) {
        lines = defaultSettings();
        loaded = validateSettings(lines, system);
    }
    DesignInput design;
    design.primary = lines.prima;
    design.frequency = static_cast<std::int16_t>(loaded->frequencyIndex == 1 ? 50 : 60);
    design.service = loaded->serviceIndex;
    design.ironPrice = loaded->costofe;
    design.copperPrice = loaded->costocu;
    return design;
}

} // namespace coilwise
