// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "editing/part_prefetch.h"

#include <algorithm>

#include "io/thread_niceness.h"
#include "model/part_cache.h"

namespace kelvaro {
namespace {

// The thread runs nicer than the one that starts it: at start-up the second processor belongs to
// the font configuration's reading, which the window waits for, and whoever finishes the
// prefetch decodes what the thread has not taken.
constexpr int kPrefetchNiceness = 10;

// `files` in their order, each once.
std::vector<std::filesystem::path> withoutRepeats(std::vector<std::filesystem::path> files) {
    std::vector<std::filesystem::path> once;
    once.reserve(files.size());
    for (std::filesystem::path& file : files) {
        if (std::find(once.begin(), once.end(), file) == once.end())
            once.push_back(std::move(file));
    }
    return once;
}

}  // namespace

PartPrefetch::PartPrefetch(PartCache& cache, std::vector<std::filesystem::path> files)
    : m_cache(cache), m_files(withoutRepeats(std::move(files))), m_worker([this] {
          raiseThisThreadsNiceness(kPrefetchNiceness);
          decodeRest();
      }) {}

PartPrefetch::~PartPrefetch() {
    finish();
}

void PartPrefetch::finish() {
    decodeRest();
    if (m_worker.joinable())
        m_worker.join();
}

void PartPrefetch::decodeRest() {
    for (std::size_t i = m_next++; i < m_files.size(); i = m_next++)
        m_cache.decode(m_files[i]);
}

}  // namespace kelvaro
