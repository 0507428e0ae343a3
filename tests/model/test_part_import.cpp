// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Pictures added to a part library: the files written, the numbers they take, and a library left
// as it was when a picture cannot be read or a file cannot be written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <map>

#include "model/image_files.h"
#include "model/layer_tables.h"
#include "model/part_import.h"
#include "model/part_library.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

constexpr Argb kRed = 0xffff0000;

// A library with parts 000..`parts - 1` of every element but its secondary folders' parts.
struct Library {
    TempFolder folder;
    fs::path base = folder.path();

    explicit Library(int parts = 2) {
        for (int part = 0; part < parts; ++part) {
            for (int layer = 0; layer < kLayerCount; ++layer)
                writeSolidPart(partPath(base, layerInfo(layer).folder, part), 0xff102030);
        }
        writeSolidPart(dummyPath(base), 0);
    }
    fs::path picture(const std::string& name, int width, int height, Argb colour) const {
        const fs::path file = folder.path() / "in" / name;
        writeArgbPng(file, width, height, [colour](int, int) { return colour; });
        return file;
    }
    // Every file below picture/ with its bytes.
    std::map<fs::path, std::string> contents() const {
        std::map<fs::path, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(base / "picture"))
            files[entry.path()] = entry.is_regular_file() ? readBytes(entry.path()) : "<folder>";
        return files;
    }
};

PartPixels partAt(const fs::path& file) {
    PartPixels pixels{};
    EXPECT_TRUE(readPartImage(file, pixels)) << file;
    return pixels;
}

TEST(PartImport, PicturesBecomePartFilesOfEveryFolder) {
    const Library library;
    const fs::path square = library.picture("square.png", 230, 230, kRed);
    const fs::path wide = library.picture("wide.png", 460, 230, kRed);
    writeSolidPart(partPath(library.base, "shadow", 3), kRed);  // waits for its primary part
    const std::string waiting = readBytes(partPath(library.base, "shadow", 3));

    const fs::path pictures[] = {square, wide};
    const PartImport added = importParts(library.base, kFrontHair, pictures);
    ASSERT_TRUE(added.ok()) << added.failure;
    EXPECT_EQ(added.numbers, (std::vector<int>{2, 3}));
    EXPECT_TRUE(added.skipped.empty());
    EXPECT_EQ(readBytes(partPath(library.base, "fhair1", 2)), readBytes(square));
    const std::string fitted = readBytes(partPath(library.base, "fhair1", 3));
    ASSERT_GT(fitted.size(), 26u);
    EXPECT_EQ(fitted[24], 8) << "8 bits a sample";
    EXPECT_EQ(fitted[25], 6) << "RGBA";
    for (const auto& [folder, number] : {std::pair{"fhair2", 2}, {"fhair2", 3}, {"shadow", 2}}) {
        const PartPixels secondary = partAt(partPath(library.base, folder, number));
        EXPECT_TRUE(std::all_of(secondary.begin(), secondary.end(), [](Argb p) { return !p; }))
            << folder << " " << number;
    }
    EXPECT_EQ(readBytes(partPath(library.base, "shadow", 3)), waiting);
    EXPECT_EQ(countParts(library.base, kFrontHair), 3);
}

TEST(PartImport, NumbersFollowTheCountAndPassOverTakenOnes) {
    const struct {
        const char* name;
        std::vector<int> present;  // part files of the nose before
        bool folderInTheWay;       // a folder named 005.png
        int pictures;
        std::vector<int> given, skipped;
    } rows[] = {
        {"after the count", {0, 1, 2}, false, 2, {3, 4}, {}},
        {"into the gap", {0, 1, 3}, false, 1, {2}, {}},
        {"over parts above a gap", {0, 1, 3, 4}, false, 3, {2, 5, 6}, {3, 4}},
        {"over a folder", {0}, true, 5, {1, 2, 3, 4, 6}, {5}},
        {"a new element", {}, false, 1, {0}, {}},
    };
    for (const auto& row : rows) {
        const Library library(0);
        for (const int part : row.present)
            writeSolidPart(partPath(library.base, "nose", part), 0xff445566);
        if (row.folderInTheWay)
            fs::create_directories(partPath(library.base, "nose", 5));
        std::vector<fs::path> pictures;
        for (int i = 0; i < row.pictures; ++i)
            pictures.push_back(library.picture(std::to_string(i) + ".png", 10, 10, kRed));
        const auto before = library.contents();
        const PartImport added = importParts(library.base, kNose, pictures);
        ASSERT_TRUE(added.ok()) << row.name << ": " << added.failure;
        EXPECT_EQ(added.numbers, row.given) << row.name;
        EXPECT_EQ(added.skipped, row.skipped) << row.name;
        const auto after = library.contents();
        for (const auto& [file, bytes] : before)
            EXPECT_EQ(after.at(file), bytes) << row.name << " " << file;
    }
    EXPECT_EQ(skippedNumbersNote(std::vector<int>{3, 14}),
              "次の番号には既にファイルがあるため使いませんでした: 003, 014");
}

