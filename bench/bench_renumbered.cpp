// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-bench-renumbered: finding a renumbered part by its hash. Writes a folder of 999
// synthetic parts (230x230 PNGs of 5-30 KB, each different) once into a temporary folder, then
// times the search for a part whose recorded bytes now sit at the last number: cold (a new part
// cache, every file of the folder hashed) and warm (the hashes kept by the cache, every file
// examined again as the editor does). Beside it, SHA-256 over the folder's files as the program
// hashes them (its SHA-instruction kernel where the processor has it), with its portable kernel
// and with QCryptographicHash. Ten runs each: min / median / max.
// Meant to run on one core: taskset -c 1 kelvaro-bench-renumbered [RUNS]
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "io/file_boundary.h"
#include "model/part_hash.h"
#include "model/part_library.h"
#include "model/renumbered_parts.h"
#include "model/sha256_blocks.h"

namespace kelvaro::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kParts = 999;
constexpr int kEdge = 230;

// Part `number`: transparent but for a square of noise whose side grows with the number, so
// that the files range from about 5 to 30 KB.
QImage syntheticPart(int number) {
    QImage image(kEdge, kEdge, QImage::Format_ARGB32);
    image.fill(0);
    const int side = 36 + number * 52 / kParts;
    std::uint32_t state = 2463534242u + static_cast<std::uint32_t>(number);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            image.setPixel(97 + x - side / 2, 97 + y - side / 2, state | 0xff000000u);
        }
    }
    return image;
}

// Writes parts 000..998 of the front hair below `base`; their total size in bytes.
std::uintmax_t writeFolder(const fs::path& base) {
    std::uintmax_t bytes = 0;
    fs::create_directories(partPath(base, countedFolder(kFrontHair), 0).parent_path());
    for (int number = 0; number < kParts; ++number) {
        const fs::path file = partPath(base, countedFolder(kFrontHair), number);
        syntheticPart(number).save(QString::fromStdString(file.string()), "PNG");
        bytes += fs::file_size(file);
    }
    return bytes;
}

// A document whose front hair 000 was saved with the bytes the folder now holds at 998.
DocumentFile renumberedDocument(const fs::path& base) {
    DocumentFile document;
    const fs::path last = partPath(base, countedFolder(kFrontHair), kParts - 1);
    document.parts[kFrontHair] = {partPath(fs::path(), countedFolder(kFrontHair), 0).string(),
                                  fileSha256(last)};
    return document;
}

double millisecondsOf(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void printFigures(const char* what, std::vector<double> ms, const char* unit = "ms") {
    std::sort(ms.begin(), ms.end());
    std::printf("  %-52s %8.2f / %8.2f / %8.2f %s\n", what, ms.front(), ms[ms.size() / 2],
                ms.back(), unit);
}

// Hashes every file of the folder with `hash`.
void hashFolder(const fs::path& base, const std::function<void(const fs::path&)>& hash) {
    for (int number = 0; number < kParts; ++number)
        hash(partPath(base, countedFolder(kFrontHair), number));
}

void portableSha256(const fs::path& file) {
    const FileBytes read = readRegularFile(file, 1 << 26);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(read.bytes.data());
    sha256({bytes, read.bytes.size()}, sha256BlocksPortable);
}

void qtSha256(const fs::path& file) {
    const FileBytes read = readRegularFile(file, 1 << 26);
    QCryptographicHash::hash(QByteArrayView(read.bytes.data(), qsizetype(read.bytes.size())),
                             QCryptographicHash::Sha256);
}

int run(int runs) {
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "kelvaro-bench-renumbered: no temporary folder\n");
        return 1;
    }
    const fs::path base = folder.path().toStdString();
    const std::uintmax_t bytes = writeFolder(base);
    std::printf("kelvaro-bench-renumbered: %d parts, %.1f KB a file on average, %d runs\n", kParts,
                static_cast<double>(bytes) / kParts / 1000, runs);
    const DocumentFile document = renumberedDocument(base);
    std::vector<double> cold, warm, own, portable, qt;
    for (int i = 0; i < runs; ++i) {
        PartCache cache;
        std::vector<RenumberedPart> found;
        cold.push_back(millisecondsOf([&] { found = findRenumberedParts(document, base, cache); }));
        warm.push_back(millisecondsOf([&] { found = findRenumberedParts(document, base, cache); }));
        if (found.size() != 1 || found.front().to != kParts - 1) {
            std::fprintf(stderr, "kelvaro-bench-renumbered: the part was not found at 998\n");
            return 1;
        }
        own.push_back(millisecondsOf([&] { hashFolder(base, fileSha256); }));
        portable.push_back(millisecondsOf([&] { hashFolder(base, portableSha256); }));
        qt.push_back(millisecondsOf([&] { hashFolder(base, qtSha256); }));
    }
    printFigures("found at 998, cold (every file hashed)", cold);
    printFigures("found at 998, warm (hashes kept by the cache)", warm);
    printFigures("read + SHA-256 of the folder, as the program does", own);
    printFigures("read + SHA-256 of the folder, portable kernel", portable);
    printFigures("read + SHA-256 of the folder, QCryptographicHash", qt);
    return 0;
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    const QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    return kelvaro::bench::run(runs);
}
