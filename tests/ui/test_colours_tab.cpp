// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The "Kolory" tab: F4 opens it with the keyboard in the swatches of the element's palette; a
// swatch chosen with the keyboard equals typing its five values; the link box, "Inny kolor…",
// Ctrl+K and "Importuj paletę…" run the owner's commands.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <fstream>

#include "model/colour_conversion.h"
#include "model/colour_links.h"
#include "model/layer_tables.h"
#include "tests/ui/editor_fixture.h"
#include "ui/colours_tab.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"
#include "ui/swatch_view.h"

namespace kelvaro::test {
namespace {

constexpr int kPatienceMs = 10000;

// Opens `editor` with the bundled palettes and a fresh user folder in `user`, element `element`
// current, and the colours tab on F4.
ColoursTab* openColours(EditorFixture& editor, const std::filesystem::path& user, int element) {
    editor.open();
    editor.portrait().setPaletteFolders(std::filesystem::path(KELVARO_SOURCE_DIR) / "data/palettes",
                                        user);
    editor.selectElement(element);
    editor.press(Qt::Key_F4);
    CompanionWindow* companion = editor.dialog().companion();
    if (!companion)
        return nullptr;
    ColoursTab* tab = companion->coloursTab();
    activateWindowOf(tab);
    const bool focused = QTest::qWaitFor(
        [&] { return QApplication::focusWidget() == tab->swatches(); }, kPatienceMs);
    return focused ? tab : nullptr;
}

bool within(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

TEST(ColoursTab, ASwatchChosenWithTheKeyboardEqualsTypingItsFiveValues) {
    TempFolder user;
    EditorFixture chosen;
    ColoursTab* tab = openColours(chosen, user.path(), kFrontHair);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(chosen.dialog().companion()->tabs()->currentWidget(), tab);
    EXPECT_EQ(QApplication::focusWidget(), tab->swatches());
    EXPECT_EQ(tab->paletteChoice()->currentText(), QStringLiteral("Włosy"));
    const auto start = chosen.canvas();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Home, Qt::Key_Right})
        QTest::keyClick(tab->swatches(), key);
    const Swatch swatch = tab->swatches()->swatchAt(1);
    EXPECT_EQ(tab->swatchName()->text(), QString::fromStdString(swatch.name));
    QTest::keyClick(tab->swatches(), Qt::Key_Space);

    const ColourSettings applied = chosen.state().current;
    EXPECT_EQ(applied, settingsForColour(elementTone(chosen.state(), kFrontHair), swatch.colour));
    EXPECT_EQ(chosen.portrait().history().undoText(), QStringLiteral("Kolor"));
    EXPECT_EQ(chosen.portrait().history().count(), 1);
    EXPECT_EQ(tab->swatches()->markedRow(), 1);
    EXPECT_EQ(chosen.widget<QLineEdit>(ids::kRedEdit)->text(), QString::number(applied.red));

    EditorFixture typed;
    typed.open();
    typed.selectElement(kFrontHair);
    const int edits[] = {ids::kRedEdit, ids::kGreenEdit, ids::kBlueEdit, ids::kBrightnessEdit,
                         ids::kContrastEdit};
    for (int setting = 0; setting < kColourSettingCount; ++setting) {
        const QByteArray text = QByteArray::number(settingAt(applied, setting));
        typed.typeInto(edits[setting], text.constData());
    }
    EXPECT_EQ(*typed.canvas(), *chosen.canvas());

