// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-bench-gallery: the part gallery on the sample library and on a synthetic library of
// 300 parts per element (the sample parts repeated under new numbers, so every number is a file
// of its own to decode). For each case it opens an editor, opens the gallery and reports: the
// time until the first screenful of cells (20, or every part when there are fewer) is drawn and
// until every cell in view is; every cell of the element; a colour change until the cells in
// view are drawn again; a scroll through the whole grid; the longest stall of the
// user-interface thread's event loop meanwhile; and the decoded-part cache. The worker threads
// follow the CPUs the program may use (taskset), one per CPU.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "bench/editor_bench_support.h"
#include "bench/stall_watch.h"
#include "model/part_cache.h"
#include "model/part_library.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_view.h"
#include "ui/kelvaro_dlg.h"
#include "ui/parts_tab.h"

namespace kelvaro::bench {
namespace {

constexpr int kScreenful = 20;
constexpr int kColourChanges = 9;

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

void measure(const char* name, const std::filesystem::path& library, int element) {
    sharedPartCache().clear();
    const auto opened = openEditor(library, element);
    CKelvaroDlg& editor = *opened;
    StallWatch stalls;
    stalls.start();
    QTest::qWait(1000);  // nothing drawn: what the machine itself costs the event loop
    const double idleStall = stalls.worstMs();
    stalls.start();

    QElapsedTimer opening;
    opening.start();
    editor.onGallery();
    const double openCall = static_cast<double>(opening.nsecsElapsed()) / 1e6;
    PartsTab& gallery = *editor.companion()->partsTab();
    const int count = gallery.cells().count();
    const int screenful = std::min(kScreenful, count);
    const double first =
        openCall + runUntil([&] { return readyCells(gallery.cells(), screenful) == screenful; });
    const double inView = first + runUntil([&] { return gallery.upToDate(); });

    const double everyCold = drawEveryCell(editor, count, true);
    const double everyWarm = drawEveryCell(editor, count, false);
    const double renderStall = stalls.worstMs();

    QElapsedTimer clock;
    std::vector<double> changes;
    for (int i = 0; i < kColourChanges; ++i) {
        clock.start();
        setRed(editor, static_cast<char>('1' + i));
        runUntil([&] { return gallery.upToDate(); });
        changes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(changes.begin(), changes.end());

    // A row of cells every 16 ms from top to bottom, then until the last screenful is drawn.
    QScrollBar* bar = gallery.view()->verticalScrollBar();
    const int rowStep = gallery.view()->sizeHintForRow(0);
    clock.restart();
    for (int value = 0; value <= bar->maximum(); value += rowStep) {
        bar->setValue(value);
        QTest::qWait(16);
    }
    bar->setValue(bar->maximum());
    const double scrollSettle = runUntil([&] { return gallery.upToDate(); });
    const double scrollTotal = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double worstStall = stalls.worstMs();

    const PartCacheFigures cache = sharedPartCache().figures();
    std::printf("%s (%d parts, %d worker threads)\n", name, count, QThread::idealThreadCount());
    std::printf("  opening the gallery (the call itself)       %8.1f ms\n", openCall);
    std::printf("  first %2d cells drawn after opening          %8.1f ms\n", screenful, first);
    std::printf("  every cell in view (+1 row) drawn            %8.1f ms\n", inView);
    std::printf("  all %3d cells, cache emptied first           %8.1f ms\n", count, everyCold);
    std::printf("  all %3d cells again, parts in the cache      %8.1f ms\n", count, everyWarm);
    std::printf("  colour change to cells in view redrawn       %8.1f ms median, %.1f ms worst\n",
                changes[changes.size() / 2], changes.back());
    std::printf(
        "  scroll top to bottom (a row per 16 ms)       %8.1f ms, last cells %.1f ms after\n",
        scrollTotal, scrollSettle);
    std::printf("  longest event-loop stall, 1 s of nothing     %8.1f ms (the machine's share)\n",
                idleStall);
    std::printf("  longest event-loop stall while cells drawn   %8.1f ms (opening, all cells)\n",
                renderStall);
    std::printf("  longest event-loop stall (whole run)         %8.1f ms (also colour, scroll)\n",
                worstStall);
    std::printf("  part cache: %zu entries, %.1f MiB of %.0f MiB, %llu hits, %llu decodes\n",
                cache.entries, static_cast<double>(cache.bytes) / (1 << 20),
                static_cast<double>(cache.bound) / (1 << 20),
                static_cast<unsigned long long>(cache.hits),
                static_cast<unsigned long long>(cache.decodes));
    std::fflush(stdout);
    editor.editor().mutableState().saved = true;
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    using namespace kelvaro;
    const QTemporaryDir userSettings;  // every case opens the window at its first place
    bench::prepareQt(userSettings);
    QApplication app(argc, argv);
    bench::measure("sample library, front hair", bench::sampleLibrary(), kFrontHair);
    const auto synthetic = bench::syntheticLibrary();
    bench::measure("synthetic library, face", synthetic, kFace);
    bench::measure("synthetic library, front hair (3 layers)", synthetic, kFrontHair);
    return 0;
}
