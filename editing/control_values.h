// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait values the editor window's controls hold, as its data exchange reads them.
#pragma once

#include "imaging/colour_settings.h"

namespace kelvaro {

struct ControlValues {
    ColourSettings current;  // the five edits
    int currentElement = 0;  // the element list
    ColourSettings scroll;   // the five scroll bars
    int sizeChoice = 0;      // the size buttons; -1 when none is checked
};

}  // namespace kelvaro
