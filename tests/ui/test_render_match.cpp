// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-render against the editor: a portrait built with the real widgets, exported with
// "Zapisz" through the real save dialog and kept with "Zapisz portret", renders to the very
// file "Zapisz" wrote, at 48, 96 and 192 pixels, on the test library and on the sample library.
#include <gtest/gtest.h>
#include <QFileDialog>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include "imaging/file_boundary.h"
#include "tests/support/render_process.h"
#include "tests/ui/portrait_building.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

// The PNG's chunks without its pHYs chunk. The pixel density the editor writes there is its
// screen's (Qt's logical DPI of the display); a renderer without a display has none to follow.
std::string withoutDensity(const std::string& png) {
    std::string kept = png.substr(0, 8);
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(png[at + i]); };
        const std::size_t length =
            (std::size_t{byte(0)} << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
        if (png.compare(at + 4, 4, "pHYs") != 0)
            kept += png.substr(at, 12 + length);
        at += 12 + length;
    }
    return kept;
}

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
            // The same bytes: the pixels and the recipe of the same portrait.
            EXPECT_TRUE(withoutDensity(readBytes(rendered)) == withoutDensity(readBytes(saved)))
                << size.edge;
            EXPECT_LT(withoutDensity(readBytes(saved)).size(), readBytes(saved).size());
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
