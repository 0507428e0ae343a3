// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Why a part shows dummy.png: the status of single part files of each kind, the faults of an
// element's folders, and that asking after a load decodes nothing again.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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

TEST(PartStatus, EachKindOfFileWithAndWithoutTheCache) {
    struct Row {
        const char* name;
        void (*make)(const TempFolder& folder, const fs::path& file);
        PartFileStatus expected;
    };
    const Row rows[] = {
        {"a decodable part",
         [](const TempFolder&, const fs::path& f) { test::writeSolidPart(f, kOpaqueRed); },
         PartFileStatus::Loads},
        {"missing", [](const TempFolder&, const fs::path&) {}, PartFileStatus::Missing},
        {"a folder in place of the file",
         [](const TempFolder&, const fs::path& f) { fs::create_directory(f); },
         PartFileStatus::NotRegularFile},
        {"a FIFO",
         [](const TempFolder&, const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
         PartFileStatus::NotRegularFile},
        {"a link leading nowhere",
         [](const TempFolder&, const fs::path& f) { fs::create_symlink("gone.png", f); },
         PartFileStatus::NotRegularFile},
        {"garbage bytes",
         [](const TempFolder& folder, const fs::path& f) {
             folder.writeFile(f.filename(), std::string("\x89PNG\r\n\x1a\nnot a picture", 21));
         },
         PartFileStatus::DoesNotDecode},
        {"zero length",
         [](const TempFolder& folder, const fs::path& f) { folder.writeFile(f.filename(), ""); },
         PartFileStatus::DoesNotDecode},
    };
    for (const Row& row : rows) {
        for (const bool cached : {false, true}) {
            TempFolder folder;
            const fs::path file = folder.path() / "000.png";
            row.make(folder, file);
            PartCache cache;
            EXPECT_EQ(partFileStatus(file, cached ? &cache : nullptr), row.expected)
                << row.name << (cached ? ", cached" : "");
        }
    }
}

TEST(PartStatus, AskingAfterALoadDecodesNothingAgain) {
    TempFolder folder;
    const fs::path good = folder.path() / "000.png";
    const fs::path broken = folder.path() / "001.png";
    test::writeSolidPart(good, kOpaqueRed);
    folder.writeFile(broken.filename(), "broken");
    PartCache cache;
    cache.decode(good);
    cache.decode(broken);
    EXPECT_EQ(partFileStatus(good, &cache), PartFileStatus::Loads);
    EXPECT_EQ(partFileStatus(broken, &cache), PartFileStatus::DoesNotDecode);
    EXPECT_EQ(cache.figures().decodes, 2u);
    EXPECT_EQ(cache.figures().hits, 2u);
}

TEST(PartStatus, FaultsNameEachFolderOfTheElementPrimaryFirst) {
    TempFolder library;
    const fs::path base = library.path();
    // Front hair 004: fhair1 is garbage, fhair2 missing, shadow fine. Eyes 004: eyesh missing.
    library.writeFile("picture/fhair1/004.png", "garbage");
    test::writeSolidPart(partPath(base, "shadow", 4), kOpaqueRed);
    test::writeSolidPart(partPath(base, "eye", 4), kOpaqueRed);
    test::writeSolidPart(partPath(base, "face", 4), kOpaqueRed);
    struct Row {
        int element;
        PartFaults expected;
    };
    const Row rows[] = {
        {kFrontHair,
         {{"fhair1/004.png", PartFileStatus::DoesNotDecode},
          {"fhair2/004.png", PartFileStatus::Missing}}},
        {kEyes, {{"eyesh/004.png", PartFileStatus::Missing}}},
        {kFace, {}},
        {kNose, {{"nose/004.png", PartFileStatus::Missing}}},
        {-1, {}},
    };
    PartCache cache;
    for (const Row& row : rows)
        EXPECT_EQ(partFaults(base, row.element, 4, &cache), row.expected) << row.element;
}

}  // namespace
}  // namespace kelvaro
