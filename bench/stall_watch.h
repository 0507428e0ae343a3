// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The longest stall of the user-interface thread's event loop, as the window benchmarks report it.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace kelvaro::bench {

// The longest gap between two ticks of a 1 ms timer, less the millisecond: how long the event
// loop was kept from running.
class StallWatch {
public:
    StallWatch() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_worst = std::max(m_worst, now - m_last - 1'000'000);
            m_last = now;
        });
    }
    // Starts watching anew.
    void start() {
        m_clock.start();
        m_last = 0;
        m_worst = 0;
        m_timer.start();
    }
    // The longest stall since start(), in milliseconds.
    double worstMs() const { return static_cast<double>(m_worst) / 1e6; }
    // How long it has watched since start(), in milliseconds.
    double watchedMs() const { return static_cast<double>(m_clock.nsecsElapsed()) / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

// Runs the event loop for `ms` milliseconds. Unlike QTest::qWait, which sleeps up to 10 ms between
// turns of the loop, it leaves the loop waiting for events only, so that a StallWatch meanwhile
// sees what keeps the loop from running and nothing of the wait's own.
inline void runEventLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace kelvaro::bench
