#pragma once

#include "engine/chosen_core.h"

#include <vector>

namespace coilwise {

// The cores a person has said they own, kept in the preferences file coilwise.conf beside
// cwise.ini (which keeps exactly its five lines) as "alternatives/cores=23:30 40:60".
std::vector<ChosenCore> loadOwnCores();
void saveOwnCores(const std::vector<ChosenCore>& cores);

} // namespace coilwise
