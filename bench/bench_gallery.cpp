// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-bench-gallery: the part gallery on the sample library and on a synthetic library of
// 300 parts per element (the sample parts repeated under new numbers, so every number is a file
// of its own to decode). For each case it opens an editor, opens the gallery and reports: the
// time until the first screenful of cells (20, or every part when there are fewer) is drawn and
// until every cell in view is; every cell of the element; a colour change until the cells in
// view are drawn again; a scroll through the whole grid; the longest stall of the
// user-interface thread's event loop meanwhile; and the decoded-part cache. The worker threads
// follow the CPUs the program may use (taskset), one per CPU. With --load every case is measured
// twice, as the machine is and then with a busy process on every online CPU. With --dispatches it
// also lists the user-interface thread's longest pieces of work while the cells are drawn. With
// --idle N it measures nothing of the gallery, only the machine's own share of the stalls: N
// windows in which the event loop has nothing to do, without load and then with the busy
// processes, and per window the longest stall.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/busy_neighbours.h"
#include "bench/dispatch_watch.h"
#include "bench/editor_bench_support.h"
#include "bench/stall_watch.h"
#include "model/part_cache.h"
#include "model/part_library.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_renderer.h"
#include "ui/gallery_view.h"
#include "ui/kelvaro_dlg.h"
#include "ui/parts_tab.h"

