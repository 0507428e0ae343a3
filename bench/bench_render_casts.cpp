// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/bench_render_casts.h"

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/bench_render_sheets.h"
#include "model/seeded_draw.h"

namespace kelvaro::bench {
namespace {

namespace fs = std::filesystem;
using render::PortraitRenderer;

constexpr int kEdge = 96;
constexpr int kCasts[] = {10, 1000, 10000, 100000};

// Seconds of CPU time: the calling thread's, or with `children` that of the children waited for.
double cpuSeconds(bool children) {
    if (children) {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        const auto seconds = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
        };
        return seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct PerPortrait {
    double wallMicros = 0;
    double cpuMicros = 0;
    // Wall time per portrait of each run of kChunk portraits in turn (casts of 2 chunks or more).
    std::vector<double> chunkMicros;
};

constexpr int kChunk = 1000;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[(values.size() - 1) / 2];
}

// A cast of `count` drawn in process as --random draws it, one renderer from its first portrait.
PerPortrait inProcess(const render::Library& library, const PortraitDocument& opening, int count) {
    PortraitRenderer renderer(library);
    std::string failure;
    PerPortrait cost;
    const double cpuStart = cpuSeconds(false);
    const auto start = Clock::now();
    auto chunkStart = start;
    for (int i = 0; i < count; ++i) {
        const auto seed = static_cast<std::uint64_t>(i);
        renderer.drawFrom(opening, generatedElements(), seed, failure);
        renderer.fileBytes(kEdge, Backdrop::Opaque, ExportFormat::Png, seed);
        if (count >= 2 * kChunk && (i + 1) % kChunk == 0) {
            cost.chunkMicros.push_back(secondsSince(chunkStart) * 1e6 / kChunk);
            chunkStart = Clock::now();
        }
    }
    cost.wallMicros = secondsSince(start) * 1e6 / count;
    cost.cpuMicros = (cpuSeconds(false) - cpuStart) * 1e6 / count;
    return cost;
}

// The same cast through the program into a fresh folder, which is removed afterwards.
PerPortrait onFiles(const render::Library& library, const std::string& program, const fs::path& out,
                    int count) {
    const std::string command = program + " -j1 --library " + library.base.string() + " --random " +
                                std::to_string(count) + " --seed 0 --size " +
                                std::to_string(kEdge) + " -o " + out.string();
    const double cpuStart = cpuSeconds(true);
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    PerPortrait cost;
    cost.wallMicros = secondsSince(start) * 1e6 / count;
    cost.cpuMicros = (cpuSeconds(true) - cpuStart) * 1e6 / count;
    std::error_code error;
    fs::remove_all(out, error);
    return cost;
}

void printRow(const char* how, int count, const PerPortrait& cost) {
    std::printf("  %-28s %7d portraits  %8.1f us wall  %8.1f us CPU per portrait\n", how, count,
                cost.wallMicros, cost.cpuMicros);
    if (cost.chunkMicros.empty())
        return;
    // Whether a portrait costs more the further into the cast it comes: each chunk's cost, less
    // moved by a burst of other work on the machine than the whole cast's.
    std::printf("  %-28s %7s %zu chunks of %d: median %.1f us, first %.1f, last %.1f us wall\n", "",
                "", cost.chunkMicros.size(), kChunk, median(cost.chunkMicros),
                cost.chunkMicros.front(), cost.chunkMicros.back());
}

}  // namespace

void printCastScaling(const render::Library& library, const std::string& program,
                      const fs::path& folder, int largestOnFiles) {
    const PortraitDocument opening = render::openingDocument(library);
    inProcess(library, opening, 1000);  // every part decoded once, into the cache
    std::printf("Casts drawn from the sample library, 96x96 PNG with recipe, one thread:\n");
    for (const int count : kCasts) {
        // The short casts, over in a moment, five times: the median of the five.
        const int runs = count < 2 * kChunk ? 5 : 1;
        std::vector<PerPortrait> costs;
        for (int run = 0; run < runs; ++run)
            costs.push_back(inProcess(library, opening, count));
        std::sort(costs.begin(), costs.end(),
                  [](const auto& a, const auto& b) { return a.wallMicros < b.wallMicros; });
        printRow(runs > 1 ? "in process (median of 5)" : "in process", count,
                 costs[(costs.size() - 1) / 2]);
    }
    for (const int count : kCasts) {
        if (count <= largestOnFiles)
            printRow("kelvaro-render -j1 to files", count,
                     onFiles(library, program, folder / ("cast" + std::to_string(count)), count));
    }
}

}  // namespace kelvaro::bench
