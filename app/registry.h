// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "app/navigator.h"

namespace nizam {

// All 41 screens of the program, Form1 to Form41, each with its module.
std::vector<RegistryEntry> screenRegistry();

}  // namespace nizam
