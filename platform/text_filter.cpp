#include "platform/text_filter.h"

#include <QList>

namespace nizam::platform {

namespace {
bool isPresentationForm(char32_t c) {
    return (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
}
}  // namespace

QString normalizeTyped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const uint u : text.toUcs4()) {
        const char32_t c = u;
        if (isPresentationForm(c) && c != 0xFEFF)  // U+FEFF is the byte-order mark, not a letter
            out += QString(QString::fromUcs4(&c, 1)).normalized(QString::NormalizationForm_KC);
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out.normalized(QString::NormalizationForm_C);
}

std::string normalizeTyped(const std::string& utf8) {
    return normalizeTyped(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))).toStdString();
}

}  // namespace nizam::platform
