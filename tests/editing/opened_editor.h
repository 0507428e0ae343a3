// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait's owner without any window, opened on a copy of the model tests' library, for the
// editing tests.
#pragma once

#include <QStringList>
#include <filesystem>
#include <vector>

#include "editing/portrait_editor.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {

// An owner opened on a copy of the model tests' library, recording what it announces.
struct OpenedEditor {
    OpenedEditor();

    // Copies the library into the folder; its copy's base folder.
    std::filesystem::path copyOfLibrary();
    // The controls' values the owner holds.
    ControlValues controls() const;

    TempFolder folder;
    std::filesystem::path base;
    PortraitEditor editor;
    std::vector<ChangeSet> announced;
    QStringList problems;
};

}  // namespace kelvaro::test
