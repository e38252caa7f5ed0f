// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the program draws with, bundled in its own folder.
#pragma once

#include <QFont>
#include <QString>

#include "runtime/model.h"

namespace nizam::platform {

// A font file larger than this is not loaded (the bundled ones are below 1 MB).
inline constexpr qint64 kMaxFontFileBytes = 32LL * 1024 * 1024;

// The font files the program brings in its `fonts` folder.
inline constexpr const char* kBundledFonts[] = {
    "Amiri-Bold.ttf",           "Amiri-Regular.ttf",          "DejaVuSans-Bold.ttf",
    "DejaVuSans.ttf",           "NotoKufiArabic-Bold.ttf",    "NotoKufiArabic-Regular.ttf",
    "NotoNaskhArabic-Bold.ttf", "NotoNaskhArabic-Regular.ttf", "NotoSansArabic-Bold.ttf",
    "NotoSansArabic-Regular.ttf",
};

// Registers every font file of `<folder>/fonts`; returns how many were
// registered. A missing folder, or the bundled files that are missing or
// cannot be loaded, are told in one line (runtime/diagnostics.h): the system's fonts then stand in.
int registerBundledFonts(const QString& programFolder);

// The bundled font that stands for a design font: "Times New Roman" with the
// Arabic character set is drawn with Amiri, "MS Sans Serif" with Noto Sans
// Arabic, "Verdana" with DejaVu Sans; the other bundled families follow as
// stand-ins. `scale` scales the size.
QFont mappedFont(const Font& design, double scale);

}  // namespace nizam::platform
