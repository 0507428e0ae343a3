// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Colours chosen as colours and shared between elements: which palette suits an element, which
// elements share a colour, and applying a colour or a set of settings to an element and the
// elements linked with it.
//
// Elements are linked by palette kind: a linked element shares its colour with every other linked
// element of the same kind (front hair, back hair, brows and beard share the hair colour). A new
// portrait has nothing linked.
#pragma once

#include <vector>

#include "imaging/rgb.h"
#include "model/portrait_state.h"

namespace kelvaro {

enum class PaletteKind { Skin, Hair, Eyes, General };
inline constexpr int kPaletteKindCount = 4;

// face: skin; front hair, back hair, brows, beard: hair; iris: eyes; the others: general.
PaletteKind paletteKindOf(int element);

bool isLinked(const PortraitValues& values, int element);
void setLinked(PortraitValues& values, int element, bool linked);

// The elements that take a colour given to `element`, in element order: `element` alone when it
// is not linked, else every linked element of its palette kind.
std::vector<int> colourGroup(const PortraitValues& values, int element);

// The main tone of `element` as loaded: that of the first layer of its recolour group.
Rgb elementTone(const PortraitState& state, int element);

// The colour `element` shows: its main tone tinted with the settings the first layer of its
// recolour group keeps (the current settings for the current element).
Rgb shownColour(const PortraitState& state, int element);

// Recolours the recolour group of `element` with `settings` (the iris masked again), as changing
// the controls with `element` current would. For the current element the current settings and
// the scroll positions take `settings`; another element keeps them.
void colourElement(PortraitState& state, int element, const ColourSettings& settings);

// Gives `target` to `element` and every element of its colour group, each from its own main tone
// (settingsForColour). Clears the saved flag.
void applyColour(PortraitState& state, int element, Rgb target);

// After a bar or an edit changed the current element: the same settings for every other element
// of its colour group.
void shareCurrentSettings(PortraitState& state);

}  // namespace kelvaro
