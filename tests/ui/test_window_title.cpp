// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The window's title names the document, with Qt's mark while it has changes not saved.
#include <gtest/gtest.h>

#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"
#include "ui/window_title.h"

namespace kelvaro::test {
namespace {

TEST(WindowTitle, TheDocumentsNameOrTheProgramsAlone) {
    const struct {
        std::filesystem::path document;
        QString title;
    } rows[] = {
        {"", "Kelvaro"},
        {"/home/ala/portrety/twarz.kelvaro", "twarz.kelvaro[*] – Kelvaro"},
        {"relative/x.kelvaro", "x.kelvaro[*] – Kelvaro"},
        {"/a/[*]b.kelvaro", "[*][*]b.kelvaro[*] – Kelvaro"},
        {"/a/\xff.kelvaro", QString(QChar(0xDCFF)) + ".kelvaro[*] – Kelvaro"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(documentWindowTitle(row.document), row.title) << row.document;
}

TEST(WindowTitle, FollowsTheDocumentAndItsSavedState) {
    const TempFolder out;
    EditorFixture editor;
    editor.open();
    QWidget& window = editor.dialog();
    EXPECT_EQ(window.windowTitle(), "Kelvaro");
    editor.click(ids::kGenerate);
    EXPECT_EQ(window.windowTitle(), "Kelvaro") << "no document, no mark";
    ASSERT_TRUE(editor.portrait().saveDocument(out.path() / "a.kelvaro"));
    EXPECT_EQ(window.windowTitle(), "a.kelvaro[*] – Kelvaro");
    EXPECT_FALSE(window.isWindowModified());
    editor.click(ids::kNext);
    EXPECT_TRUE(window.isWindowModified());
    editor.portrait().undo();
    EXPECT_FALSE(window.isWindowModified()) << "back to what was saved";
}

}  // namespace
}  // namespace kelvaro::test
