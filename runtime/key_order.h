// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's way over a page: which controls the Tab key reaches and in
// what order, so a pupil without a pointer can do all a pointer does.
//
// Reached are the controls on show that a pupil acts on: check boxes and
// text boxes, every control with a Click handler (toolbar hot-spots, menu
// entries, the icons that show a situation or a reminder) and the word
// labels that are carried (DragMode 1); not the hover highlights, which come
// and go with their hot-spots. While a label is carried, only the
// drop targets are reached instead.
//
// The order is the page's reading order, right to left in rows from top to
// bottom, except that check boxes and text boxes keep the order their
// TabIndex gives them among themselves: they fill the places they take in
// reading order in TabIndex order, so a page's own answer order holds.
#pragma once

#include <optional>
#include <vector>

#include "runtime/logic.h"

namespace nizam::keys {

enum class Direction { Left, Right, Up, Down };

// A control shares the row of the highest control not yet placed when they
// overlap vertically by half the lower one's height, or when their middles
// lie closer than this.
constexpr Twips kRowTolerance = 10 * kTwipsPerPixel;

// A check box or a text box: the platform's own widget.
bool isNative(const Screen& screen, ControlId id);
// A control the keys reach when no label is carried (see above), on show.
bool reachable(const Screen& screen, const ScreenLogic& logic, ControlId id);
// A drop target on show: a control whose DragDrop is bound.
bool isDropTarget(const Screen& screen, const ScreenLogic& logic, ControlId id);

// The controls Tab goes through, in order: the reachable ones, or the drop
// targets while a label is carried.
std::vector<ControlId> order(const Screen& screen, const ScreenLogic& logic, bool carrying);

// The control Tab (forward) or Shift+Tab moves to from `from` in `order`,
// wrapping round at either end. `from` may lie outside the order (a label
// hidden by its own drop, a drop target after the drop): the step then goes
// from the place it takes in reading order. With no `from`, the first (or
// the last) of the order. Nothing when the order is empty.
std::optional<ControlId> step(const Screen& screen, const std::vector<ControlId>& order,
                              std::optional<ControlId> from, bool forward);

// The control of `among` nearest to `from` in the direction on the page
// (middles compared; one straight ahead beats one as near but aside), or
// nothing when none lies that way.
std::optional<ControlId> nearest(const Screen& screen, const std::vector<ControlId>& among, ControlId from,
                                 Direction direction);

}  // namespace nizam::keys
