// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-render against the editor: a portrait built with the real widgets, exported with
// "Zapisz" through the real save dialog and kept with "Zapisz portret", renders to the pixels and
// the recipe of the file "Zapisz" wrote, at 48, 96 and 192 pixels, on the test library and on the
// sample library.
#include <gtest/gtest.h>
#include <QFileDialog>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include "io/file_boundary.h"
#include "io/png_recipe.h"
#include "tests/support/render_process.h"
#include "tests/ui/portrait_building.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

// Puts the sample library in place of the test library.
void useSampleLibrary(const fs::path& base) {
    fs::remove_all(base / "picture");
    fs::copy(sampleLibrary() / "picture", base / "picture", fs::copy_options::recursive);
}

TEST(RenderMatch, RendererWritesWhatZapiszWroteAtEverySize) {
    struct Size {
        int button;
        int edge;
    };
    const Size sizes[] = {{ids::kSize48, 48}, {ids::kSize96, 96}, {ids::kSize192, 192}};
    for (const bool sample : {false, true}) {
        SCOPED_TRACE(sample ? "sample library" : "test library");
        TempFolder out;
        EditorFixture editor(sample ? useSampleLibrary : std::function<void(const fs::path&)>());
        editor.open();
        buildPortraitWithControls(editor);
        const fs::path document = out.path() / "face.kelvaro";
        for (const Size& size : sizes) {
            QTest::mouseClick(editor.widget<QRadioButton>(size.button), Qt::LeftButton);
            const fs::path saved = out.path() / ("zapisz-" + std::to_string(size.edge) + ".png");
            exportThroughDialog(editor, saved);
            if (!fs::exists(document)) {
                editor.modals().expect([&](QWidget* modal) {
                    auto* dialog = qobject_cast<QFileDialog*>(modal);
                    ASSERT_NE(dialog, nullptr);
                    typeFileNameAndAccept(dialog, toQtPath(document));
                });
            }
            editor.press(Qt::CTRL | Qt::Key_S);  // "Zapisz portret": the document at this size
            ASSERT_TRUE(editor.modals().unexpected.isEmpty())
                << editor.modals().unexpected.join("; ").toStdString();
            ASSERT_TRUE(editor.modals().messages.isEmpty())
                << editor.modals().messages.join("; ").toStdString();

            const fs::path rendered = out.path() / ("render-" + std::to_string(size.edge) + ".png");
            const auto result = runRenderer({"--library", toQtPath(editor.base()), "-o",
                                             toQtPath(rendered), toQtPath(document)});
            ASSERT_EQ(result.exitCode, 0) << result.err;
            EXPECT_EQ(result.err, "");
            // The same recipe: the portrait, its size and the part files' hashes.
            const auto recipe = readTextChunk(readBytes(saved), kRecipeKeyword);
            ASSERT_TRUE(recipe) << size.edge;
            EXPECT_EQ(readTextChunk(readBytes(rendered), kRecipeKeyword), recipe) << size.edge;
            const QImage zapisz = argbImage(saved);
            ASSERT_EQ(zapisz.size(), QSize(size.edge, size.edge));
            EXPECT_TRUE(argbImage(rendered) == zapisz) << size.edge;

            // The exported PNG as the portrait, with the size given: the same pixels.
            const fs::path again = out.path() / "again.png";
            const auto fromPng =
                runRenderer({"--library", toQtPath(editor.base()), "--size",
                             QString::number(size.edge), "-o", toQtPath(again), toQtPath(saved)});
            ASSERT_EQ(fromPng.exitCode, 0) << fromPng.err;
            EXPECT_TRUE(argbImage(again) == zapisz) << size.edge;
        }
    }
}

}  // namespace
}  // namespace kelvaro::test
