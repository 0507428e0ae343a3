// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A portrait built only with clicks and keys, saved through the save dialog, matches the canvas.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "imaging/file_boundary.h"
#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

void typeColour(EditorFixture& editor, int edit, const char* text) {
    auto* field = editor.widget<QLineEdit>(edit);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The canvas with alpha 255, scaled to `edge` the way an export is.
QImage expectedExport(EditorFixture& editor, int edge) {
    auto composed = makeCanvasPixels();
    editor.portrait().compose(*composed);
    QImage canvas(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
    for (int y = 0; y < kCanvasSize; ++y) {
        for (int x = 0; x < kCanvasSize; ++x) {
            canvas.setPixel(x, y, (*composed)[y * kCanvasSize + x] | 0xff000000u);
        }
    }
    return canvas.scaled(edge, edge, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

TEST(EndToEnd, ClickedPortraitSavedAs96PixelPngMatchesTheCanvas) {
    EditorFixture editor;
    editor.open();
    editor.portrait().setClock([] { return std::time_t{1234567}; });
    editor.click(ids::kGenerate);
    editor.selectElement(kFrontHair);
    editor.click(ids::kNext);
    editor.click(ids::kMoveDown);
    editor.click(ids::kRotateRight);
    typeColour(editor, 1016, "90");
    editor.selectElement(kFace);
    for (int i = 0; i < 3; ++i)
        editor.click(ids::kRotateLeft);
    editor.click(ids::kMoveRight);
    typeColour(editor, ids::kContrastEdit, "30");
    editor.selectElement(kIris);
    editor.click(ids::kMoveLeft);
    QTest::mouseClick(editor.widget<QRadioButton>(1021), Qt::LeftButton);

    const PortraitState& state = editor.state();
    EXPECT_EQ(state.layer(kFace).angle, 345);
    EXPECT_EQ(state.layer(kFrontHair).angle, 345);  // the face's rotation group
    EXPECT_EQ(state.layer(kFrontHair).stored.green, 90);
    EXPECT_EQ(state.layer(kFace).stored.contrast, 30);
    EXPECT_EQ(state.layer(kIrisLayer).x, -19);
    EXPECT_EQ(state.layer(kEyeShapeLayer).x, -18);
    EXPECT_FALSE(state.saved);

    const auto file = editor.base() / "portrait.png";
    editor.modals().answerSaveDialog(toQtPath(file));
    QWidget* save = editor.dialog().control(ids::kOk);
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Space);
    EXPECT_TRUE(editor.modals().allHandled());
    ASSERT_TRUE(state.saved);

    const QImage written(toQtPath(file), "PNG");
    ASSERT_EQ(written.size(), QSize(96, 96));
    const QImage expected = expectedExport(editor, 96);
    int different = 0;
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 96; ++x)
            different += written.pixel(x, y) != expected.pixel(x, y);
    }
    EXPECT_EQ(different, 0);
    // The portrait is not empty: the blocks of many layers show over the wall.
    std::set<QRgb> colours;
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 96; ++x)
            colours.insert(written.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20u);
}

}  // namespace
}  // namespace kelvaro::test
