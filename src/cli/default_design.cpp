#include "default_design.h"

#include "engine/design_record.h"
#include "qt_locale/qt_locale.h"
#include "settings/settings_store.h"

namespace coilwise {

DesignInput defaultDesign() {
    // Stored prices were typed in the user's own locale, whatever the command line reads.
    const QtLocale system(QLocale::system());
    const StartSettings start = loadSettings(system);
    DesignInput design;
    design.primary = start.lines.prima;
    design.frequency = frequencyOfChoice(start.values.frequencyIndex);
    design.service = start.values.serviceIndex;
    design.ironPrice = start.values.costofe;
    design.copperPrice = start.values.costocu;
    return design;
}

} // namespace coilwise
