// SPDX-License-Identifier: GPL-3.0-or-later
// What a text box reports for what was typed or pasted into it.
#pragma once

#include <QString>
#include <string>

namespace nizam::platform {

// The text as the pupil sees it, in one spelling:
// - Arabic presentation forms (U+FB50..U+FDFF, U+FE70..U+FEFE) are replaced by
//   the letters they stand for and the text is put in Unicode NFC. The Linux
//   Arabic keyboard's lam-alef key types U+FEFB and some input methods type
//   decomposed letters; without this a right answer would compare unequal.
// - Characters that draw nothing are dropped: direction marks, embeddings,
//   overrides and isolates, zero-width spaces, the byte-order mark, soft
//   hyphens, tabs and line breaks, which pasting or an input method may
//   slip in. A zero-width joiner or non-joiner is dropped only where it
//   leaves the letters' shapes as they are; where it changes how two Arabic
//   letters join, the pupil sees a different word and it stays.
QString normalizeTyped(const QString& text);
std::string normalizeTyped(const std::string& utf8);

}  // namespace nizam::platform
