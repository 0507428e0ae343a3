// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Reading the system's font configuration on a second thread while Qt starts. The first text a
// widget measures makes Qt's font database read fontconfig's files (a third of the work before
// the window's first frame); fontconfig keeps one configuration per process, so when this thread
// has read it, Qt finds it ready. Nothing else changes: Qt still chooses and loads every font.
#pragma once

#include <thread>

namespace kelvaro {

class FontConfigWarmUp {
public:
    // Starts reading the configuration at once, on a thread of its own.
    FontConfigWarmUp();
    // Waits for the reading when finish() has not.
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits until the configuration is read. Called before the first widget measures text, so
    // that Qt does not read the same files a second time meanwhile. Idempotent.
    void finish();

private:
    std::thread m_reader;
};

}  // namespace kelvaro
