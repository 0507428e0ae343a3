// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/editor_bench_support.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <stdexcept>

#include "io/file_boundary.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro::bench {

const std::filesystem::path& sampleLibrary() {
    static QTemporaryDir folder;
    static const std::filesystem::path path = [] {
        if (!samples::writeSampleLibrary(toPath(folder.path())))
            throw std::runtime_error("cannot write the sample library");
        return toPath(folder.path());
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
