// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-bench-autosave: the recovery file's cost to the window. On the sample library, after a
// history of 300 steps, a drag of the red bar (a thumb position every 16 ms for 5 s, one merging
// step) with the recovery file kept, and the same drag without it: the longest event-loop stall
// of each. Then what one write costs the user-interface thread: serialising the portrait and the
// history (the first time, with every step's text made, and again with the steps' texts kept),
// and the whole hand-over to the writer thread (serialising included) while it writes.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/editor_window.h"
#include "bench/stall_watch.h"
#include "editing/recovery_autosave.h"
#include "io/file_boundary.h"
#include "ui/control_ids.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro::bench {
namespace {

constexpr int kHistorySteps = 300;
constexpr int kDragMs = 5000;
constexpr int kThumbMs = 16;
constexpr int kSerialisations = 200;

// Steps that each stay in the history: parts and moves of the current element.
void buildHistory(CKelvaroDlg& window) {
    PortraitEditor& editor = window.editor();
    for (int i = 0; i < kHistorySteps; ++i)
        i % 3 == 0 ? editor.nextPart() : (i % 3 == 1 ? editor.moveLeft() : editor.moveUp());
}

// The red bar dragged up and down through its range; the worst stall meanwhile, in ms.
double dragStall(CKelvaroDlg& window) {
    auto* bar = static_cast<QScrollBar*>(window.control(ids::kRedBar));
    StallWatch stalls;
    stalls.start();
    bar->setSliderDown(true);
    for (int t = 0, value = bar->minimum(), step = 3; t < kDragMs; t += kThumbMs) {
        if (value + step > bar->maximum() || value + step < bar->minimum())
            step = -step;
        value += step;
        bar->setSliderPosition(value);
        runEventLoopFor(kThumbMs);
    }
    bar->setSliderDown(false);
    runEventLoopFor(1200);  // the last write
    return stalls.worstMs();
}

// Milliseconds of `work` run kSerialisations times `pauseMs` apart: the first, then the median
// and the worst of the others.
std::vector<double> timings(const std::function<void()>& work, int pauseMs) {
    std::vector<double> times;
    for (int i = 0; i < kSerialisations; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (pauseMs > 0)
            runEventLoopFor(pauseMs);
    }
    std::sort(times.begin() + 1, times.end());
    return {times.front(), times[times.size() / 2], times.back()};
}

void measure(bool autosave) {
    const QTemporaryDir state;
    auto window = openedEditorWindow();
    if (autosave)
        window->setRecoveryFolder(toPath(state.path()) / "recovery");
    buildHistory(*window);
    const PortraitEditor& editor = window->editor();
    const std::vector<double> texts = timings([&] { (void)editor.recoveryText(); }, 0);
    runEventLoopFor(1200);
    const double stall = dragStall(*window);
    std::printf("%s (%d steps in the history)\n",
                autosave ? "recovery file kept" : "no recovery file",
                window->editor().history().count());
    std::printf("  longest event-loop stall, 5 s bar drag        %8.2f ms\n", stall);
    if (autosave) {
        const std::vector<double> handOver = timings([&] { window->autosave()->writeNow(); }, 50);
        std::printf("  serialising portrait and history, first      %8.3f ms\n", texts[0]);
        std::printf(
            "  serialising again (steps' texts kept)        %8.3f ms median, %.3f ms worst\n",
            texts[1], texts[2]);
        std::printf(
            "  a write's hand-over (serialising included)   %8.3f ms median, %.3f ms worst\n",
            handOver[1], handOver[2]);
    }
    std::fflush(stdout);
    window->editor().mutableState().saved = true;
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir userSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings.path());
    QApplication app(argc, argv);
    kelvaro::bench::measure(false);
    kelvaro::bench::measure(true);
    return 0;
}
