// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The examination of a part library: each kind of problem, made in an otherwise clean library,
// gives exactly its findings, and the figures counted are countParts's.
#include <gtest/gtest.h>

#include <QImage>
#include <fstream>
#include <functional>

#include "io/file_boundary.h"
#include "model/layer_tables.h"
#include "model/library_check.h"
#include "model/part_library.h"
#include "tests/library/check_library.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

void writePicture(const fs::path& file, int width, int height, Argb colour) {
    writeArgbPng(file, width, height, [colour](int, int) { return colour; });
}

void writeBmp(const fs::path& file) {
    QImage image(kPartSize, kPartSize, QImage::Format_RGB32);
    image.fill(0xff405060u);
    ASSERT_TRUE(image.save(toQtPath(file), "BMP"));
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A picture whose header is whole but whose image data breaks off.
void cutShort(const fs::path& file) {
    const std::string bytes = readBytes(file);
    writeBytes(file, bytes.substr(0, bytes.size() * 2 / 3));
}

fs::path part(const fs::path& base, std::string_view folder, int number) {
    return partPath(base, folder, number);
}

TEST(LibraryCheck, EachKindOfProblemGivesItsFindings) {
    using Spoil = std::function<void(const fs::path& base)>;
    struct Row {
        const char* name;
        Spoil spoil;
        bool decode;
        std::vector<std::string> findings;
    };
    const std::vector<Row> rows = {
        {"clean", [](const fs::path&) {}, true, {}},
        {"a gap hides the parts above it",
         [](const fs::path& b) { fs::remove(part(b, "face", 1)); },
         false,
         {"HiddenParts 0 face picture/face #1 [2]"}},
        {"000 missing hides everything",
         [](const fs::path& b) { fs::remove(part(b, "cloth1", 0)); },
         false,
         {"HiddenParts 11 cloth1 picture/cloth1 #0 [1,2]",
          "ExtraNumbers 11 cloth2 picture/cloth2 [0]"}},
        {"no parts at all",
         [](const fs::path& b) { fs::remove_all(b / "picture" / "neck"); },
         false,
         {"NoParts 1 neck picture/neck"}},
        {"larger: cropped",
         [](const fs::path& b) { writePicture(part(b, "face", 1), 300, 240, 0xff000000u); },
         false,
         {"WrongSize 0 face picture/face/001.png #1 300x240 cropped"}},
        {"smaller: padded",
         [](const fs::path& b) { writePicture(part(b, "iris", 2), 100, 50, 0xff000000u); },
         false,
         {"WrongSize 3 iris picture/iris/002.png #2 100x50 padded"}},
        {"wider but lower: both",
         [](const fs::path& b) { writePicture(part(b, "nose", 1), 300, 100, 0xff000000u); },
         false,
         {"WrongSize 4 nose picture/nose/001.png #1 300x100 cropped+padded"}},
        {"not a picture",
         [](const fs::path& b) { writeBytes(part(b, "mouth", 1), "not a picture"); },
         false,
         {"Undecodable 5 mouth picture/mouth/001.png #1"}},
        {"a folder under a part's name",
         [](const fs::path& b) {
             fs::remove(part(b, "brow", 2));
             fs::create_directory(part(b, "brow", 2));
         },
         false,
         {"NotRegularFile 6 brow picture/brow/002.png #2"}},
        {"a dangling link",
         [](const fs::path& b) {
             fs::remove(part(b, "ear", 1));
             fs::create_symlink(b / "gone.png", part(b, "ear", 1));
         },
         false,
         {"NotRegularFile 8 ear picture/ear/001.png #1"}},
        {"missing from a secondary folder",
         [](const fs::path& b) { fs::remove(part(b, "eyesh", 1)); },
         false,
         {"MissingNumbers 2 eyesh picture/eyesh [1]"}},
        {"only in a secondary folder",
         [](const fs::path& b) { fs::copy_file(part(b, "mouthop", 0), part(b, "mouthop", 7)); },
         false,
         {"ExtraNumbers 5 mouthop picture/mouthop [7]"}},
        {"an optional element's 000 shows, in every folder",
         [](const fs::path& b) {
             writeSolidPart(part(b, "beard", 0), 0x01000000u);
             writeSolidPart(part(b, "hat2", 0), 0xff000000u);
         },
         false,
         {"NotTransparent 7 beard picture/beard/000.png #0",
          "NotTransparent 12 hat2 picture/hat2/000.png #0"}},
        {"a picture of another format",
         [](const fs::path& b) { writeBmp(part(b, "face", 2)); },
         false,
         {"NotPng 0 face picture/face/002.png #2 bmp"}},
        {"image data cut short: the header reads",
         [](const fs::path& b) { cutShort(part(b, "fhair1", 1)); },
         false,
         {}},
        {"image data cut short: decoded",
         [](const fs::path& b) { cutShort(part(b, "fhair1", 1)); },
         true,
         {"Undecodable 9 fhair1 picture/fhair1/001.png #1"}},
        {"wall missing",
         [](const fs::path& b) { fs::remove(wallPath(b)); },
         false,
         {"MissingFile picture/wall.png"}},
        {"wall stretched",
         [](const fs::path& b) { writePicture(wallPath(b), 100, 80, 0xff000000u); },
         false,
         {"WrongSize picture/wall.png 100x80 stretched"}},
        {"wall broken",
         [](const fs::path& b) { writeBytes(wallPath(b), "x"); },
         false,
         {"Undecodable picture/wall.png"}},
        {"wall cut short",
         [](const fs::path& b) { cutShort(wallPath(b)); },
         false,
         {"Undecodable picture/wall.png"}},
        {"dummy shows",
         [](const fs::path& b) { writeSolidPart(dummyPath(b), 0xff000000u); },
         false,
         {"NotTransparent picture/dummy.png"}},
        {"dummy missing",
         [](const fs::path& b) { fs::remove(dummyPath(b)); },
         false,
         {"MissingFile picture/dummy.png"}},
        {"dummy a folder",
         [](const fs::path& b) {
             fs::remove(dummyPath(b));
             fs::create_directory(dummyPath(b));
         },
         false,
         {"NotRegularFile picture/dummy.png"}},
    };
    TempFolder clean;
    writeCleanLibrary(clean.path());
    for (const Row& row : rows) {
        TempFolder temp;
        fs::copy(clean.path() / "picture", temp.path() / "picture", fs::copy_options::recursive);
        row.spoil(temp.path());
        const LibraryReport report =
            checkLibrary(temp.path(), {.decode = row.decode, .threads = 2});
        std::vector<std::string> found;
        for (const Finding& finding : report.findings)
            found.push_back(describe(finding, temp.path()));
        EXPECT_EQ(found, row.findings) << row.name;
        EXPECT_EQ(report.clean(), row.findings.empty()) << row.name;
        ASSERT_EQ(report.elements.size(), static_cast<std::size_t>(kElementCount)) << row.name;
        for (const ElementSummary& element : report.elements) {
            EXPECT_EQ(element.folders.front().highest, countParts(temp.path(), element.element))
                << row.name << " " << element.element;
        }
    }
}

TEST(LibraryCheck, FolderFiguresAreTheCountAndWhatEachFolderHolds) {
    TempFolder temp;
    writeCleanLibrary(temp.path());
    fs::remove(part(temp.path(), "bhair1", 1));
    fs::remove(part(temp.path(), "bhair3", 2));
    fs::copy_file(part(temp.path(), "bhair2", 0), part(temp.path(), "bhair2", 40));
    const LibraryReport report = checkLibrary(temp.path());
    const ElementSummary& backHair = report.elements.at(kBackHair);
    struct Expected {
        const char* folder;
        bool primary;
        int parts;
        int highest;
    };
    const std::vector<Expected> expected = {
        {"bhair1", true, 1, 0},  // counting stops at 001
        {"bhair2", false, 4, 40},
        {"bhair3", false, 2, 1},
    };
    ASSERT_EQ(backHair.folders.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FolderSummary& folder = backHair.folders[i];
        EXPECT_EQ(folder.folder, expected[i].folder);
        EXPECT_EQ(folder.primary, expected[i].primary) << folder.folder;
        EXPECT_EQ(folder.parts, expected[i].parts) << folder.folder;
        EXPECT_EQ(folder.highest, expected[i].highest) << folder.folder;
    }
}

}  // namespace
}  // namespace kelvaro::test
