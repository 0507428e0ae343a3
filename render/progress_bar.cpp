// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/progress_bar.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace kelvaro::render {
namespace {

constexpr int kBarWidth = 30;

}  // namespace

std::string progressLine(int done, int total, double seconds) {
    const int filled =
        total > 0 ? static_cast<int>(static_cast<long long>(done) * kBarWidth / total) : kBarWidth;
    std::string line(kBarWidth + 2, '-');
    line.front() = '[';
    line.back() = ']';
    std::fill_n(line.begin() + 1, std::clamp(filled, 0, kBarWidth), '#');
    char figures[64];
    const double rate = seconds > 0 ? done / seconds : 0.0;
    std::snprintf(figures, sizeof figures, " %d/%d  %.0f/s", done, total, rate);
    line.append(figures);
    return line;
}

ProgressBar::ProgressBar(int total)
    : m_total(total),
      m_enabled(::isatty(STDERR_FILENO) == 1),
      m_start(std::chrono::steady_clock::now()) {}

ProgressBar::~ProgressBar() {
    if (m_drawn)
        std::fputs("\r\033[K", stderr);
}

void ProgressBar::show(int done) {
    if (!m_enabled)
        return;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - m_start;
    std::fprintf(stderr, "\r%s", progressLine(done, m_total, elapsed.count()).c_str());
    std::fflush(stderr);
    m_drawn = true;
}

}  // namespace kelvaro::render
