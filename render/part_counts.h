// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The highest part number of every element of a library, counted when first asked for: showing
// a document needs none of them, only drawing parts does.
#pragma once

#include <array>
#include <filesystem>
#include <mutex>

#include "model/layer_tables.h"

namespace kelvaro::render {

class PartCounts {
public:
    // The counts of the library at `base` (which holds picture/); nothing is counted yet.
    explicit PartCounts(std::filesystem::path base) : m_base(std::move(base)) {}
    PartCounts(const PartCounts&) = delete;
    PartCounts& operator=(const PartCounts&) = delete;

    // countParts of every element, counted at the first call (from any thread) and kept: the
    // library's files stay as they are while the renderer runs.
    const std::array<int, kElementCount>& highest() const;

private:
    std::filesystem::path m_base;
    mutable std::once_flag m_counted;
    mutable std::array<int, kElementCount> m_highest{};
};

}  // namespace kelvaro::render
