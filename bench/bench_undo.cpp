// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Undo and redo on the sample library, from the key press to the recomposed canvas: a colour
// step, a placement step, and Generate and Reset, which reload parts. Each also reports the memory
// its step holds in the history ("bytes").
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>
#include <filesystem>

#include "bench/editor_bench_support.h"
#include "editing/portrait_step.h"
#include "imaging/pixels.h"
#include "ui/control_ids.h"
#include "ui/kelvaro_dlg.h"

namespace {

using kelvaro::bench::sampleLibrary;

// An opened editor whose history holds one step made by `command`; each iteration undoes and
// redoes it with the keys and composes the canvas after each.
template <typename Command>
void undoAndRedo(benchmark::State& state, Command command) {
    const auto library = sampleLibrary();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(library);
    kelvaro::CKelvaroDlg editor(library / "Kelvaro.ini");
    editor.show();
    std::filesystem::current_path(previous);
    editor.editor().setClock([] { return std::time_t{31337}; });
    command(editor);
    const QUndoStack& history = editor.editor().history();
    const auto* step =
        static_cast<const kelvaro::PortraitStep*>(history.command(history.count() - 1));
    state.counters["bytes"] = static_cast<double>(step->size());
    auto canvas = kelvaro::makeCanvasPixels();
    for (auto _ : state) {
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        editor.editor().compose(*canvas);
        benchmark::DoNotOptimize(canvas->data());
        QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
        editor.editor().compose(*canvas);
        benchmark::DoNotOptimize(canvas->data());
    }
    state.counters["steps"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    editor.editor().mutableState().saved = true;
}

void colourStep(benchmark::State& state) {
    undoAndRedo(state, [](kelvaro::CKelvaroDlg& editor) {
        // "120" typed into the red edit: one step that tints the face's recolour group.
        auto* edit = qobject_cast<QLineEdit*>(editor.control(kelvaro::ids::kRedEdit));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "120");
    });
}
BENCHMARK(colourStep)->Unit(benchmark::kMillisecond);

void placementStep(benchmark::State& state) {
    undoAndRedo(state, [](kelvaro::CKelvaroDlg& editor) { editor.editor().moveRight(); });
}
BENCHMARK(placementStep)->Unit(benchmark::kMillisecond);

void generateStep(benchmark::State& state) {
    undoAndRedo(state, [](kelvaro::CKelvaroDlg& editor) { editor.editor().generate(); });
}
BENCHMARK(generateStep)->Unit(benchmark::kMillisecond);

void resetStep(benchmark::State& state) {
    undoAndRedo(state, [](kelvaro::CKelvaroDlg& editor) {
        editor.editor().generate();
        editor.editor().reset();
    });
}
BENCHMARK(resetStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvaro::bench::runEditorBenchmarks(argc, argv);
}
