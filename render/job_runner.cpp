// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/job_runner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvaro::render {

int defaultWorkerCount() {
    return std::max(1u, std::thread::hardware_concurrency());
}

void runJobs(int count, int workers, const std::function<void(int index, int worker)>& job,
             const std::function<void(int done)>& progress) {
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::mutex mutex;
    std::condition_variable finished;
    const auto work = [&](int worker) {
        for (int index = next++; index < count; index = next++) {
            job(index, worker);
            if (++done == count) {
                std::lock_guard lock(mutex);
                finished.notify_all();
            }
        }
    };
    if (count == 1) {
        // A lone job runs on the calling thread: a thread of its own would only add its start,
        // its own heap and its own decode buffers.
        work(0);
        progress(done.load());
        return;
    }
    std::vector<std::thread> threads;
    const int started = std::clamp(workers, 1, std::max(count, 1));
    for (int worker = 0; worker < started; ++worker)
        threads.emplace_back(work, worker);
    {
        std::unique_lock lock(mutex);
        while (!finished.wait_for(lock, std::chrono::milliseconds(100),
                                  [&] { return done.load() == count; }))
            progress(done.load());
    }
    for (std::thread& thread : threads)
        thread.join();
    progress(done.load());
}

}  // namespace kelvaro::render
