// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest text a pupil reads on a classroom screen, in window pixels:
// the card setter refuses a card below it and the tests hold every text the
// program draws to it. "Size" is the font size in pixels after every
// transform between the text and the window (the picture's own transforms,
// its size on the page, the page's scale).
#pragma once

#include <string_view>

namespace nizam {

enum class TextKind {
    Sentence,   // several words: a sentence or a label a pupil reads
    Word,       // a single word, number or code
    Subscript,  // a subscript or superscript run
};

// The floor of a kind of text, in window pixels.
constexpr double textFloor(TextKind kind) {
    switch (kind) {
        case TextKind::Sentence: return 12.0;
        case TextKind::Word: return 10.0;
        case TextKind::Subscript: return 8.0;
    }
    return 12.0;
}

// The window the floors are checked in: the window a 1366 x 768 screen gives
// without a window manager, the smallest classroom screen's height.
constexpr double kFloorWindowWidth = 1024.0;
constexpr double kFloorWindowHeight = 768.0;

// A text (UTF-8) of two words or more that hold a letter is a Sentence; any
// other (one word, a number with its unit, a row of signs) a Word.
TextKind kindOfText(std::string_view utf8);

const char* textKindName(TextKind kind);

}  // namespace nizam
