#include "bench/editor_bench_support.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <stdexcept>

#include "tools/sample_library/sample_library.h"

namespace kelvaro::bench {

const std::filesystem::path& sampleLibrary() {
    static QTemporaryDir folder;
    static const std::filesystem::path path = [] {
        if (!samples::writeSampleLibrary(folder.path().toStdString()))
            throw std::runtime_error("cannot write the sample library");
        return std::filesystem::path(folder.path().toStdString());
    }();
    return path;
}

int runEditorBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace kelvaro::bench
