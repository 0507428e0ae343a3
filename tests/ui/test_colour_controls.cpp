// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The colour scroll bars and edits, and the size buttons, driven by mouse and keyboard.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "tests/ui/editor_fixture.h"
#include "ui/canvas_frame.h"
#include "ui/control_ids.h"

namespace kelvaro::test {
namespace {

void typeInto(QLineEdit* edit, const QString& keys) {
    edit->setFocus();
    QTest::keyClicks(edit, keys);
}

void replaceText(QLineEdit* edit, const QString& keys) {
    edit->selectAll();
    typeInto(edit, keys);
}

TEST(ColourControls, ArrowClickAtTheEndStillRecoloursTwice) {
    EditorFixture editor;
    editor.open();
    auto* red = editor.widget<QScrollBar>(ids::kRedBar);
    red->setValue(0);
    editor.state().saved = true;
    const int paints = editor.dialog().canvas()->paintCount();
    clickScrollBar(red, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(red->value(), 0);
    EXPECT_EQ(editor.state().current.red, 0);
    EXPECT_FALSE(editor.state().saved);
    EXPECT_EQ(editor.widget<QLineEdit>(ids::kRedEdit)->text(), "0");
    EXPECT_EQ(redOf(editor.canvasPixel(blockCentre(kFace))), 0u);
    // One repaint for the step, one for the end-of-scroll request after the mouse action.
    EXPECT_EQ(editor.dialog().canvas()->paintCount() - paints, 2);
}

TEST(ColourControls, LineAndPageStepsStopAtTheEnds) {
    struct Row {
        int bar;
        int start;
        QStyle::SubControl part;
        int expected;
    };
    const Row rows[] = {
        {1013, -95, QStyle::SC_ScrollBarSubPage, -100},
        {ids::kRedBar, 250, QStyle::SC_ScrollBarAddPage, 255},
        {1011, 100, QStyle::SC_ScrollBarAddLine, 101},
        {1014, 100, QStyle::SC_ScrollBarAddLine, 100},
        {1014, -100, QStyle::SC_ScrollBarSubLine, -100},
        {1012, 30, QStyle::SC_ScrollBarSubPage, 20},
    };
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        auto* bar = editor.widget<QScrollBar>(row.bar);
        bar->setValue(row.start);
        clickScrollBar(bar, row.part);
        EXPECT_EQ(bar->value(), row.expected) << row.bar << " from " << row.start;
        const int index = row.bar - ids::kRedBar;
        EXPECT_EQ(toArray(editor.state().current)[index], row.expected);
        EXPECT_EQ(toArray(editor.state().scroll)[index], row.expected);
        EXPECT_EQ(editor.widget<QLineEdit>(ids::kRedEdit + index)->text(),
                  QString::number(row.expected));
    }
}

TEST(ColourControls, DraggingTheContrastThumbToMinus40) {
    EditorFixture editor;
    editor.open();
    auto* contrast = editor.widget<QScrollBar>(ids::kContrastBar);
    contrast->setSliderDown(true);
    contrast->setSliderPosition(-40);  // a drag step: the thumb-track request
    contrast->setSliderDown(false);
    EXPECT_EQ(editor.widget<QLineEdit>(ids::kContrastEdit)->text(), "-40");
    EXPECT_EQ(editor.state().current.contrast, -40);
    EXPECT_EQ(editor.state().layer(kFace).stored.contrast, -40);
    // Face white (254 after the multiplier) under contrast -40: 128 + tan(27°) * 126 = 192.2.
    EXPECT_EQ(editor.canvasPixel(blockCentre(kFace)), 0xffc0c0c0);
}

TEST(ColourControls, TypingIntoTheEdits) {
    struct Row {
        int edit;
        QString keys;
        bool replaceAtOnce;  // paste over the selection instead of typing key by key
        QString shown;
        int value;
    };
    const Row rows[] = {
        {1018, "-20", false, "20", 20},    // "-" becomes a selected "0", then 2 and 0
        {1018, "-20", true, "0", 0},       // pasted at once: a negative value becomes 0
        {1016, "300", false, "255", 255},  // 3 and 30 are applied on the way
        {ids::kContrastEdit, "150", false, "100", 100},
        {ids::kRedEdit, "12a", false, "12", 12},  // the number alone once written back
        {ids::kRedEdit, "", false, "0", 0},       // deleting everything
    };
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        auto* edit = editor.widget<QLineEdit>(row.edit);
        if (row.keys.isEmpty()) {
            edit->selectAll();
            typeInto(edit, "");
            QTest::keyClick(edit, Qt::Key_Delete);
        } else if (row.replaceAtOnce) {
            edit->selectAll();
            edit->insert(row.keys);
        } else {
            replaceText(edit, row.keys);
        }
        const int index = row.edit - ids::kRedEdit;
        EXPECT_EQ(edit->text(), row.shown) << row.keys.toStdString();
        EXPECT_EQ(toArray(editor.state().current)[index], row.value) << row.keys.toStdString();
        EXPECT_EQ(editor.widget<QScrollBar>(ids::kRedBar + index)->value(), row.value);
        EXPECT_EQ(toArray(editor.state().layer(kFace).stored)[index], row.value);
        EXPECT_FALSE(editor.state().saved);
    }
}

TEST(ColourControls, TextThatIsNotANumberBecomesASelectedZero) {
    EditorFixture editor;
    editor.open();
    auto* green = editor.widget<QLineEdit>(1016);
    replaceText(green, "x");
    EXPECT_EQ(green->text(), "0");
    EXPECT_EQ(green->selectedText(), "0");
    QTest::keyClicks(green, "7");
    EXPECT_EQ(green->text(), "7");
    EXPECT_EQ(editor.state().current.green, 7);
}

TEST(ColourControls, FaceColourTintsItsWholeRecolourGroup) {
    EditorFixture editor;
    editor.open();
    replaceText(editor.widget<QLineEdit>(ids::kRedEdit), "0");
    for (int layer : {0, 1, 2, 4, 5, 8, 18}) {
        EXPECT_EQ(editor.state().layer(layer).stored.red, 0) << layer;
        EXPECT_EQ(redOf(editor.canvasPixel(blockCentre(layer))), 0u) << layer;
    }
    EXPECT_EQ(editor.state().layer(16).stored.red, 255);
    EXPECT_EQ(redOf(editor.canvasPixel(blockCentre(16))), 254u);
    editor.selectElement(kNeck);
    EXPECT_EQ(editor.widget<QLineEdit>(ids::kRedEdit)->text(), "0");
}

TEST(ColourControls, MouthColourTintsTheOpenMouthOnly) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kMouth);
    replaceText(editor.widget<QLineEdit>(1017), "0");
    EXPECT_EQ(blueOf(editor.canvasPixel(blockCentre(16))), 0u);
    EXPECT_EQ(blueOf(editor.canvasPixel(blockCentre(5))), defaultTint(blockColour(5, 0)) & 0xff);
    editor.selectElement(kFace);
    editor.selectElement(kMouth);
    EXPECT_EQ(editor.widget<QLineEdit>(1017)->text(), "255");  // layer 5's stored settings
}

