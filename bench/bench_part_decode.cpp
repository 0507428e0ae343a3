// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Decoding in process, without the part cache: every part file of the sample library as the
// cache decodes it (read, inflate, unfilter, convert, boxes and main tone) and the wall stretched
// over the canvas. KELVARO_DISABLE=avx2 runs the portable row kernels instead of the vector ones,
// so that both can be timed in turn on the same machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "imaging/kernel_choice.h"
#include "model/image_files.h"
#include "model/part_cache.h"

namespace {

const std::filesystem::path kPictures = std::filesystem::path(KELVARO_SAMPLE_DIR) / "picture";

// Every part file of the sample library (the PNG files in the element folders), sorted.
std::vector<std::filesystem::path> partFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kPictures)) {
        if (entry.is_regular_file() && entry.path().extension() == ".png" &&
            entry.path().parent_path() != kPictures)
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void decodeEveryPart(benchmark::State& state) {
    const auto files = partFiles();
    for (auto _ : state) {
        for (const auto& file : files)
            benchmark::DoNotOptimize(kelvaro::decodePartFile(file));
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(decodeEveryPart)->Unit(benchmark::kMillisecond);

void decodeTheWall(benchmark::State& state) {
    auto wall = kelvaro::makeCanvasPixels();
    for (auto _ : state)
        benchmark::DoNotOptimize(kelvaro::readWallImage(kPictures / "wall.png", *wall));
}
BENCHMARK(decodeTheWall)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (const char* disabled = std::getenv("KELVARO_DISABLE");
        disabled != nullptr && !kelvaro::disableKernelFeatures(disabled)) {
        std::fprintf(stderr, "KELVARO_DISABLE: unknown feature in \"%s\"\n", disabled);
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