TEST(PartImport, NumbersRunOutAt999) {
    const Library library(0);
    for (int part = 0; part < kMaxPartCount - 1; ++part)
        library.folder.writeFile(
            partPath(library.base, "acc", part).lexically_relative(library.folder.path()), "");
    const fs::path pictures[] = {library.picture("a.png", 5, 5, kRed),
                                 library.picture("b.png", 5, 5, kRed)};
    const PartImport refused = importParts(library.base, kAccessory, pictures);
    EXPECT_EQ(refused.failure, "部品番号は 999 までです。これ以上部品を追加できません");
    EXPECT_FALSE(fs::exists(partPath(library.base, "acc", 999)));
    const PartImport last = importParts(library.base, kAccessory, std::span(pictures, 1));
    EXPECT_EQ(last.numbers, std::vector<int>{999});
}

TEST(PartImport, APictureThatCannotBeReadWritesNothing) {
    const Library library;
    const fs::path good = library.picture("good.png", 40, 40, kRed);
    const fs::path inFolder = library.folder.path() / "in";
    const struct {
        const char* name;
        fs::path picture;
        const char* reason;  // null: the system's own
    } rows[] = {
        {"text", library.folder.writeFile("in/a.png", "no picture"),
         "画像の形式に対応していないか、ファイルが壊れています"},
        {"cut short",
         library.folder.writeFile("in/cut.png",
                                  readBytes(good).substr(0, readBytes(good).size() / 2)),
         "画像の形式に対応していないか、ファイルが壊れています"},
        {"missing", inFolder / "missing.png", nullptr},
        {"a folder", inFolder, nullptr},
    };
    const auto before = library.contents();
    for (const auto& row : rows) {
        const fs::path pictures[] = {good, row.picture};
        const PartImport refused = importParts(library.base, kFace, pictures);
        const std::string head =
            "画像ファイルを読み込めませんでした\n" + row.picture.string() + "\n";
        EXPECT_TRUE(refused.failure.starts_with(head)) << row.name << ": " << refused.failure;
        if (row.reason) {
            EXPECT_EQ(refused.failure, head + row.reason) << row.name;
        }
        EXPECT_TRUE(refused.numbers.empty()) << row.name;
        EXPECT_EQ(library.contents(), before) << row.name;
    }
}

TEST(PartImport, AFileThatCannotBeWrittenLeavesTheLibraryAsItWas) {
    const struct {
        const char* name;
        const char* readOnly;  // below picture/
        int element;
        const char* failsAt;  // below picture/
    } rows[] = {
        {"primary folder", "ear", kEars, "ear/002.png"},
        {"secondary folder", "hat3", kHeadwear, "hat3/002.png"},
        {"a folder to make", ".", kBand, "band"},
    };
    for (const auto& row : rows) {
        const Library library;
        if (row.element == kBand)
            fs::remove_all(library.base / "picture" / "band");
        const fs::path pictures[] = {library.picture("a.png", 30, 30, kRed)};
        // The import runs as a user without special rights, who owns the library (root would
        // write into read-only folders).
        handToUnprivilegedUser(library.base);
        for (const auto& entry : fs::recursive_directory_iterator(library.base))
            handToUnprivilegedUser(entry.path());
        const fs::path readOnly = library.base / "picture" / row.readOnly;
        const auto before = library.contents();
        fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::remove);
        if (!folderRefusesUnprivileged(readOnly))
            GTEST_SKIP() << "a folder without write permission can be written here";
        const fs::path failed = library.base / "picture" / row.failsAt;
        const std::string expected =
            "部品ファイルの書き込みに失敗しました\n" + failed.lexically_normal().string() + "\n";
        const bool refused = runUnprivileged([&] {
            return importParts(library.base, row.element, pictures).failure.starts_with(expected);
        });
        const auto after = library.contents();
        fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_TRUE(refused) << row.name;
        EXPECT_EQ(after, before) << row.name;
    }
}

TEST(PartImport, ALibraryIsNeeded) {
    const TempFolder empty;
    const fs::path picture = empty.path() / "a.png";
    writeArgbPng(picture, 4, 4, [](int, int) { return kRed; });
    const PartImport refused = importParts(empty.path(), kFace, std::span(&picture, 1));
    EXPECT_EQ(refused.failure,
              "部品ライブラリが見つかりません: " + (empty.path() / "picture").string());
    EXPECT_EQ(namesIn(empty.path()), std::vector<std::string>{"a.png"});
}

}  // namespace
}  // namespace kelvaro::test
