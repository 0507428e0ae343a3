// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the benchmarks of the editor window share: the sample library, a synthetic library of
// many parts, an editor opened on a library, the gallery's cells drawn, and a main that starts Qt.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "ui/gallery_renderer.h"

class QTemporaryDir;

namespace kelvaro {
class CKelvaroDlg;
}

namespace kelvaro::bench {

inline constexpr int kSyntheticParts = 300;

// The sample library, drawn once per program into a temporary folder.
const std::filesystem::path& sampleLibrary();

// A library of kSyntheticParts parts per element: the sample parts repeated under new numbers,
// so every number is a file of its own to decode. Written once per program.
std::filesystem::path syntheticLibrary();

// Runs the event loop until `done` holds (checked every millisecond, two minutes at most); its
// time in ms.
double runUntil(const std::function<bool()>& done);

// An editor shown on `library` (its settings file there) with `element` chosen.
std::unique_ptr<CKelvaroDlg> openEditor(const std::filesystem::path& library, int element);

// Every cell of the editor's current element, `count` parts, from a snapshot of the portrait,
// by a gallery renderer of its own (its worker threads made afresh) drawing each cell with
// `drawer`, with the shared part cache emptied first or as it is; time in ms.
double drawEveryCell(CKelvaroDlg& editor, int count, bool emptyCache,
                     CellDrawer drawer = &drawPartCell);
// The same by `renderer`, as the gallery's own renderer draws a pass after another: the workers
// it kept from its last pass draw again.
double drawEveryCell(GalleryRenderer& renderer, CKelvaroDlg& editor, int count, bool emptyCache);

// Before QApplication: the offscreen platform unless one is set, and the user's settings in
// `userSettings`, so that every window opens at its first place.
void prepareQt(const QTemporaryDir& userSettings);

// Starts Qt (offscreen unless a platform is set) and runs the registered benchmarks.
int runEditorBenchmarks(int argc, char** argv);

}  // namespace kelvaro::bench
