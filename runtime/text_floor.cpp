// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/text_floor.h"

namespace nizam {

namespace {
// ASCII white space and the no-break space (U+00A0, C2 A0 in UTF-8).
bool spaceAt(std::string_view s, std::size_t i, std::size_t& length) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') return length = 1, true;
    if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xA0) return length = 2, true;
    return false;
}
}  // namespace

TextKind kindOfText(std::string_view utf8) {
    bool seenWord = false, gap = false;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        if (spaceAt(utf8, i, length)) {
            gap = seenWord;
        } else {
            if (gap) return TextKind::Sentence;
            seenWord = true;
        }
        i += length;
    }
    return TextKind::Word;
}

const char* textKindName(TextKind kind) {
    switch (kind) {
        case TextKind::Sentence: return "a sentence or label";
        case TextKind::Word: return "a single word, number or code";
        case TextKind::Subscript: return "a subscript";
    }
    return "text";
}

}  // namespace nizam