TEST(ColourControls, IrisColourKeepsTheMask) {
    EditorFixture editor;
    editor.open();
    editor.selectElement(kIris);
    for (int i = 0; i < 4; ++i)
        editor.click(ids::kMoveRight);
    const PartPixels masked = *editor.state().layer(kIrisLayer).image();
    replaceText(editor.widget<QLineEdit>(1016), "0");
    const PartPixels& recoloured = *editor.state().layer(kIrisLayer).image();
    for (int i = 0; i < kPartPixelCount; ++i) {
        ASSERT_EQ(alphaOf(recoloured[i]), alphaOf(masked[i])) << i;
    }
    // Moved 4 pixels right: its last two columns lie past the eye shape (canvas x 96, 97).
    EXPECT_EQ(editor.canvasPixel(96, 12), kWallColour);
    EXPECT_EQ(editor.canvasPixel(97, 12), kWallColour);
    EXPECT_EQ(editor.canvasPixel(95, 12), 0xfffe00feu);
}

TEST(ColourControls, SizeButtonsOnlyReadTheControls) {
    EditorFixture editor;
    editor.open();
    editor.state().saved = true;
    const int paints = editor.dialog().canvas()->paintCount();
    QTest::mouseClick(editor.widget<QRadioButton>(1021), Qt::LeftButton);
    EXPECT_EQ(editor.state().sizeChoice, 1);
    QTest::mouseClick(editor.widget<QRadioButton>(ids::kSize192), Qt::LeftButton);
    EXPECT_EQ(editor.state().sizeChoice, 2);
    EXPECT_FALSE(editor.widget<QRadioButton>(1021)->isChecked());
    EXPECT_TRUE(editor.state().saved);
    EXPECT_EQ(editor.dialog().canvas()->paintCount(), paints);
}

}  // namespace
}  // namespace kelvaro::test
