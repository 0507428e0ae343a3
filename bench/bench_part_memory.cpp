// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-bench-part-memory: what the decoded-part cache buys and what the editor holds. On the
// synthetic library of 300 parts per element it opens the editor and the gallery, and reports
// for the face and the front hair (3 files a part) the first pass over every cell with the cache
// emptied and a second pass with it as the first left it, their ratio and the cache's figures;
// then, after a pass over every element with the gallery open, the process's resident memory,
// and the same after giving the allocator's free memory back (what the allocator kept).
// Meant to run on one core: taskset -c 1. An argument sets the cache's bound in MiB, to see what
// another bound would hold; `--passes` measures the two passes alone (no memory figures), for
// profiling a pass with callgrind. `--passes --without-composing` draws the cells of both passes
// without their last step: each worker composes its first cell in full (which makes the canvas
// below the element) and of every other cell only loads and recolours the part, then scales
// and hands over whatever its canvas holds. It shows what a pass costs besides composing.
#include <malloc.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "bench/editor_bench_support.h"
#include "bench/stall_watch.h"
#include "model/layer_tables.h"
#include "model/part_cache.h"
#include "model/part_preview.h"
#include "ui/companion_window.h"
#include "ui/gallery_cells.h"
#include "ui/kelvaro_dlg.h"
#include "ui/parts_tab.h"

namespace kelvaro::bench {
namespace {

// The resident memory of this process in MiB (VmRSS); -1 when it cannot be read.
double residentMiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib / 1024;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

void printResident(const char* when) {
    const double mib = residentMiB();
    if (mib < 0)
        std::printf("resident %-36s unknown: /proc/self/status has no VmRSS\n", when);
    else
        std::printf("resident %-36s %7.1f MiB (VmRSS)\n", when, mib);
}

void printCache(const char* when) {
    const PartCacheFigures cache = sharedPartCache().figures();
    std::printf("  part cache %-28s %5zu entries, %6.1f MiB of %.0f MiB, %llu decodes\n", when,
                cache.entries, static_cast<double>(cache.bytes) / (1 << 20),
                static_cast<double>(cache.bound) / (1 << 20),
                static_cast<unsigned long long>(cache.decodes));
}

// Makes `element` the editor's current one and waits for the gallery's cells in view.
int chooseElement(CKelvaroDlg& editor, int element) {
    editor.editor().mutableState().currentElement = element;
    editor.writeControls();
    editor.onSelectElement();
    PartsTab& gallery = *editor.companion()->partsTab();
    runUntil([&] { return gallery.upToDate(); });
    return gallery.cells().count();
}

// A cell as the gallery draws it but not composed, apart from each worker's first.
DrawnCell showPartCell(PartPreview& preview, const PortraitDocument& document, bool fresh, int part,
                       CanvasPixels& scratch) {
    if (fresh)
        return drawPartCell(preview, document, fresh, part, scratch);
    preview.showPart(part);
    return {&scratch, preview.faultsOfPart(part)};
}

CellDrawer passDrawer = &drawPartCell;  // --without-composing: showPartCell

// The two passes as the gallery draws them, by one renderer: the second pass comes right after
// the first and finds its worker kept. Then the same with a renderer made afresh for each pass
// (as after the gallery was closed and opened again), whose workers show the portrait anew.
void measurePasses(CKelvaroDlg& editor, const char* name, int element) {
    const int count = chooseElement(editor, element);
    GalleryRenderer renderer(editor.editor().mutableState().baseDirectory, &sharedPartCache(),
                             nullptr, passDrawer);
    const double first = drawEveryCell(renderer, editor, count, true);
    printCache("after the first pass");
    const double second = drawEveryCell(renderer, editor, count, false);
    printCache("after the second pass");
    std::printf("%s, %d parts: first pass %.1f ms, second pass %.1f ms, first/second %.2f\n", name,
                count, first, second, first / second);
    const double freshFirst = drawEveryCell(editor, count, true, passDrawer);
    const double freshSecond = drawEveryCell(editor, count, false, passDrawer);
    std::printf(
        "%s, renderer made afresh for each pass: first pass %.1f ms, second pass %.1f ms, "
        "ratio %.2f\n",
        name, freshFirst, freshSecond, freshFirst / freshSecond);
}

void measureMemory(CKelvaroDlg& editor) {
    for (int element = 0; element < kElementCount; ++element)
        drawEveryCell(editor, chooseElement(editor, element), false);
    printCache("after every element");
    printResident("after a pass over every element");
    // The gallery's own renderer keeps the workers that drew its cells in view for a while.
    GalleryRenderer& gallery = editor.companion()->partsTab()->renderer();
    runUntil([&] { return gallery.keptWorkers() == 0; });
    runEventLoopFor(200);  // their release (on a worker thread) done
    printResident("once the gallery let its workers go");
    malloc_trim(0);
    printResident("after malloc_trim(0)");
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    using namespace kelvaro;
    const QTemporaryDir userSettings;  // the window opens at its first place
    bench::prepareQt(userSettings);
    QApplication app(argc, argv);
    const bool passesOnly = argc > 1 && std::strcmp(argv[1], "--passes") == 0;
    if (passesOnly && argc > 2 && std::strcmp(argv[2], "--without-composing") == 0)
        bench::passDrawer = &bench::showPartCell;
    if (argc > 1 && !passesOnly)
        sharedPartCache().setBound(static_cast<std::size_t>(std::max(0, std::atoi(argv[1]))) << 20);
    const auto library = bench::syntheticLibrary();
    const auto editor = bench::openEditor(library, kFace);
    editor->onGallery();
    std::printf("synthetic library, %d parts an element, %d worker threads\n",
                bench::kSyntheticParts, QThread::idealThreadCount());
    bench::printResident("with the gallery open");
    bench::measurePasses(*editor, "face", kFace);
    bench::measurePasses(*editor, "front hair (3 layers)", kFrontHair);
    if (!passesOnly)
        bench::measureMemory(*editor);
    editor->editor().mutableState().saved = true;
    return 0;
}
