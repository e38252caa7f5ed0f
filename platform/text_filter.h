// What a text box reports for what was typed into it.
#pragma once

#include <QString>
#include <string>

namespace nizam::platform {

// Unicode NFC, with Arabic presentation forms (U+FB50..U+FDFF, U+FE70..U+FEFF)
// replaced by the letters they stand for. The Linux Arabic keyboard's lam-alef
// key types U+FEFB and some input methods type decomposed letters; without
// this a right answer would compare unequal to the key.
QString normalizeTyped(const QString& text);
std::string normalizeTyped(const std::string& utf8);

}  // namespace nizam::platform
