// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The user-interface thread's longest single pieces of work: a QApplication that, while
// recording, times every outermost event it delivers (events sent from inside one count in it)
// by the thread's processor time and by the wall clock, and keeps what received it. Processor
// time does not grow with the machine's load; the wall time is what the event loop waited.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QMetaEnum>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace kelvaro::bench {

class DispatchWatch : public QApplication {
public:
    using QApplication::QApplication;

    // One piece of work: processor and wall time in ms, the receiver's class and its parent's
    // (null for none), the event's type (QEvent::None for a call the benchmark made itself).
    struct Dispatch {
        double cpu = 0, wall = 0;
        const QMetaObject* receiver = nullptr;
        const QMetaObject* parent = nullptr;
        QEvent::Type type = QEvent::None;
        const char* call = nullptr;  // the call's name when type is None
    };

    // Starts recording anew, or stops.
    void record(bool on) {
        m_recording = on;
        if (on)
            m_dispatches.clear();
    }
    // Records a call the benchmark makes outside the event loop, named `name`.
    template <typename Call>
    void time(const char* name, Call&& call) {
        const Clocks start = now();
        ++m_depth;  // the events it sends count in it
        call();
        --m_depth;
        add(start, {0, 0, nullptr, nullptr, QEvent::None, name});
    }

    bool notify(QObject* receiver, QEvent* event) override {
        if (!m_recording || m_depth > 0)
            return deliver(receiver, event);
        const Clocks start = now();
        const QObject* parent = receiver->parent();
        Dispatch dispatch{0,
                          0,
                          receiver->metaObject(),
                          parent ? parent->metaObject() : nullptr,
                          event->type(),
                          nullptr};
        const bool done = deliver(receiver, event);
        add(start, dispatch);
        return done;
    }

    // The number of pieces recorded, their processor time in all and the `n` longest by
    // processor time, a line each.
    std::string longest(int n) {
        double sum = 0;
        for (const Dispatch& d : m_dispatches)
            sum += d.cpu;
        std::sort(m_dispatches.begin(), m_dispatches.end(),
                  [](const Dispatch& a, const Dispatch& b) { return a.cpu > b.cpu; });
        std::string text = line(
            "  UI thread while cells drawn: %zu events, %.1f ms processor "
            "time; the longest:\n",
            m_dispatches.size(), sum);
        const auto shown = std::min<std::size_t>(static_cast<std::size_t>(n), m_dispatches.size());
        for (std::size_t i = 0; i < shown; ++i)
            text += line("    %6.2f ms processor, %6.2f ms wall  %s\n", m_dispatches[i].cpu,
                         m_dispatches[i].wall, describe(m_dispatches[i]).c_str());
        return text;
    }

private:
    struct Clocks {
        double cpu, wall;
    };
    static double ms(clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    static Clocks now() { return {ms(CLOCK_THREAD_CPUTIME_ID), ms(CLOCK_MONOTONIC)}; }

    bool deliver(QObject* receiver, QEvent* event) {
        ++m_depth;
        const bool done = QApplication::notify(receiver, event);
        --m_depth;
        return done;
    }
    void add(Clocks start, Dispatch dispatch) {
        const Clocks end = now();
        dispatch.cpu = end.cpu - start.cpu;
        dispatch.wall = end.wall - start.wall;
        m_dispatches.push_back(dispatch);
    }
    template <typename... Args>
    static std::string line(const char* format, Args... args) {
        char text[256];
        std::snprintf(text, sizeof text, format, args...);
        return text;
    }
    static std::string describe(const Dispatch& d) {
        if (d.type == QEvent::None)
            return d.call;
        std::string what = d.receiver->className();
        if (d.parent)
            what += std::string(" in ") + d.parent->className();
        const char* type = QMetaEnum::fromType<QEvent::Type>().valueToKey(d.type);
        return what + ", " + (type ? type : std::to_string(d.type));
    }

    bool m_recording = false;
    int m_depth = 0;
    std::vector<Dispatch> m_dispatches;
};

}  // namespace kelvaro::bench
