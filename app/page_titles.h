// SPDX-License-Identifier: GPL-3.0-or-later
// The Arabic title of every page, shown in the window's title bar beside the
// program's name.
#pragma once

#include <string>
#include <string_view>

namespace nizam {

// The program's name as the pupil reads it.
inline constexpr std::string_view kProgramName = "نظام";

// The page's own title ("وضعية مشكلة" for Form3), from its descriptor;
// empty for a name that is not one of Form1 .. Form41.
std::string_view pageTitle(std::string_view screen);

// What the window's title bar shows for a page: «نظام — <title>».
std::string windowTitle(std::string_view screen);

}  // namespace nizam
