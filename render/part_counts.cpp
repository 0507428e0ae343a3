// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/part_counts.h"

#include "model/part_library.h"

namespace kelvaro::render {

const std::array<int, kElementCount>& PartCounts::highest() const {
    std::call_once(m_counted, [this] {
        for (int element = 0; element < kElementCount; ++element)
            m_highest[static_cast<std::size_t>(element)] = countParts(m_base, element);
    });
    return m_highest;
}

}  // namespace kelvaro::render
