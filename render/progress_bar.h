// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The progress of a long run on standard error, when that is a terminal: a bar, the count done
// and the rate. The line is cleared again at the end, so a finished run leaves nothing behind.
#pragma once

#include <chrono>
#include <string>

namespace kelvaro::render {

// "[##########----------]  512/1024  830/s" for `done` of `total` in `seconds`.
std::string progressLine(int done, int total, double seconds);

class ProgressBar {
public:
    // Shows nothing unless standard error is a terminal.
    explicit ProgressBar(int total);
    ~ProgressBar();
    void show(int done);

private:
    int m_total;
    bool m_enabled;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_start;
};

}  // namespace kelvaro::render
