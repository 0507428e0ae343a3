// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/editing/opened_editor.h"

#include <gtest/gtest.h>

#include "tests/model/library_portrait.h"

namespace kelvaro::test {

OpenedEditor::OpenedEditor() : base(copyOfLibrary()), editor(base / "Kelvaro.ini") {
    editor.countParts(base);
    EXPECT_TRUE(editor.loadImages());
    QObject::connect(&editor, &PortraitEditor::changed,
                     [this](ChangeSet what) { announced.push_back(what); });
    QObject::connect(&editor, &PortraitEditor::problem, [this](const QString& message) {
        announced.push_back({});  // a message: where it came among the announcements
        problems.push_back(message);
    });
}

std::filesystem::path OpenedEditor::copyOfLibrary() {
    std::filesystem::copy(libraryBase(), folder.path() / "library",
                          std::filesystem::copy_options::recursive);
    return folder.path() / "library";
}

ControlValues OpenedEditor::controls() const {
    const PortraitState& s = editor.state();
    return {s.current, s.currentElement, s.scroll, s.sizeChoice};
}

}  // namespace kelvaro::test
