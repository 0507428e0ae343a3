// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-render's throughput on the sample library at 96x96 PNG (decoded parts cached across
// portraits), on one and two threads, in process and as the program run on files; and the same
// portrait composed by ImageMagick's convert the way a script would (each layer turned about the
// pivot with -distort SRT, composited over, resized), with the time ratio and the difference of
// its pixels from the renderer's.
//
// With --sheets, only the rate of RPG Maker MZ face sheets of eight faces and, in the same run,
// of single portraits at their face size. With --casts, only the cost per portrait of casts of
// 10 to 100,000 in process, and through the program for casts up to COUNT (default 10,000).
//
// kelvaro-bench-render [--sheets|--casts] [COUNT]   (default 1000 portraits; needs
// /usr/bin/convert)
#include <time.h>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_render_casts.h"
#include "bench/bench_render_sheets.h"
#include "io/file_boundary.h"
#include "model/document_file.h"
#include "model/portrait_document.h"
#include "render/portrait_renderer.h"

namespace kelvaro::bench {
namespace {

namespace fs = std::filesystem;
using render::Library;
using render::PortraitRenderer;

constexpr int kEdge = 96;
const char* const kConvert = "/usr/bin/convert";

// What the program does for one portrait, up to the PNG bytes: show, compose, scale, encode
// with the recipe.
std::size_t renderOne(PortraitRenderer& renderer, const PortraitDocument& document) {
    std::string failure;
    renderer.show(document, failure);
    const auto bytes = renderer.fileBytes(kEdge, Backdrop::Opaque, ExportFormat::Png, std::nullopt);
    return bytes ? bytes->size() : 0;
}

// The CPU time the calling thread has used, in seconds.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Rate {
    double wall = 0;  // portraits per second of wall time
    double cpu = 0;   // portraits per second of CPU time, per thread
};

// Portraits per second over `rounds` passes of the cast on `threads` threads.
Rate rate(const Library& library, const std::vector<PortraitDocument>& cast, int threads,
          int rounds) {
    std::vector<std::unique_ptr<PortraitRenderer>> renderers;
    for (int t = 0; t < threads; ++t)
        renderers.push_back(std::make_unique<PortraitRenderer>(library));
    const auto start = Clock::now();
    std::vector<std::thread> workers;
    std::vector<double> cpu(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            const double begin = threadSeconds();
            for (int round = 0; round < rounds; ++round) {
                for (std::size_t i = static_cast<std::size_t>(t); i < cast.size();
                     i += static_cast<std::size_t>(threads))
                    renderOne(*renderers[static_cast<std::size_t>(t)], cast[i]);
            }
            cpu[static_cast<std::size_t>(t)] = threadSeconds() - begin;
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    const double portraits = static_cast<double>(cast.size()) * rounds;
    double cpuSeconds = 0;
    for (double seconds : cpu)
        cpuSeconds += seconds;
    return {portraits / secondsSince(start), portraits / cpuSeconds};
}

double runSeconds(const std::string& command) {
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    return secondsSince(start);
}

void writeImage(const QImage& image, const fs::path& file) {
    image.save(toQtPath(file), "PNG");
}

// The layers as the compositor gets them (recoloured, iris masked) and the stretched wall, so
// that convert only has to place, turn, composite and resize.
std::string convertScript(const PortraitState& state, const fs::path& folder, int edge,
                          const fs::path& out) {
    QImage wall(reinterpret_cast<const uchar*>(state.wall->data()), kCanvasSize, kCanvasSize,
                QImage::Format_ARGB32_Premultiplied);
    writeImage(wall, folder / "wall.png");
    std::string script = std::string(kConvert) + " -size 192x192 xc:black wall.png -composite";
    for (int index : drawOrder()) {
        const LayerState& layer = state.layer(index);
        const std::string name = "layer" + std::to_string(index) + ".png";
        writeImage(QImage(reinterpret_cast<const uchar*>(layer.image()->data()), kPartSize,
                          kPartSize, QImage::Format_ARGB32),
                   folder / name);
        // Layer point (95 - x, 95 - y) lies on the pivot; SRT turns about it and keeps it there.
        char srt[128];
        std::snprintf(srt, sizeof srt, "%d,%d 1 %d 95,95", 95 - layer.x, 95 - layer.y, layer.angle);
        script += " \\( " + name +
                  " -virtual-pixel transparent -define distort:viewport=192x192+0+0"
                  " -distort SRT '" +
                  srt + "' \\) -composite";
    }
    if (edge != kCanvasSize)
        script += " -resize " + std::to_string(edge) + "x" + std::to_string(edge) + "!";
    return script + " -alpha off " + out.string() + "\n";
}

struct Difference {
    double mean = 0;
    int largest = 0;
};

Difference differenceOf(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    Difference d;
    long long sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            for (int shift : {0, 8, 16}) {
                const int delta = std::abs(static_cast<int>((p >> shift) & 0xff) -
                                           static_cast<int>((q >> shift) & 0xff));
                sum += delta;
                d.largest = std::max(d.largest, delta);
            }
        }
    }
    d.mean = static_cast<double>(sum) / (3.0 * x.width() * x.height());
    return d;
}

