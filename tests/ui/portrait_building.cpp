// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/ui/portrait_building.h"

#include <QRadioButton>
#include <QTest>

#include "imaging/file_boundary.h"
#include "ui/control_ids.h"

namespace kelvaro::test {

void buildPortraitWithControls(EditorFixture& editor) {
    editor.portrait().setClock([] { return std::time_t{987654}; });
    editor.selectElement(kFace);
    editor.typeInto(ids::kRedEdit + 1, "150");
    editor.click(ids::kMoveRight);
    editor.click(ids::kRotateLeft);
    editor.click(ids::kGenerate);
    editor.selectElement(kMouth);
    editor.typeInto(ids::kRedEdit + 3, "40");
    editor.typeInto(ids::kRedEdit, "90");
    editor.selectElement(kIris);
    editor.click(ids::kMoveUp);
    editor.click(ids::kMoveLeft);
    editor.typeInto(ids::kRedEdit + 2, "30");
    editor.selectElement(kFrontHair);
    editor.click(ids::kNext);
    editor.click(ids::kRotateRight);
    editor.click(ids::kRotateRight);
    editor.selectElement(kClothes);
    editor.click(ids::kPrevious);
    editor.typeInto(ids::kRedEdit + 4, "70");
    QTest::mouseClick(editor.widget<QRadioButton>(ids::kSize192), Qt::LeftButton);
}

void exportThroughDialog(EditorFixture& editor, const std::filesystem::path& file) {
    editor.modals().answerSaveDialog(toQtPath(file));
    editor.click(ids::kOk);
}

}  // namespace kelvaro::test
