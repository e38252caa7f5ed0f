// The fonts the program draws with, bundled in its own folder.
#pragma once

#include <QFont>
#include <QString>

#include "runtime/model.h"

namespace nizam::platform {

// Registers every font file of `<folder>/fonts`; returns how many were registered.
int registerBundledFonts(const QString& programFolder);

// The bundled font that stands for a design font: "Times New Roman" with the
// Arabic character set is drawn with Amiri, "MS Sans Serif" with Noto Sans
// Arabic, "Verdana" with DejaVu Sans. `pixelsPerPoint` scales the size.
QFont mappedFont(const Font& design, double scale);

}  // namespace nizam::platform
