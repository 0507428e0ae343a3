// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Document files at the byte level: the text of a document file or of a PNG's recipe chunk, and
// why a file gave none.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "io/document_io.h"
#include "io/png_recipe.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(DocumentIo, TextComesFromTheFileOrFromTheRecipeChunk) {
    const TempFolder folder;
    test::writeArgbPng(folder.path() / "plain.png", 1, 1, [](int, int) { return 0xff336699u; });
    const std::string png = test::readBytes(folder.path() / "plain.png");
    ASSERT_TRUE(writeDocumentText(folder.path() / "a.kelvaro", "{\"format\": 1}"));
    folder.writeFile("recipe.png", *withTextChunk(png, kRecipeKeyword, "{\"recipe\": 2}"));
    folder.writeFile("limit.kelvaro", std::string(kLargestDocumentFile, ' '));
    folder.writeFile("huge.kelvaro", std::string(kLargestDocumentFile + 1, ' '));
    fs::create_directory(folder.path() / "dir.kelvaro");
    struct Row {
        const char* name;
        std::string text;
        bool recipeMissing;
        std::string reason;  // empty: read
    };
    const Row rows[] = {
        {"a.kelvaro", "{\"format\": 1}", false, ""},
        {"recipe.png", "{\"recipe\": 2}", false, ""},
        {"plain.png", "", true, ""},
        {"limit.kelvaro", std::string(kLargestDocumentFile, ' '), false, ""},
        {"huge.kelvaro", "", false, systemFailure(EFBIG).reason},
        {"dir.kelvaro", "", false, systemFailure(EISDIR).reason},
        {"missing.kelvaro", "", false, systemFailure(ENOENT).reason},
    };
    for (const Row& row : rows) {
        const DocumentText read = readDocumentText(folder.path() / row.name);
        EXPECT_EQ(read.file.ok, row.reason.empty()) << row.name;
        EXPECT_EQ(read.file.reason, row.reason) << row.name;
        EXPECT_EQ(read.recipeMissing, row.recipeMissing) << row.name;
        EXPECT_TRUE(read.text == row.text) << row.name;
    }
}

}  // namespace
}  // namespace kelvaro
