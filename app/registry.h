#pragma once

#include <vector>

#include "app/navigator.h"

namespace nizam {

// All 41 screens of the program, with the module of each screen that is built.
std::vector<RegistryEntry> screenRegistry();

}  // namespace nizam
