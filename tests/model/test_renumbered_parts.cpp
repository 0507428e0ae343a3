// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Parts found again after the library was renumbered: the number a document's part moved to,
// what follows it, and what is still listed as changed.
#include <gtest/gtest.h>

#include <functional>

#include "model/document_file.h"
#include "model/part_hash.h"
#include "model/part_library.h"
#include "model/renumbered_parts.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

constexpr int kSavedHair = 3;

// The bytes of part `number` of `folder` in the library the tests start from; every file
// differs from every other.
std::string partBytes(std::string_view folder, int number) {
    return std::string(folder) + " part " + std::to_string(number);
}

std::string relativePart(std::string_view folder, int number) {
    return partPath(fs::path(), folder, number).generic_string();
}

// A library whose every layer folder holds parts 000..009.
void writeLibrary(const TempFolder& folder) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int number = 0; number < 10; ++number)
            folder.writeFile(relativePart(layerInfo(layer).folder, number),
                             partBytes(layerInfo(layer).folder, number));
    }
}

// The document a save records on that library: front hair 003, everything else 000, an
// expression that wears front hair 003 and one that wears front hair 002.
DocumentFile savedDocument(const fs::path& base) {
    DocumentFile document;
    document.portrait.layers[kFrontHair].partNumber = kSavedHair;
    for (const int part : {kSavedHair, 2}) {
        Expression expression{"e" + std::to_string(part), {}};
        expression.overrides[kFrontHair] = ElementOverride{part, 1, 2, 3};
        document.portrait.expressions.expressions.push_back(expression);
    }
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const int element = layerInfo(layer).element;
        const std::string path =
            relativePart(layerInfo(layer).folder, document.portrait.layers[element].partNumber);
        document.parts[layer] = {path, fileSha256(base / path)};
    }
    return document;
}

// Moves part `from` of every front hair folder to `to`; `from` then holds other bytes.
void renumberHair(const TempFolder& folder, int from, int to) {
    for (const int layer : loadGroup(kFrontHair)) {
        const std::string_view name = layerInfo(layer).folder;
        folder.writeFile(relativePart(name, to), partBytes(name, from));
        folder.writeFile(relativePart(name, from), "replaced");
    }
}

TEST(RenumberedParts, FoundByHashAndFollowedByTheWholeElement) {
    struct Row {
        const char* name;
        std::function<void(const TempFolder&, DocumentFile&)> change;
        int hair;                           // the element's part afterwards
        std::array<int, 2> expressionHair;  // the two expressions' front hair afterwards
        std::vector<std::string> listed;    // listedChanges
    };
    const std::vector<Row> rows = {
        {"nothing changed", [](const TempFolder&, DocumentFile&) {}, 3, {3, 2}, {}},
        {"renumbered",
         [](const TempFolder& f, DocumentFile&) { renumberHair(f, 3, 5); },
         5,
         {5, 2},
         {"fhair1: 003 \u2192 005"}},
        {"renumbered, the old number gone",
         [](const TempFolder& f, DocumentFile&) {
             renumberHair(f, 3, 8);
             for (const int layer : loadGroup(kFrontHair))
                 fs::remove(f.path() / relativePart(layerInfo(layer).folder, 3));
         },
         8,
         {8, 2},
         {"fhair1: 003 \u2192 008"}},
        {"renumbered, a secondary file changed besides",
         [](const TempFolder& f, DocumentFile&) {
             renumberHair(f, 3, 5);
             f.writeFile("picture/shadow/005.png", "other shadow");
             f.writeFile("picture/nose/000.png", "other nose");
         },
         5,
         {5, 2},
         {"picture/nose/000.png", "picture/shadow/005.png", "fhair1: 003 \u2192 005"}},
        {"the hash is nowhere: changed",
         [](const TempFolder& f, DocumentFile&) { f.writeFile("picture/fhair1/003.png", "x"); },
         3,
         {3, 2},
         {"picture/fhair1/003.png"}},
        {"two identical files: the lower number",
         [](const TempFolder& f, DocumentFile&) {
             renumberHair(f, 3, 7);
             f.writeFile("picture/fhair1/009.png", partBytes("fhair1", 3));
             f.writeFile("picture/fhair1/004.png", partBytes("fhair1", 3));
         },
         4,
         {4, 2},
         {"picture/fhair2/004.png", "picture/shadow/004.png", "fhair1: 003 \u2192 004"}},
        {"missing when saved: never listed",
         [](const TempFolder& f, DocumentFile& d) {
             d.parts[kNose].sha256.reset();
             f.writeFile("picture/nose/000.png", "drawn later");
             d.parts[kFrontHair].sha256.reset();
             renumberHair(f, 3, 5);
         },
         3,
         {3, 2},
         {"picture/fhair2/003.png", "picture/shadow/003.png"}},
    };
    for (const Row& row : rows) {
        TempFolder folder;
        writeLibrary(folder);
        DocumentFile document = savedDocument(folder.path());
        row.change(folder, document);
        PartCache cache;
        const LibraryChanges changes = followLibrary(document, folder.path(), cache);
        EXPECT_EQ(document.portrait.layers[kFrontHair].partNumber, row.hair) << row.name;
        for (std::size_t i = 0; i < 2; ++i)
            EXPECT_EQ(document.portrait.expressions.expressions[i].overrides[kFrontHair]->part,
                      row.expressionHair[i])
                << row.name;
        EXPECT_EQ(listedChanges(changes), row.listed) << row.name;
        EXPECT_EQ(changes.any(), !row.listed.empty()) << row.name;
    }
}

TEST(RenumberedParts, OnlyNumberedPartFilesOfTheFolderAreSearched) {
    TempFolder folder;
    const std::string bytes = "wanted";
    struct Row {
        const char* name;  // written with `bytes` on top of the rows before
        std::optional<int> found;
    };
    const Row rows[] = {
        {"picture/face/1000.png", std::nullopt},
        {"picture/face/01.png", std::nullopt},
        {"picture/face/abc.png", std::nullopt},
        {"picture/face/007.PNG", std::nullopt},
        {"picture/neck/002.png", std::nullopt},
        {"picture/face/006.png", std::nullopt},  // the number skipped
        {"picture/face/042.png", 42},
        {"picture/face/017.png", 17},
    };
    for (const Row& row : rows) {
        folder.writeFile(row.name, bytes);
        PartCache cache;
        EXPECT_EQ(partNumberWithHash(folder.path(), "face", *fileSha256(folder.path() / row.name),
                                     6, cache),
                  row.found)
            << row.name;
    }
}

TEST(PartHash, LowerCaseHexOfTheFilesBytesThroughTheCache) {
    TempFolder folder;
    folder.writeFile("abc", "abc");
    PartCache cache;
    EXPECT_EQ(partFileHash(folder.path() / "abc", cache),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(partFileHash(folder.path(), cache), std::nullopt);  // no regular file
}

}  // namespace
}  // namespace kelvaro
