// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Opening the part gallery of an editor, waiting for its cells and reading them.
#pragma once

#include <QImage>
#include <vector>

#include "tests/ui/editor_fixture.h"
#include "ui/parts_tab.h"

namespace kelvaro::test {

// Presses F3 in the editor and waits until the companion window is on the screen and the cells
// in view on its parts tab are drawn; that tab, or null when it does not open.
PartsTab* openGallery(EditorFixture& editor);

// Waits until the gallery shows the portrait as it is now; false after a generous time.
bool waitUntilUpToDate(PartsTab& gallery);

// Scrolls part `part` into view and returns its picture once drawn for the portrait as it is.
QImage cellPicture(PartsTab& gallery, int part);

// The picture a cell must show: the editor's canvas as "Zapisz" scales it to 96x96.
QImage canvasAt96(EditorFixture& editor);

// Clicks the cell of `part` with the mouse.
void clickCell(PartsTab& gallery, int part);

}  // namespace kelvaro::test
