// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// What a screen reader hears: every control of the window template has a name that says what
// it does, in Polish, and the controls without such a caption have a tooltip too.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>

#include "tests/ui/editor_fixture.h"
#include "ui/control_ids.h"
#include "ui/dialog_template.h"

namespace kelvaro::test {
namespace {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// A name says something when it holds a word: two letters in a row.
bool saysSomething(const QString& name) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2}"));
    return word.match(name).hasMatch();
}

TEST(Accessibility, EveryControlOfTheTemplateHasANameThatSaysWhatItDoes) {
    EditorFixture editor;
    editor.open();
    int named = 0;
    for (const ControlTemplate& row : editorTemplate().controls) {
        if (row.id == ids::kNone)
            continue;  // frames around groups and the icons beside the bars
        QWidget* control = editor.dialog().control(row.id);
        ASSERT_NE(control, nullptr) << row.id;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(face, nullptr) << row.id;
        const QString name = face->text(QAccessible::Name);
        if (row.kind == ControlKind::Label) {
            // A display: what it shows is its name, its description says what that is.
            EXPECT_EQ(name, qobject_cast<QLabel*>(control)->text()) << row.id;
            EXPECT_TRUE(saysSomething(face->text(QAccessible::Description))) << row.id;
        } else {
            EXPECT_TRUE(saysSomething(name)) << row.id << " is read as \"" << name.toStdString();
        }
        // A control whose caption is no word tells a mouse user the same in a tooltip.
        if (!saysSomething(QString::fromUtf8(row.caption.data(), row.caption.size()))) {
            EXPECT_FALSE(control->toolTip().isEmpty()) << row.id;
            ++named;
        }
    }
    EXPECT_EQ(named, 22);  // the symbol buttons, bars, edits, sizes, canvas, list and counter
}

TEST(Accessibility, SymbolButtonsColourControlsAndCanvasHaveTheirPolishNames) {
    EditorFixture editor;
    editor.open();
    const std::pair<int, const char*> expected[] = {
        {ids::kMoveUp, "Przesuń w górę"},
        {ids::kMoveDown, "Przesuń w dół"},
        {ids::kMoveLeft, "Przesuń w lewo"},
        {ids::kMoveRight, "Przesuń w prawo"},
        {ids::kPrevious, "Poprzednia część"},
        {ids::kNext, "Następna część"},
        {ids::kRedBar, "Czerwony"},
        {ids::kRedBar + 1, "Zielony"},
        {ids::kRedBar + 2, "Niebieski"},
        {ids::kRedBar + 3, "Jasność"},
        {ids::kContrastBar, "Kontrast"},
        {ids::kRedEdit, "Czerwony"},
        {ids::kRedEdit + 1, "Zielony"},
        {ids::kRedEdit + 2, "Niebieski"},
        {ids::kRedEdit + 3, "Jasność"},
        {ids::kContrastEdit, "Kontrast"},
        {ids::kCanvas, "Portret"},
        {ids::kOk, "Zapisz"},
        {ids::kRotateLeft, "Obrót w lewo"},
    };
    for (const auto& [id, name] : expected)
        EXPECT_EQ(accessibleName(editor.dialog().control(id)), QString::fromUtf8(name)) << id;
    // On Linux a list is named by what it shows; its description says which list it is.
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(editor.dialog().control(ids::kElementList));
    EXPECT_EQ(list->text(QAccessible::Name), "Twarz");
    EXPECT_TRUE(list->text(QAccessible::Description).startsWith("Element twarzy"));
    // The captions themselves are unchanged.
    EXPECT_EQ(editor.widget<QAbstractButton>(ids::kMoveUp)->text(), "^");
    EXPECT_TRUE(editor.dialog().control(ids::kMoveUp)->toolTip().startsWith("Przesuń"));
}

}  // namespace
}  // namespace kelvaro::test
