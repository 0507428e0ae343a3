// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The part files of one folder of the library, found by listing the folder once instead of
// probing each of the 1000 names.
#pragma once

#include <array>
#include <filesystem>
#include <vector>

#include "model/part_library.h"

namespace kelvaro {

// What stands under one part's name (NNN.png) in a folder.
enum class PartEntry : unsigned char {
    None,     // nothing: the number is missing
    Regular,  // a regular file, or a link to one
    Other,    // a folder, FIFO, device or dangling link: it counts, but the dummy shows
};

// The part names 000.png..999.png of one folder and what stands under each.
struct PartFolderListing {
    std::array<PartEntry, kMaxPartCount> entries{};  // all None when the folder cannot be listed

    bool has(int number) const {
        return entries[static_cast<std::size_t>(number)] != PartEntry::None;
    }
    // The highest number counting reaches from 000, as countParts gives it for this folder.
    int counted() const;
    // Every number with an entry, ascending.
    std::vector<int> present() const;
};

// Lists `folder` once. Only names of exactly three digits and ".png" are parts, as counting
// builds them; anything else in the folder is left alone. A missing or unreadable folder holds
// no parts.
PartFolderListing listPartFolder(const std::filesystem::path& folder);

}  // namespace kelvaro
