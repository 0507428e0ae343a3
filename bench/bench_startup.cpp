// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Start-up to the first composed portrait: construct the editor on the sample library, run its
// opening sequence (count, load, recolour, mask) and compose the canvas once.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <filesystem>

#include "bench/editor_bench_support.h"
#include "imaging/pixels.h"
#include "ui/kelvaro_dlg.h"

namespace {

using kelvaro::bench::sampleLibrary;

void startUpToFirstPortrait(benchmark::State& state) {
    const auto library = sampleLibrary();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(library);
    auto canvas = kelvaro::makeCanvasPixels();
    for (auto _ : state) {
        kelvaro::CKelvaroDlg editor(library / "Kelvaro.ini");
        editor.show();
        editor.editor().compose(*canvas);
        benchmark::DoNotOptimize(canvas->data());
        editor.editor().mutableState().saved = true;
        editor.hide();
    }
    std::filesystem::current_path(previous);
}
BENCHMARK(startUpToFirstPortrait)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvaro::bench::runEditorBenchmarks(argc, argv);
}
