#include "design_record.h"

#include <array>

namespace coilwise {

const ServiceConstants* serviceConstants(int index) {
    static const std::array<ServiceConstants, 3> services{{
        {"Continuous service", 10500, 2.0},
        {"Discontinuous service", 12000, 3.0},
        {"Random service", 13500, 35.0 / 10},
    }};
    if (index < 1 || index > 3) {
        return nullptr;
    }
    return &services[static_cast<std::size_t>(index - 1)];
}

std::int16_t frequencyOfChoice(int choice) {
    return static_cast<std::int16_t>(choice == 1 ? 50 : 60);
}

int frequencyChoice(int hertz) {
    return hertz == 50 ? 1 : 2;
}

} // namespace coilwise
