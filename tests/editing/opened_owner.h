// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The owner the editing tests drive: opened on the model tests' library, as the window opens it.
#pragma once

#include <gtest/gtest.h>

#include "editing/portrait_editor.h"
#include "model/portrait_document.h"
#include "tests/model/library_portrait.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {

// An owner opened on the model tests' library, its settings file in a folder of its own.
struct Owner {
    Owner() : editor(folder.path() / "Kelvaro.ini") {
        editor.countParts(libraryBase());
        EXPECT_TRUE(editor.loadImages());
    }
    PortraitDocument document() const { return capture(editor.state()); }

    TempFolder folder;
    PortraitEditor editor;
};

}  // namespace kelvaro::test
