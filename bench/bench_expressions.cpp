// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-bench-expressions: a character of the sample library with the basic set of
// expressions (eight faces). switchFace: choosing another face to edit, until the window's canvas
// is drawn again. mzSheet: "Zapisz arkusz twarzy…" of the eight faces at 144 pixels, until the
// file is written (to a RAM disk). cardsRedrawn: a colour given to the face (all eight faces
// change), until every card of the "Miny" tab is drawn again. exportOne: "Zapisz" of one portrait
// at 192, a peer.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <memory>

#include "bench/editor_bench_support.h"
#include "bench/editor_window.h"
#include "ui/companion_window.h"
#include "ui/expressions_tab.h"
#include "ui/kelvaro_dlg.h"

namespace {

using kelvaro::bench::sampleLibrary;

constexpr int kPatienceMs = 10000;
const std::filesystem::path kOutput = "/dev/shm/kelvaro-bench-sheet.png";

// An editor window opened on the sample library with the basic set of expressions.
std::unique_ptr<kelvaro::CKelvaroDlg> characterWithExpressions() {
    auto editor = kelvaro::bench::openedEditorWindow();
    editor->editor().addBasicExpressions();
    return editor;
}

void switchFace(benchmark::State& state) {
    auto editor = characterWithExpressions();
    int face = 0;
    for (auto _ : state)
        editor->editor().chooseFace(++face % 8);
    editor->editor().mutableState().saved = true;
}
BENCHMARK(switchFace)->Unit(benchmark::kMillisecond);

void mzSheet(benchmark::State& state) {
    auto editor = characterWithExpressions();
    const kelvaro::SheetLayout mz = *kelvaro::sheetLayoutNamed("mz");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            editor->editor().exportFaceSheet(kOutput, mz, kelvaro::Backdrop::Opaque));
    std::filesystem::remove(kOutput);
    editor->editor().mutableState().saved = true;
}
BENCHMARK(mzSheet)->Unit(benchmark::kMillisecond);

void exportOne(benchmark::State& state) {
    auto editor = characterWithExpressions();
    editor->editor().chooseSize(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(editor->editor().exportPortrait(kOutput));
    std::filesystem::remove(kOutput);
}
BENCHMARK(exportOne)->Unit(benchmark::kMillisecond);

void cardsRedrawn(benchmark::State& state) {
    auto editor = characterWithExpressions();
    QTest::keyClick(editor.get(), Qt::Key_F5);
    auto* tab = editor->companion()->expressionsTab();
    if (!QTest::qWaitFor([&] { return tab->upToDate(); }, kPatienceMs)) {
        state.SkipWithError("the cards were never drawn");
        return;
    }
    int value = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        editor->editor().applyColour({120 + value++ % 2 * 60, 80, 50});
        if (!QTest::qWaitFor([&] { return tab->upToDate(); }, kPatienceMs))
            state.SkipWithError("the cards were not drawn again");
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
    }
    editor->editor().mutableState().saved = true;
}
BENCHMARK(cardsRedrawn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    return kelvaro::bench::runEditorBenchmarks(argc, argv);
}
