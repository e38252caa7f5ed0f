// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <string>

#include "runtime/diagnostics.h"

namespace nizam::platform {

int registerBundledFonts(const QString& programFolder) {
    const QDir dir(programFolder + "/fonts");
    QStringList files = dir.entryList({"*.ttf", "*.otf"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        diagnostics::tellOnce({}, "no font files in " + dir.path().toStdString() +
                                      ": the system's Arabic fonts are used instead");
        return 0;
    }
    QStringList missing;
    for (const char* name : kBundledFonts) {
        const QString file = QString::fromLatin1(name);
        if (!files.contains(file)) missing.append(file);
    }
    int registered = 0;
    for (const QString& file : files) {
        const QString path = dir.filePath(file);
        // A font larger than any real one is not read into memory at all.
        if (QFileInfo(path).size() <= kMaxFontFileBytes && QFontDatabase::addApplicationFont(path) >= 0)
            ++registered;
        else
            missing.append(file);
    }
    if (!missing.isEmpty()) {
        diagnostics::tellOnce({}, std::string("missing or unreadable font") + (missing.size() > 1 ? "s" : "") + " in " +
                                      dir.path().toStdString() + ": " +
                                      missing.join(QStringLiteral(", ")).toStdString() + "; the system's fonts stand in");
    }
    return registered;
}

QFont mappedFont(const Font& design, double scale) {
    // The bundled family first; the others stand in when it could not be
    // loaded, so Arabic text is still drawn with an Arabic font of the
    // system (Qt then falls back further, by script, to any font that has
    // the letters).
    QStringList families;
    if (design.name == "Times New Roman" && design.charset == 178)
        families = {"Amiri", "Noto Naskh Arabic", "Noto Sans Arabic", "DejaVu Sans"};
    else if (design.name == "MS Sans Serif")
        families = {"Noto Sans Arabic", "Noto Naskh Arabic", "Amiri", "DejaVu Sans"};
    else
        families = {"DejaVu Sans", "Noto Sans Arabic", "Noto Naskh Arabic"};
    QFont font(families.first());
    font.setFamilies(families);
    // Design sizes are points at 96 dpi: 4/3 pixel per point at scale 1.
    font.setPixelSize(std::max(1, static_cast<int>(design.size * 4.0 / 3.0 * scale + 0.5)));
    font.setBold(design.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace nizam::platform
