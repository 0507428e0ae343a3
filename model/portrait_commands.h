// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The rules of the editor's commands as functions on the portrait state: which part comes next,
// which layers move, turn and reload together, when the iris follows, and what Generate and
// Reset choose. The window, the undo history, the gallery and the renderer all go through them,
// so each rule is written once.
#pragma once

#include <functional>
#include <span>

#include "model/part_library.h"
#include "model/portrait_ops.h"
#include "model/portrait_state.h"

namespace kelvaro {

inline constexpr int kRotationStep = 5;  // degrees per press of a rotation button

// The part after `part` among 0..highest in `direction` (-1 or +1): below 0 comes `highest`,
// past `highest` comes 0.
int steppedPart(int part, int highest, int direction);

// Elements whose move or centring changes the offset between iris and eye shape: the face and
// the eyes move both to one position, the iris moves alone.
bool moveRemasksIris(int element);

// Elements whose new part reloads the iris or the eye shape.
bool loadRemasksIris(int element);

// Sets the current element's part one step on and clears the saved flag; false (nothing
// changed) while no valid element is current.
bool stepCurrentPart(PortraitState& state, int direction);

// Sets the current element's part number and clears the saved flag; false while no valid
// element is current.
bool setCurrentPart(PortraitState& state, int partNumber);

// What showing the current element's new part takes: reloads its load group, re-masks the iris
// where the group holds the iris or the eye shape, and recolours its recolour group (within
// `scope`, see recolourCurrentElement) with the current settings.
void loadCurrentPart(PortraitState& state, const MessageSink& report,
                     RecolourScope scope = RecolourScope::WholeGroup);

// Draws a part number for each element of `elements`, one draw each in the order given;
// `draw(highest)` returns a number in 0..max(highest, 0). Clears the saved flag.
using PartDraw = std::function<int(int highest)>;
void chooseDrawnParts(PortraitState& state, std::span<const int> elements, const PartDraw& draw);

// Reloads the load groups of `elements` in the order given and re-masks the iris; nothing is
// recoloured, so the reloaded layers show their files' own colours.
void loadDrawnParts(PortraitState& state, std::span<const int> elements, const MessageSink& report);

// Generate's draw: chooseDrawnParts over generatedElements().
void chooseGeneratedParts(PortraitState& state, const PartDraw& draw);

// The draw of the window's Generate: the standard generator seeded with `seed`.
PartDraw seededPartDraw(unsigned seed);

// Reloads the layers Generate draws for and re-masks the iris; nothing is recoloured.
void loadGeneratedParts(PortraitState& state, const MessageSink& report);

// Gives every layer its pattern value and clears the saved flag.
void choosePatternParts(PortraitState& state);

// Reloads every layer in load order and re-masks the iris; nothing is recoloured.
void loadAllParts(PortraitState& state, const MessageSink& report);

// Moves the current element's move group to its primary layer's position plus (dx, dy),
// re-masking the iris where that changes it. Clears the saved flag; false while no valid element
// is current.
bool moveCurrentElement(PortraitState& state, int dx, int dy);

// Puts the current element's move group at the default position and its rotation group at
// angle 0, re-masking the iris where that changes it. Clears the saved flag.
bool centreCurrentElement(PortraitState& state);

// Turns the current element's rotation group by `delta` degrees from its primary layer's angle.
// The saved flag stays as it is.
bool rotateCurrentElement(PortraitState& state, int delta);

}  // namespace kelvaro