// The portrait convert composes: the cast's first face with the head turned and the front hair
// turned further, so that every kind of layer placement is there.
PortraitDocument turnedPortrait(PortraitDocument document) {
    for (int layer : rotationGroup(kFace))
        document.layers[static_cast<std::size_t>(layer)].angle = 10;
    for (int layer : rotationGroup(kFrontHair))
        document.layers[static_cast<std::size_t>(layer)].angle = 345;
    document.layers[kClothes].x += 3;
    return document;
}

void compareWithConvert(const Library& library, const PortraitDocument& document,
                        const PortraitDocument& other, const fs::path& folder,
                        const std::string& program) {
    PortraitRenderer renderer(library);
    std::string failure;
    renderer.show(document, failure);
    const std::string script96 = convertScript(renderer.state(), folder, kEdge, "convert96.png");
    const std::string script192 =
        convertScript(renderer.state(), folder, kCanvasSize, "convert192.png");
    std::ofstream(folder / "compose96.sh") << "cd " << folder.string() << "\n" << script96;
    std::ofstream(folder / "compose192.sh") << "cd " << folder.string() << "\n" << script192;
    runSeconds("sh " + (folder / "compose192.sh").string());
    constexpr int kRuns = 10;
    double convertTime = 0;
    for (int i = 0; i < kRuns; ++i)
        convertTime += runSeconds("MAGICK_THREAD_LIMIT=1 sh " + (folder / "compose96.sh").string());
    convertTime /= kRuns;

    // The renderer on the same portrait: in process (parts cached; every other render is
    // another portrait, so that nothing is left over from the one before) and as a program run.
    constexpr int kRenders = 2000;
    const auto start = Clock::now();
    for (int i = 0; i < kRenders; ++i)
        renderOne(renderer, i % 2 == 0 ? document : other);
    const double inProcess = secondsSince(start) / kRenders;
    DocumentFile file;
    file.portrait = document;
    writeDocumentFile(folder / "turned.kelvaro", file);
    double programTime = 0;
    for (int i = 0; i < kRuns; ++i) {
        programTime += runSeconds(program + " -j1 --library " + library.base.string() +
                                  " --size 96 -o " + (folder / "render96.png").string() + " " +
                                  (folder / "turned.kelvaro").string());
    }
    programTime /= kRuns;
    runSeconds(program + " --library " + library.base.string() + " --size 192 -o " +
               (folder / "render192.png").string() + " " + (folder / "turned.kelvaro").string());

    std::printf("\nOne turned portrait at 96x96 PNG, one core (MAGICK_THREAD_LIMIT=1):\n");
    std::printf("  ImageMagick convert (one run)          %8.2f ms\n", convertTime * 1e3);
    std::printf("  kelvaro-render (one run, one portrait) %8.2f ms   ratio %.0fx\n",
                programTime * 1e3, convertTime / programTime);
    std::printf("  renderer in process, per portrait      %8.3f ms   ratio %.0fx\n",
                inProcess * 1e3, convertTime / inProcess);
    for (int edge : {kCanvasSize, kEdge}) {
        const std::string suffix = std::to_string(edge) + ".png";
        const Difference d = differenceOf(QImage(toQtPath(folder / ("convert" + suffix))),
                                          QImage(toQtPath(folder / ("render" + suffix))));
        std::printf("  convert vs renderer at %3d: mean %.3f, largest %d levels\n", edge, d.mean,
                    d.largest);
    }
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    using namespace kelvaro;
    using namespace kelvaro::bench;
    const bool sheetsOnly = argc > 1 && std::string(argv[1]) == "--sheets";
    const bool castsOnly = argc > 1 && std::string(argv[1]) == "--casts";
    const int first = sheetsOnly || castsOnly ? 2 : 1;
    const int count = argc > first ? std::max(1, std::atoi(argv[first])) : castsOnly ? 10000 : 1000;
    PartCache cache;
    auto opened = render::openLibrary(KELVARO_SAMPLE_DIR, cache);
    if (!std::holds_alternative<Library>(opened)) {
        std::fprintf(stderr, "%s\n", std::get<std::string>(opened).c_str());
        return 1;
    }
    const Library library = std::get<Library>(opened);
    if (castsOnly) {
        QTemporaryDir folder(QStringLiteral("/dev/shm/kelvaro-bench-XXXXXX"));
        printCastScaling(library, KELVARO_RENDER_PROGRAM, toPath(folder.path()), count);
        return 0;
    }
    const std::vector<PortraitDocument> cast = castOf(library, count);
    printSheetRates(library, cast);
    if (sheetsOnly)
        return 0;
    rate(library, cast, 1, 1);  // every part decoded once, into the cache
    std::printf("Cast of %d portraits drawn from the sample library, 96x96 PNG with recipe:\n",
                count);
    const Rate one = rate(library, cast, 1, 3);
    const Rate two = rate(library, cast, 2, 3);
    std::printf("  in process, 1 thread   %7.0f portraits/s wall, %7.0f per CPU second\n", one.wall,
                one.cpu);
    std::printf(
        "  in process, 2 threads  %7.0f portraits/s wall (%.2fx), %7.0f per CPU second "
        "and thread\n",
        two.wall, two.wall / one.wall, two.cpu);
    {
        const PortraitDocument opening = render::openingDocument(library);
        PortraitRenderer renderer(library);
        std::string failure;
        const auto start = Clock::now();
        for (int i = 0; i < count; ++i) {
            renderer.drawFrom(opening, generatedElements(), static_cast<std::uint64_t>(i), failure);
            renderer.fileBytes(kEdge, Backdrop::Opaque, ExportFormat::Png,
                               static_cast<std::uint64_t>(i));
        }
        std::printf("  drawn (--random) in process, 1 thread  %7.0f portraits/s\n",
                    count / secondsSince(start));
    }

    // The program itself on files: documents in, PNG files out, on a RAM disk so that the disk's
    // flushes (every file is synced before it replaces the old one) are not what is measured.
    QTemporaryDir folder(QStringLiteral("/dev/shm/kelvaro-bench-XXXXXX"));
    const fs::path base = toPath(folder.path());
    const std::string program = KELVARO_RENDER_PROGRAM;
    std::string list;
    for (std::size_t i = 0; i < cast.size(); ++i) {
        DocumentFile file;  // as the editor saves it, with its part files' records
        file.portrait = cast[i];
        file.parts = partRecordsOf(cast[i], library.base, sharedPartCache());
        const fs::path name = base / std::to_string(i) += ".kelvaro";
        writeDocumentFile(name, file);
        list.append(" ").append(name.string());
    }
    std::ofstream(base / "list") << list;
    for (int jobs : {1, 2}) {
        const std::string command = program + " -j" + std::to_string(jobs) + " --library " +
                                    library.base.string() + " --size 96 -o " +
                                    (base / "out").string() + list;
        const double seconds = runSeconds(command);
        std::printf(
            "  kelvaro-render -j%d on files (%d .kelvaro -> PNG, one run)  %7.0f "
            "portraits/s\n",
            jobs, count, count / seconds);
    }
    compareWithConvert(library, turnedPortrait(cast.front()), cast.back(), base, program);
    return 0;
}
