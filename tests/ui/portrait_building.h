// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Builds a portrait with the window's controls only, the way a user does.
#pragma once

#include "tests/ui/editor_fixture.h"

namespace kelvaro::test {

// Tints of several elements (the mouth's own colour too), moves, turns, Generate, an iris moved
// alone, a part stepped to, and the 192 size.
void buildPortraitWithControls(EditorFixture& editor);

// Saves the portrait through "Zapisz" and the real save dialog at the chosen size as `file`.
void exportThroughDialog(EditorFixture& editor, const std::filesystem::path& file);

}  // namespace kelvaro::test
