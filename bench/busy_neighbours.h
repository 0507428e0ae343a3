// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Another program busy on every core, for the benchmarks that measure the window under load: one
// process per online CPU, each kept on its CPU and spinning at normal niceness until stopped.
// They are processes of their own, as another program's would be, started by fork() and doing
// nothing but system calls and a loop there. Each is killed when the benchmark process ends in
// any way (PR_SET_PDEATHSIG), so none is left spinning after a failed or interrupted run.
#pragma once

#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace kelvaro::bench {

class BusyNeighbours {
public:
    BusyNeighbours() = default;
    BusyNeighbours(const BusyNeighbours&) = delete;
    BusyNeighbours& operator=(const BusyNeighbours&) = delete;
    // Stops the spinners still running.
    ~BusyNeighbours() { stop(); }

    // Starts one spinning process per online CPU; false, with none left running, when a process
    // cannot be started.
    bool start() {
        const long cpus = sysconf(_SC_NPROCESSORS_ONLN);
        const pid_t parent = getpid();
        for (int cpu = 0; cpu < cpus; ++cpu) {
            const pid_t child = fork();
            if (child < 0) {
                stop();
                return false;
            }
            if (child == 0)
                spin(cpu, parent);
            m_children.push_back(child);
        }
        return true;
    }

    // Kills the spinners and waits for them to end.
    void stop() {
        for (const pid_t child : m_children)
            kill(child, SIGKILL);
        for (const pid_t child : m_children)
            waitpid(child, nullptr, 0);
        m_children.clear();
    }

    // Spinners running.
    int count() const { return static_cast<int>(m_children.size()); }

private:
    // The child: dies with `parent`, keeps to CPU `cpu` at niceness 0 (as far as it may) and
    // spins until killed.
    [[noreturn]] static void spin(int cpu, pid_t parent) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(0);
        cpu_set_t only;
        CPU_ZERO(&only);
        CPU_SET(cpu, &only);
        sched_setaffinity(0, sizeof only, &only);
        setpriority(PRIO_PROCESS, 0, 0);
        for (;;)
            asm volatile("" ::: "memory");  // a loop the compiler must keep
    }

    std::vector<pid_t> m_children;
};

}  // namespace kelvaro::bench