namespace kelvaro::bench {
namespace {

constexpr int kScreenful = 20;
constexpr int kColourChanges = 9;
constexpr int kDispatchesListed = 10;
constexpr int kIdleWindowMs = 300;  // about as long as a case's cells are drawn under load
constexpr double kStallTargetMs = 16;

bool listDispatches = false;  // --dispatches

DispatchWatch& watch() {
    return *static_cast<DispatchWatch*>(QCoreApplication::instance());
}

// CPU time the calling thread has used, in ms.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

int readyCells(const GalleryCells& cells, int upTo) {
    int ready = 0;
    for (int part = 0; part < std::min(upTo, cells.count()); ++part)
        ready += cells.isReady(part) ? 1 : 0;
    return ready;
}

void setRed(CKelvaroDlg& editor, char digit) {
    auto* edit = qobject_cast<QLineEdit*>(editor.control(ids::kRedEdit));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, digit);
}

// What one case measures, in ms unless said otherwise.
struct Figures {
    int count = 0;
    int screenful = 0;
    double openCall = 0, first = 0, inView = 0, everyCold = 0, everyWarm = 0;
    std::vector<double> changes;                  // sorted; until the cells in view are drawn
    std::vector<double> changesAround;            // sorted; until the row around them is too
    double uiCpuPerChange = 0, uiCpuPerCell = 0;  // UI thread's CPU: ms per change, µs per cell
    double scrollTotal = 0, scrollSettle = 0;
    double idleStall = 0, renderStall = 0, worstStall = 0;
    double renderSpan = 0;   // how long the stalls of renderStall were watched
    std::string dispatches;  // with --dispatches, the UI thread's longest pieces of work
};

// Whether every cell showing in the grid's viewport is drawn (the rows around it aside).
bool cellsInViewReady(const PartsTab& gallery) {
    const GalleryView& view = *gallery.view();
    const QRect shown = view.viewport()->rect();
    for (int part = 0; part < gallery.cells().count(); ++part) {
        if (!gallery.cells().isReady(part) &&
            view.visualRect(gallery.cells().index(part)).intersects(shown))
            return false;
    }
    return true;
}

// Nine colour changes, each timed until the cells in view are drawn and the row around them.
void changeColours(CKelvaroDlg& editor, const PartsTab& gallery, Figures& figures) {
    QElapsedTimer clock;
    const double cpuBefore = threadCpuMs();
    for (int i = 0; i < kColourChanges; ++i) {
        const std::uint64_t generation = gallery.renderer().generation();
        clock.start();
        setRed(editor, static_cast<char>('1' + i));
        runUntil([&] {
            return gallery.renderer().generation() > generation && cellsInViewReady(gallery);
        });
        figures.changes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        runUntil([&] { return gallery.upToDate(); });
        figures.changesAround.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    figures.uiCpuPerChange = (threadCpuMs() - cpuBefore) / kColourChanges;
    std::sort(figures.changes.begin(), figures.changes.end());
    std::sort(figures.changesAround.begin(), figures.changesAround.end());
}

// A row of cells every 16 ms from top to bottom; the whole scroll and the time after its last
// step until the last screenful is drawn.
void scrollThrough(const PartsTab& gallery, Figures& figures) {
    QScrollBar* bar = gallery.view()->verticalScrollBar();
    const int rowStep = gallery.view()->sizeHintForRow(0);
    QElapsedTimer clock;
    clock.start();
    for (int value = 0; value <= bar->maximum(); value += rowStep) {
        bar->setValue(value);
        runEventLoopFor(16);
    }
    bar->setValue(bar->maximum());
    figures.scrollSettle = runUntil([&] { return gallery.upToDate(); });
    figures.scrollTotal = static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

Figures measure(const std::filesystem::path& library, int element) {
    Figures figures;
    sharedPartCache().clear();
    const auto opened = openEditor(library, element);
    CKelvaroDlg& editor = *opened;
    StallWatch stalls;
    stalls.start();
    runEventLoopFor(1000);  // nothing drawn: what the machine itself costs the event loop
    figures.idleStall = stalls.worstMs();
    stalls.start();

    watch().record(listDispatches);
    QElapsedTimer opening;
    opening.start();
    watch().time("onGallery(), the call", [&] { editor.onGallery(); });
    figures.openCall = static_cast<double>(opening.nsecsElapsed()) / 1e6;
    PartsTab& gallery = *editor.companion()->partsTab();
    figures.count = gallery.cells().count();
    figures.screenful = std::min(kScreenful, figures.count);
    figures.first = figures.openCall + runUntil([&] {
                        return readyCells(gallery.cells(), figures.screenful) == figures.screenful;
                    });
    figures.inView = figures.first + runUntil([&] { return gallery.upToDate(); });

    figures.everyCold = drawEveryCell(editor, figures.count, true);
    const double cpuBefore = threadCpuMs();
    figures.everyWarm = drawEveryCell(editor, figures.count, false);
    figures.uiCpuPerCell = (threadCpuMs() - cpuBefore) * 1e3 / figures.count;
    figures.renderStall = stalls.worstMs();
    figures.renderSpan = stalls.watchedMs();
    watch().record(false);
    if (listDispatches)
        figures.dispatches = watch().longest(kDispatchesListed);
    changeColours(editor, gallery, figures);
    scrollThrough(gallery, figures);
    figures.worstStall = stalls.worstMs();
    editor.editor().mutableState().saved = true;
    return figures;
}

void print(const char* name, const char* load, const Figures& f) {
    const PartCacheFigures cache = sharedPartCache().figures();
    std::printf("%s (%d parts, %d worker threads), %s\n", name, f.count,
                QThread::idealThreadCount(), load);
    std::printf("  opening the gallery (the call itself)       %8.1f ms\n", f.openCall);
    std::printf("  first %2d cells drawn after opening          %8.1f ms\n", f.screenful, f.first);
    std::printf("  every cell in view (+1 row) drawn            %8.1f ms\n", f.inView);
    std::printf("  all %3d cells, cache emptied first           %8.1f ms\n", f.count, f.everyCold);
    std::printf("  all %3d cells again, parts in the cache      %8.1f ms\n", f.count, f.everyWarm);
    std::printf("  colour change to cells in view redrawn       %8.1f ms median, %.1f ms worst\n",
                f.changes[f.changes.size() / 2], f.changes.back());
    std::printf("  colour change to the row around them too     %8.1f ms median, %.1f ms worst\n",
                f.changesAround[f.changesAround.size() / 2], f.changesAround.back());
    std::printf("  UI thread's CPU per colour change            %8.2f ms, per cell drawn %.0f µs\n",
                f.uiCpuPerChange, f.uiCpuPerCell);
    std::printf(
        "  scroll top to bottom (a row per 16 ms)       %8.1f ms, last cells %.1f ms after\n",
        f.scrollTotal, f.scrollSettle);
    std::printf("  longest event-loop stall, 1 s of nothing     %8.1f ms (the machine's share)\n",
                f.idleStall);
    std::printf(
        "  longest event-loop stall while cells drawn   %8.1f ms (opening, all cells: "
        "%.0f ms)\n",
        f.renderStall, f.renderSpan);
    std::fputs(f.dispatches.c_str(), stdout);
    std::printf("  longest event-loop stall (whole run)         %8.1f ms (also colour, scroll)\n",
                f.worstStall);
    std::printf("  part cache: %zu entries, %.1f MiB of %.0f MiB, %llu hits, %llu decodes\n",
                cache.entries, static_cast<double>(cache.bytes) / (1 << 20),
                static_cast<double>(cache.bound) / (1 << 20),
                static_cast<unsigned long long>(cache.hits),
                static_cast<unsigned long long>(cache.decodes));
    std::fflush(stdout);
}

// One case on an idle machine and, when `loaded`, again with a busy process on every CPU;
// false when the busy processes cannot be started.
bool measureCase(const char* name, const std::filesystem::path& library, int element, bool loaded) {
    print(name, "no load", measure(library, element));
    if (!loaded)
        return true;
    BusyNeighbours neighbours;
    if (!neighbours.start()) {
        std::fprintf(stderr, "kelvaro-bench-gallery: cannot start the busy processes\n");
        return false;
    }
    const Figures figures = measure(library, element);
    const std::string load = std::to_string(neighbours.count()) + " busy processes";
    neighbours.stop();
    print(name, load.c_str(), figures);
    return true;
}

// The longest stall of each of `count` windows in which the event loop has nothing to do, sorted.
std::vector<double> idleWindows(int count) {
    std::vector<double> worst;
    StallWatch stalls;
    for (int i = 0; i < count; ++i) {
        stalls.start();
        runEventLoopFor(kIdleWindowMs);
        worst.push_back(stalls.worstMs());
    }
    std::sort(worst.begin(), worst.end());
    return worst;
}

void printIdle(const std::string& load, const std::vector<double>& worst) {
    const auto over = std::count_if(worst.begin(), worst.end(),
                                    [](double stall) { return stall > kStallTargetMs; });
    std::printf(
        "event loop with nothing to do, %s: %zu windows of %d ms, longest stall per window "
        "%.1f / %.1f / %.1f ms (min / median / max), over %.0f ms in %td\n",
        load.c_str(), worst.size(), kIdleWindowMs, worst.front(), worst[worst.size() / 2],
        worst.back(), kStallTargetMs, over);
    std::fflush(stdout);
}

// --idle: the idle windows without load and with a busy process on every CPU.
bool measureIdle(int windows) {
    printIdle("no load", idleWindows(windows));
    BusyNeighbours neighbours;
    if (!neighbours.start()) {
        std::fprintf(stderr, "kelvaro-bench-gallery: cannot start the busy processes\n");
        return false;
    }
    const std::vector<double> loaded = idleWindows(windows);
    const std::string load = std::to_string(neighbours.count()) + " busy processes";
    neighbours.stop();
    printIdle(load, loaded);
    return true;
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    using namespace kelvaro;
    const QTemporaryDir userSettings;  // every case opens the window at its first place
    bench::prepareQt(userSettings);
    bench::DispatchWatch app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool loaded = arguments.contains(QStringLiteral("--load"));
    bench::listDispatches = arguments.contains(QStringLiteral("--dispatches"));
    const qsizetype idle = arguments.indexOf(QStringLiteral("--idle"));
    if (idle > 0) {
        const int windows = idle + 1 < arguments.size() ? arguments[idle + 1].toInt() : 0;
        if (windows < 1 || arguments.size() != 3) {
            std::fprintf(stderr, "usage: kelvaro-bench-gallery --idle WINDOWS\n");
            return 2;
        }
        return bench::measureIdle(windows) ? 0 : 1;
    }
    if (arguments.size() > 1 + (loaded ? 1 : 0) + (bench::listDispatches ? 1 : 0)) {
        std::fprintf(stderr,
                     "usage: kelvaro-bench-gallery [--load] [--dispatches] | --idle WINDOWS\n");
        return 2;
    }
    const auto synthetic = bench::syntheticLibrary();
    const bool measured = bench::measureCase("sample library, front hair", bench::sampleLibrary(),
                                             kFrontHair, loaded) &&
                          bench::measureCase("synthetic library, face", synthetic, kFace, loaded) &&
                          bench::measureCase("synthetic library, front hair (3 layers)", synthetic,
                                             kFrontHair, loaded);
    return measured ? 0 : 1;
}
