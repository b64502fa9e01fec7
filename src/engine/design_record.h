#pragma once

#include "design.h"

#include <cstdint>
#include <optional>
#include <string>

namespace coilwise {

// The design's values that live beside the field texts: the settings the calculation reads,
// the service constants and the state a run leaves behind.
struct DesignRecord {
    std::int16_t frec = 0;   // working frequency, 50 or 60 Hz
    std::int16_t tiserv = 0; // service: 1 continuous, 2 discontinuous, 3 random
    double costofe = 0;      // iron price per kg
    double costocu = 0;      // copper price per kg

    std::string tiposervicio;
    std::int16_t gauss = 0; // peak flux density, gauss
    double deltadia = 0;    // current density, A/mm²

    std::int16_t q = 0; // secondaries in use at the last count
    double pesofe = 0;  // E plus I laminations, grams
    bool carga = false;
    bool recalcularcosto = false;
    bool archivomodif = false;

    // What the last run that passed the input checks designed from, and the design when it
    // succeeded; none after a Clear (and no design after a stopped run).
    std::optional<DesignRequest> request;
    std::optional<Design> design;
};

struct ServiceConstants {
    const char* tiposervicio;
    std::int16_t gauss;
    double deltadia;
};

// The constants of service 1 to 3; nullptr for any other index, which leaves them as they were.
const ServiceConstants* serviceConstants(int index);

// The working frequency of frequency choice 1 (50 Hz) or 2 (60 Hz), and the choice of a frequency.
std::int16_t frequencyOfChoice(int choice);
int frequencyChoice(int hertz);

} // namespace coilwise
