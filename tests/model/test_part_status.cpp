// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Why a part shows dummy.png: the status of each kind of part file, and the faults of an
// element's folders.
#include <gtest/gtest.h>

#include "model/layer_tables.h"
#include "model/part_cache.h"
#include "model/part_library.h"
#include "model/part_status.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

constexpr Argb kOpaqueRed = 0xffff0000;

// Each kind of file once without a cache, once through one: asked twice, it is decoded once.
TEST(PartStatus, EachKindOfFileWithAndWithoutTheCache) {
    using S = PartFileStatus;
    struct Row {
        const char* name;
        void (*make)(const TempFolder& folder, const fs::path& file);
        S expected;
    };
    const Row rows[] = {
        {"a part",
         [](const TempFolder&, const fs::path& f) { test::writeSolidPart(f, kOpaqueRed); },
         S::Loads},
        {"missing", [](const TempFolder&, const fs::path&) {}, S::Missing},
        {"a folder", [](const TempFolder&, const fs::path& f) { fs::create_directory(f); },
         S::NotRegularFile},
        {"a link leading nowhere",
         [](const TempFolder&, const fs::path& f) { fs::create_symlink("gone.png", f); },
         S::NotRegularFile},
        {"garbage bytes",
         [](const TempFolder& d, const fs::path& f) { d.writeFile(f.filename(), "\x89PNG\r\nxx"); },
         S::DoesNotDecode},
        {"zero length",
         [](const TempFolder& d, const fs::path& f) { d.writeFile(f.filename(), ""); },
         S::DoesNotDecode},
    };
    for (const Row& row : rows) {
        TempFolder folder;
        const fs::path file = folder.path() / "000.png";
        row.make(folder, file);
        EXPECT_EQ(partFileStatus(file, nullptr), row.expected) << row.name;
        PartCache cache;
        for (int ask = 0; ask < 2; ++ask)
            EXPECT_EQ(partFileStatus(file, &cache), row.expected) << row.name << ", cached";
        EXPECT_LE(cache.figures().decodes, 1u) << row.name;
    }
}

TEST(PartStatus, FaultsNameEachFolderOfTheElementPrimaryFirst) {
    TempFolder library;
    const fs::path base = library.path();
    library.writeFile("picture/fhair1/004.png", "garbage");
    for (const char* folder : {"shadow", "eye"})
        test::writeSolidPart(partPath(base, folder, 4), kOpaqueRed);
    struct Row {
        int element;
        PartFaults expected;
    };
    const Row rows[] = {
        {kFrontHair,
         {{"fhair1/004.png", PartFileStatus::DoesNotDecode},
          {"fhair2/004.png", PartFileStatus::Missing}}},
        {kEyes, {{"eyesh/004.png", PartFileStatus::Missing}}},
    };
    PartCache cache;
    for (const Row& row : rows)
        EXPECT_EQ(partFaults(base, row.element, 4, &cache), row.expected) << row.element;
}

}  // namespace
}  // namespace kelvaro
