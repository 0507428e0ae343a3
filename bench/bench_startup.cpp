// Start-up to the first composed portrait: construct the editor on the sample library, run its
// opening sequence (count, load, recolour, mask) and compose the canvas once.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "imaging/file_boundary.h"
#include "imaging/pixels.h"
#include "tools/sample_library/sample_library.h"
#include "ui/kelvaro_dlg.h"

namespace {

std::filesystem::path sampleLibrary() {
    static QTemporaryDir folder;
    static const bool written =
        kelvaro::samples::writeSampleLibrary(kelvaro::toPath(folder.path()));
    if (!written)
        throw std::runtime_error("cannot write the sample library");
    return kelvaro::toPath(folder.path());
}

void startUpToFirstPortrait(benchmark::State& state) {
    const auto library = sampleLibrary();
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(library);
    auto canvas = kelvaro::makeCanvasPixels();
    for (auto _ : state) {
        kelvaro::CKelvaroDlg editor(library / "Kelvaro.ini");
        editor.show();
        editor.composeInto(*canvas);
        benchmark::DoNotOptimize(canvas->data());
        editor.state().saved = true;
        editor.hide();
    }
    std::filesystem::current_path(previous);
}
BENCHMARK(startUpToFirstPortrait)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
