// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Decoding the part files an opening will load into a part cache ahead of the load. A thread of
// its own takes the files one by one while the window is built; whoever then needs them takes
// the files nobody has taken yet, so that with a second processor the two share what is left.
#pragma once

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <thread>
#include <vector>

namespace kelvaro {

class PartCache;

class PartPrefetch {
public:
    // Starts decoding `files` into `cache` on a thread of its own; a file named twice is decoded
    // once. `cache` must outlive this object.
    PartPrefetch(PartCache& cache, std::vector<std::filesystem::path> files);
    // Finishes as finish() does.
    ~PartPrefetch();
    PartPrefetch(const PartPrefetch&) = delete;
    PartPrefetch& operator=(const PartPrefetch&) = delete;

    // Decodes on the calling thread the files nobody has taken yet, then waits until every file
    // is decoded: afterwards the cache holds each of them as it holds one it decoded itself.
    void finish();

private:
    // Decodes files in turn until none is left to take.
    void decodeRest();

    PartCache& m_cache;
    std::vector<std::filesystem::path> m_files;
    std::atomic<std::size_t> m_next = 0;
    std::thread m_worker;
};

}  // namespace kelvaro
