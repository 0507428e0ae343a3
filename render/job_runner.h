// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Runs numbered jobs on worker threads. Each job is identified by its number alone, so what a
// job produces does not depend on how many workers there are or which one runs it.
#pragma once

#include <functional>

namespace kelvaro::render {

// The number of workers -j 0 stands for: one per core (at least one).
int defaultWorkerCount();

// Runs job(index, worker) for every index in 0..count-1 on `workers` threads (worker is
// 0..workers-1, a thread runs one job at a time), and calls progress(done) on the calling thread
// now and then and once when every job has finished.
void runJobs(int count, int workers, const std::function<void(int index, int worker)>& job,
             const std::function<void(int done)>& progress);

}  // namespace kelvaro::render
