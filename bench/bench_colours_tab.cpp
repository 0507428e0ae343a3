// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-bench-colours-tab: the "Kolory" tab on the sample library. tabShown: from F4 in a
// fresh editor window to the companion window showing the tab drawn, the bundled palettes read
// on the way (what the first F4 of a session costs), beside F3's parts tab in the same run.
// swatchOnLinkedHair: Space on a swatch with front hair, back hair, brows and beard linked, until
// the editor's canvas is drawn again (the step recorded, the controls written, the portrait
// composed and painted).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <chrono>
#include <memory>

#include "bench/editor_bench_support.h"
#include "bench/editor_window.h"
#include "model/layer_tables.h"
#include "ui/colours_tab.h"
#include "ui/companion_window.h"
#include "ui/kelvaro_dlg.h"
#include "ui/parts_tab.h"
#include "ui/swatch_view.h"

namespace {

using kelvaro::bench::sampleLibrary;

const std::filesystem::path kBundledPalettes =
    std::filesystem::path(KELVARO_SOURCE_DIR) / "data/palettes";

// An editor window opened on the sample library, its palettes read from the source tree.
std::unique_ptr<kelvaro::CKelvaroDlg> openedEditor() {
    auto editor = kelvaro::bench::openedEditorWindow();
    editor->editor().setPaletteFolders(kBundledPalettes, sampleLibrary() / "user-palettes");
    editor->activateWindow();
    return editor;
}

// From `key` in a fresh editor window until the companion shows the tab `tabOf` gives, drawn.
void companionShown(benchmark::State& state, Qt::Key key,
                    QWidget* (*tabOf)(const kelvaro::CompanionWindow&)) {
    for (auto _ : state) {
        auto editor = openedEditor();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(editor.get(), key);
        QWidget* tab = tabOf(*editor->companion());
        tab->repaint();
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        benchmark::DoNotOptimize(tab->isVisible());
        editor->editor().mutableState().saved = true;
    }
}

void tabShown(benchmark::State& state) {
    companionShown(state, Qt::Key_F4,
                   [](const kelvaro::CompanionWindow& c) -> QWidget* { return c.coloursTab(); });
}
BENCHMARK(tabShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// A peer in the same run: F3, the companion on its parts (the cells drawn later, off the
// user-interface thread).
void partsTabShown(benchmark::State& state) {
    companionShown(state, Qt::Key_F3,
                   [](const kelvaro::CompanionWindow& c) -> QWidget* { return c.partsTab(); });
}
BENCHMARK(partsTabShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void swatchOnLinkedHair(benchmark::State& state) {
    auto editor = openedEditor();
    kelvaro::PortraitEditor& portrait = editor->editor();
    for (int element :
         {kelvaro::kBrows, kelvaro::kBeard, kelvaro::kBackHair, kelvaro::kFrontHair}) {
        portrait.selectElement({portrait.state().current, element, portrait.state().scroll, 0});
        portrait.linkColours(true);
    }
    QTest::keyClick(editor.get(), Qt::Key_F4);
    kelvaro::SwatchView* swatches = editor->companion()->coloursTab()->swatches();
    int row = 0;
    for (auto _ : state) {
        // The key press records the step and draws the editor's canvas again before it returns.
        swatches->setCurrentIndex(swatches->model()->index(row++ % 2, 0));
        QTest::keyClick(swatches, Qt::Key_Space);
    }
    portrait.mutableState().saved = true;
}
BENCHMARK(swatchOnLinkedHair)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvaro::bench::runEditorBenchmarks(argc, argv);
}
