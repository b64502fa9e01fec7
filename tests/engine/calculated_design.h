#pragma once

#include "engine/calculation.h"
#include "engine/memory_window.h"

#include <string>
#include <utility>
#include <vector>

namespace coilwise {

// Runs a design through Calculate as the window would and returns the record it leaves.
inline DesignRecord calculated(const std::string& primary,
                               const std::vector<std::pair<std::string, std::string>>& rows, int service) {
    const FixedLocale locale = FixedLocale::point();
    DesignRecord record;
    record.frec = 50;
    record.tiserv = static_cast<std::int16_t>(service);
    record.carga = true;
    MemoryWindow window(record, locale);
    window.setText({Field::labvpri}, primary);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        window.setText({Field::labvsec, static_cast<int>(i) + 1}, rows[i].first);
        window.setText({Field::labisec, static_cast<int>(i) + 1}, rows[i].second);
    }
    Command1_Click(record, window, locale);
    return record;
}

inline constexpr int continuous = 1;
inline constexpr int random = 3;

} // namespace coilwise