    chosen.portrait().undo();
    EXPECT_EQ(*chosen.canvas(), *start);
}

TEST(ColoursTab, TheLinkBoxASwatchClickAndCtrlKAreOneStepEach) {
    TempFolder user;
    EditorFixture editor;
    ColoursTab* tab = openColours(editor, user.path(), kFrontHair);
    ASSERT_NE(tab, nullptr);
    tab->linkBox()->click();
    EXPECT_TRUE(isLinked(editor.state(), kFrontHair));
    EXPECT_EQ(editor.portrait().history().undoText(), QStringLiteral("Wspólny kolor"));
    editor.selectElement(kBrows);
    EXPECT_FALSE(tab->linkBox()->isChecked());
    tab->linkBox()->click();
    const auto start = editor.canvas();
    const int steps = editor.portrait().history().count();

    // Another palette picked stays through the step and its undoing.
    tab->paletteChoice()->setCurrentIndex(tab->paletteChoice()->findText(QStringLiteral("Ogólna")));
    const QModelIndex third = tab->swatches()->model()->index(2, 0);
    QTest::mouseClick(tab->swatches()->viewport(), Qt::LeftButton, {},
                      tab->swatches()->visualRect(third).center());
    const Rgb target = tab->swatches()->swatchAt(2).colour;
    EXPECT_TRUE(within(shownColour(editor.state(), kBrows), target, 2));
    EXPECT_TRUE(within(shownColour(editor.state(), kFrontHair), target, 2));
    EXPECT_EQ(editor.portrait().history().count(), steps + 1);
    editor.portrait().undo();
    EXPECT_EQ(*editor.canvas(), *start);
    EXPECT_EQ(tab->paletteChoice()->currentText(), QStringLiteral("Ogólna"));

    editor.click(ids::kCentre);  // the keyboard back in the editor window
    activateWindowOf(&editor.dialog());
    editor.press(Qt::CTRL | Qt::Key_K);
    EXPECT_EQ(editor.portrait().history().undoText(), QStringLiteral("Losuj kolory"));
    EXPECT_NE(*editor.canvas(), *start);
}

TEST(ColoursTab, AnotherColourAndImportedPalettesGoThroughTheirDialogs) {
    TempFolder user;
    TempFolder sources;
    EditorFixture editor;
    ColoursTab* tab = openColours(editor, user.path(), kFrontHair);
    ASSERT_NE(tab, nullptr);

    const Rgb before = shownColour(editor.state(), kFrontHair);
    editor.modals().expect([&](QWidget* window) {
        auto* dialog = qobject_cast<QColorDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentColor(), QColor(before.red, before.green, before.blue));
        dialog->setCurrentColor(QColor(150, 30, 40));
        dialog->accept();
    });
    tab->findChild<QPushButton*>(QStringLiteral("otherColour"))->click();
    EXPECT_TRUE(within(shownColour(editor.state(), kFrontHair), {150, 30, 40}, 2));

    const int palettes = tab->paletteChoice()->count();
    const auto good = sources.path() / "moja.gpl";
    const auto bad = sources.path() / "zla.gpl";
    std::ofstream(good) << "GIMP Palette\nName: Moja\n10 20 30\tGranat\n";
    std::ofstream(bad) << "not a palette\n";
    auto importing = [&](const std::filesystem::path& file, bool refused) {
        editor.modals().expect([file](QWidget* window) {
            typeFileNameAndAccept(qobject_cast<QFileDialog*>(window),
                                  QString::fromStdString(file.string()));
        });
        if (refused)
            editor.modals().answerMessageBox();
        tab->findChild<QPushButton*>(QStringLiteral("importPalette"))->click();
    };
    importing(good, false);
    EXPECT_TRUE(std::filesystem::exists(user.path() / "moja.gpl"));
    EXPECT_EQ(tab->paletteChoice()->count(), palettes + 1);
    EXPECT_GE(tab->paletteChoice()->findText(QStringLiteral("Moja")), 0);

    importing(bad, true);
    EXPECT_EQ(tab->paletteChoice()->count(), palettes + 1);
    ASSERT_EQ(editor.modals().messages.size(), 1);
    EXPECT_TRUE(editor.modals().messages[0].contains(QStringLiteral("パレット")));
    EXPECT_TRUE(editor.modals().unexpected.isEmpty());
}

}  // namespace
}  // namespace kelvaro::test
