// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What a command changed, as the portrait's owner announces it to the windows that observe it.
#pragma once

#include <QFlags>

namespace kelvaro {

enum class Change : unsigned {
    Parts = 1u << 0,      // part numbers (and with them the counter)
    Placement = 1u << 1,  // positions and angles
    Colours = 1u << 2,    // the current colour settings and bar positions, colour links
    Element = 1u << 3,    // the current element
    Size = 1u << 4,       // the size choice
    Document = 1u << 5,   // the document file or the saved state
    History = 1u << 6,    // a step recorded, undone or redone
    Picture = 1u << 7,    // what the portrait looks like: the canvas is drawn again
    Palettes = 1u << 8,   // the palettes colours are chosen from (read again, one imported)
    Expressions =
        1u << 9,  // the expression set: its faces, their names and overrides, the face edited
};
Q_DECLARE_FLAGS(ChangeSet, Change)

}  // namespace kelvaro

// At global scope, where Qt's own operators live, so that they stay visible in the namespace.
Q_DECLARE_OPERATORS_FOR_FLAGS(kelvaro::ChangeSet)

namespace kelvaro {

// Everything a document shown anew may change.
inline constexpr ChangeSet kWholePortrait = ChangeSet(Change::Parts) | Change::Placement |
                                            Change::Colours | Change::Element | Change::Size |
                                            Change::Picture | Change::Expressions;

}  // namespace kelvaro
