#include "platform/fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace nizam::platform {

int registerBundledFonts(const QString& programFolder) {
    const QDir dir(programFolder + "/fonts");
    int registered = 0;
    for (const QString& file : dir.entryList({"*.ttf", "*.otf"}, QDir::Files)) {
        if (QFontDatabase::addApplicationFont(dir.filePath(file)) >= 0) ++registered;
    }
    return registered;
}

QFont mappedFont(const Font& design, double scale) {
    QString family = "DejaVu Sans";
    if (design.name == "Times New Roman")
        family = design.charset == 178 ? "Amiri" : "DejaVu Sans";
    else if (design.name == "MS Sans Serif")
        family = "Noto Sans Arabic";
    QFont font(family);
    // Design sizes are points at 96 dpi: 4/3 pixel per point at scale 1.
    font.setPixelSize(std::max(1, static_cast<int>(design.size * 4.0 / 3.0 * scale + 0.5)));
    font.setBold(design.bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace nizam::platform
