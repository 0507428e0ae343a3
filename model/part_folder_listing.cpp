// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_folder_listing.h"

#include <optional>
#include <string>

namespace kelvaro {
namespace {

// The number a part file name stands for: "042.png" is 42; nothing for any other name.
std::optional<int> partNumberOf(const std::string& name) {
    if (name.size() != 7 || !name.ends_with(".png"))
        return std::nullopt;
    int number = 0;
    for (int i = 0; i < 3; ++i) {
        const char digit = name[static_cast<std::size_t>(i)];
        if (digit < '0' || digit > '9')
            return std::nullopt;
        number = number * 10 + (digit - '0');
    }
    return number;
}

PartEntry entryKind(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) ? PartEntry::Regular : PartEntry::Other;
}

}  // namespace

int PartFolderListing::counted() const {
    int n = 0;
    while (n < kMaxPartCount && has(n))
        ++n;
    return n - 1;
}

std::vector<int> PartFolderListing::present() const {
    std::vector<int> numbers;
    for (int n = 0; n < kMaxPartCount; ++n) {
        if (has(n))
            numbers.push_back(n);
    }
    return numbers;
}

PartFolderListing listPartFolder(const std::filesystem::path& folder) {
    PartFolderListing listing;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        if (const auto number = partNumberOf(entries->path().filename().string()))
            listing.entries[static_cast<std::size_t>(*number)] = entryKind(*entries);
    }
    return listing;
}

}  // namespace kelvaro
