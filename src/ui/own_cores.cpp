#include "own_cores.h"

#include "settings/preferences.h"

namespace coilwise {

namespace {

const QString key = QStringLiteral("alternatives/cores");

} // namespace

std::vector<ChosenCore> loadOwnCores() {
    std::vector<ChosenCore> cores;
    // Entries that do not read as a core (edited by hand, from another version) are left out.
    const QStringList entries =
        Preferences().value(key).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        const QStringList sizes = entry.split(QLatin1Char(':'));
        bool tongueRead = false;
        bool stackRead = false;
        const int tongue = sizes.value(0).toInt(&tongueRead);
        const int stack = sizes.value(1).toInt(&stackRead);
        if (sizes.size() != 2 || !tongueRead || !stackRead) {
            continue;
        }
        if (const std::optional<ChosenCore> core = chosenCore(tongue, stack)) {
            cores.push_back(*core);
        }
    }
    return cores;
}

void saveOwnCores(const std::vector<ChosenCore>& cores) {
    QStringList entries;
    for (const ChosenCore& core : cores) {
        entries << QString::number(static_cast<int>(core.lamination.tongueMm)) + QLatin1Char(':') +
                       QString::number(core.stackMm);
    }
    Preferences().setValue(key, entries.join(QLatin1Char(' ')));
}

} // namespace coilwise
