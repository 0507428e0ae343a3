// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// `kelvaro-library check` over a large library: 15 elements with 999 parts in every one of the
// 24 folders (23,976 part files), made once in a temporary folder and reused. Times the check
// reading headers only (meant to run on one core: taskset -c 1), or with --decode every part
// decoded on every core (parts per second); minimum, median and maximum of the runs.
//
// kelvaro-bench-library-check [--decode] [--runs N] [--library DIR]
//   (default DIR: $TMPDIR/kelvaro-bench-library-999, written when it lacks its mark file)
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "io/file_boundary.h"
#include "model/layer_tables.h"
#include "model/library_check.h"
#include "model/part_library.h"

namespace kelvaro::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kParts = 999;

// A part's PNG bytes: a disc of `colour` (transparent when its alpha is 0) on transparency.
std::string partBytes(QRgb colour, int radius) {
    QImage image(kPartSize, kPartSize, QImage::Format_ARGB32);
    image.fill(0u);
    for (int y = 0; y < kPartSize; ++y) {
        for (int x = 0; x < kPartSize; ++x) {
            const int dx = x - 115, dy = y - 115;
            if (dx * dx + dy * dy < radius * radius)
                image.setPixel(x, y, colour);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Writes the library below `base` unless its mark says it is there already.
void makeLibrary(const fs::path& base) {
    const fs::path mark = base / "complete";
    if (fs::exists(mark))
        return;
    const std::vector<std::string> variants = {
        partBytes(0xff806040u, 40), partBytes(0xff4060a0u, 60), partBytes(0xffc0c0c0u, 80)};
    const std::string none = partBytes(0u, 0);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const LayerInfo& info = layerInfo(layer);
        fs::create_directories(partPath(base, info.folder, 0).parent_path());
        for (int n = 0; n < kParts; ++n) {
            const bool empty = n == 0 && isOptionalElement(info.element);
            writeBytes(partPath(base, info.folder, n),
                       empty ? none : variants[static_cast<std::size_t>(n) % variants.size()]);
        }
    }
    QImage wall(kCanvasSize, kCanvasSize, QImage::Format_ARGB32);
    wall.fill(0xffe0e0e0u);
    wall.save(toQtPath(wallPath(base)), "PNG");
    writeBytes(dummyPath(base), none);
    writeBytes(mark, "");
}

struct Figures {
    double least, median, most;
};

Figures figuresOf(std::vector<double> seconds) {
    std::ranges::sort(seconds);
    return {seconds.front(), seconds[seconds.size() / 2], seconds.back()};
}

int run(const fs::path& base, bool decode, int runs) {
    std::vector<double> seconds;
    LibraryReport report;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        report = checkLibrary(base, {.decode = decode, .threads = 0});
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::printf("run %d: %.3f s\n", i + 1, seconds.back());
    }
    if (!report.clean() || report.elements.front().folders.front().highest != kParts - 1) {
        std::fprintf(stderr, "the library is not the one expected: %zu findings\n",
                     report.findings.size());
        return 1;
    }
    const Figures f = figuresOf(seconds);
    std::printf("%s: %d part files, %d runs: min %.3f s, median %.3f s, max %.3f s\n",
                decode ? "check --decode" : "check (headers)", report.filesExamined, runs, f.least,
                f.median, f.most);
    if (decode)
        std::printf("parts per second (median run): %.0f\n", report.partsDecoded / f.median);
    return 0;
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    bool decode = false;
    int runs = 5;
    std::filesystem::path base = kelvaro::toPath(QDir::tempPath()) / "kelvaro-bench-library-999";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--decode")
            decode = true;
        else if (argument == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--library" && i + 1 < argc)
            base = argv[++i];
    }
    kelvaro::bench::makeLibrary(base);
    return kelvaro::bench::run(base, decode, runs);
}
