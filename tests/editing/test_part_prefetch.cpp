// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editing/part_prefetch.h"
#include "model/part_cache.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// One opening's files by number: n names n.png, solid in 0xff000000 + n * 0x10101, and -1 a
// file that is missing.
struct PrefetchCase {
    const char* what;
    std::vector<int> files;
    bool finishAtOnce;  // the loader takes the files before the thread can (else the end waits)
    int distinctFiles;  // files that exist, each counted once
};

const std::vector<PrefetchCase> kCases = {
    {"none", {}, true, 0},
    {"one, taken at once", {0}, true, 1},
    {"many, taken at once", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, true, 10},
    {"many, left to the thread", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, false, 10},
    {"repeats and a missing file", {3, 1, 3, -1, 1, 2, -1}, true, 3},
    {"repeats left to the thread", {4, 4, 4, 5}, false, 2},
};

Argb colourOf(int number) {
    return 0xff000000u + static_cast<Argb>(number) * 0x10101u;
}

std::vector<fs::path> writeParts(const test::TempFolder& folder, const std::vector<int>& numbers) {
    std::vector<fs::path> files;
    for (int number : numbers) {
        files.push_back(folder.path() / (std::to_string(number) + ".png"));
        if (number >= 0 && !fs::exists(files.back()))
            test::writeSolidPart(files.back(), colourOf(number));
    }
    return files;
}

TEST(PartPrefetch, EveryFileIsDecodedOnceAndThenServedFromTheCache) {
    for (const PrefetchCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const test::TempFolder folder;
        const std::vector<fs::path> files = writeParts(folder, c.files);
        PartCache cache;
        {
            PartPrefetch prefetch(cache, files);
            if (c.finishAtOnce)
                prefetch.finish();
        }
        const PartCacheFigures decoded = cache.figures();
        EXPECT_EQ(decoded.decodes, static_cast<std::uint64_t>(c.distinctFiles));
        EXPECT_EQ(decoded.entries, static_cast<std::size_t>(c.distinctFiles));
        for (std::size_t i = 0; i < files.size(); ++i) {
            const auto part = cache.decode(files[i]);
            ASSERT_EQ(part != nullptr, c.files[i] >= 0) << files[i];
            if (part) {
                EXPECT_EQ(part->at(3, 5), colourOf(c.files[i])) << files[i];
            }
        }
        EXPECT_EQ(cache.figures().decodes, decoded.decodes);
    }
}

}  // namespace
}  // namespace kelvaro
