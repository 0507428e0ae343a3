// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The kill test's editor: the real editor window, offscreen, with recovery files in a given
// folder.
//
//   kelvaro-recovery-driver run LIBRARY STATE SEED LOG
//     runs 200 seeded random commands on a timer and appends, unbuffered (write(2)), one line per
//     command to LOG: "<monotonic ns> <canvas hash> <history index>", the first for the opened
//     window; then waits to be killed.
//   kelvaro-recovery-driver churn LIBRARY STATE SEED LOG
//     the same, but writes the recovery file after every command, so that a kill at any moment
//     is likely to come while a write is under way.
//   kelvaro-recovery-driver restore LIBRARY STATE
//     answers the recovery question with OK, prints "restored <hash> <index>" (or "none" when no
//     question came) and then "undo <hash>" for each Ctrl+Z down to the history's start.
#include <fcntl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>

#include "editing/recovery_autosave.h"
#include "ui/control_ids.h"
#include "ui/kelvaro_dlg.h"
#include "ui/recovery_offer.h"

namespace kelvaro {
namespace {

constexpr int kCommands = 200;
constexpr int kCommandMs = 10;

std::uint64_t monotonicNs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(now.tv_nsec);
}

// FNV-1a over the canvas the window shows, which is what an export captures.
std::uint64_t canvasHash(const CKelvaroDlg& dialog) {
    const auto canvas = makeCanvasPixels();
    dialog.editor().compose(*canvas);
    std::uint64_t hash = 14695981039346656037u;
    for (const Argb pixel : *canvas) {
        hash ^= pixel;
        hash *= 1099511628211u;
    }
    return hash;
}

std::string stateLine(const CKelvaroDlg& dialog) {
    return std::to_string(canvasHash(dialog)) + " " +
           std::to_string(dialog.editor().history().index());
}

void clickButton(CKelvaroDlg& dialog, int id) {
    static_cast<QAbstractButton*>(dialog.control(id))->click();
}

// The commands the script draws from: buttons, a page of a colour bar, undo and redo.
void runCommand(CKelvaroDlg& dialog, int command) {
    static constexpr int kButtons[] = {ids::kNext,     ids::kPrevious,    ids::kMoveUp,
                                       ids::kMoveLeft, ids::kRotateRight, ids::kCentre,
                                       ids::kGenerate};
    constexpr int kButtonCount = static_cast<int>(std::size(kButtons));
    if (command < kButtonCount)
        return clickButton(dialog, kButtons[command]);
    if (command == kButtonCount)
        return static_cast<QScrollBar*>(dialog.control(ids::kRedBar))
            ->triggerAction(QAbstractSlider::SliderPageStepSub);
    if (command == kButtonCount + 1)
        return dialog.onUndo();
    dialog.onRedo();
}

int run(CKelvaroDlg& dialog, unsigned seed, const char* logFile, bool churn) {
    const int log = ::open(logFile, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    const auto logLine = [&dialog, log] {
        const std::string line = std::to_string(monotonicNs()) + " " + stateLine(dialog) + "\n";
        (void)!::write(log, line.data(), line.size());
    };
    dialog.show();
    logLine();
    std::mt19937 random(seed);
    int done = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (done++ == kCommands)
            return timer.stop();
        runCommand(dialog, std::uniform_int_distribution(0, 9)(random));
        logLine();
        if (churn)
            dialog.autosave()->writeNow();
    });
    timer.start(kCommandMs);
    return QApplication::exec();
}

// Answers every message box with OK; true once the recovery question was among them.
void answerBoxes(bool& asked) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    asked = asked || box->text() == recoveryQuestion();
    box->button(QMessageBox::Ok)->click();
}

int restore(CKelvaroDlg& dialog) {
    bool asked = false;
    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, [&asked] { answerBoxes(asked); });
    answering.start(5);
    dialog.show();
    // The offer runs right after the window shows; its box is answered within the wait.
    QTest::qWait(100);
    if (!asked) {
        std::printf("none\n");
        return 0;
    }
    std::printf("restored %s\n", stateLine(dialog).c_str());
    while (dialog.editor().history().index() > 0) {
        dialog.onUndo();
        std::printf("undo %s\n", stateLine(dialog).c_str());
    }
    dialog.editor().mutableState().saved = true;
    return 0;
}

}  // namespace
}  // namespace kelvaro

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string mode = argc > 3 ? argv[1] : "";
    const bool running = mode == "run" || mode == "churn";
    if (!((running && argc == 6) || (mode == "restore" && argc == 4))) {
        std::fprintf(stderr, "usage: %s run|churn LIBRARY STATE SEED LOG | restore LIBRARY STATE\n",
                     argv[0]);
        return 2;
    }
    const std::filesystem::path library = argv[2];
    std::filesystem::current_path(library);
    kelvaro::CKelvaroDlg dialog(library / "Kelvaro.ini");
    dialog.setRecoveryFolder(argv[3]);
    if (running)
        return kelvaro::run(dialog, static_cast<unsigned>(std::stoul(argv[4])), argv[5],
                            mode == "churn");
    return kelvaro::restore(dialog);
}
