// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// --thumbnail as the renderer reads it: the input a file manager passes, the size, the conflicts.
#include <gtest/gtest.h>

#include "render/render_options.h"
#include "render/thumbnail_options.h"

namespace kelvaro::render {
namespace {

TEST(ThumbnailOptions, InputIsAPathOrALocalFileUri) {
    struct Row {
        std::string input;
        std::filesystem::path file;
    };
    const std::vector<Row> rows = {
        {"/home/u/hero.kelvaro", "/home/u/hero.kelvaro"},
        {"hero.kelvaro", "hero.kelvaro"},
        {"file:///home/u/Portret%20%C5%BC.kelvaro", "/home/u/Portret ż.kelvaro"},
        {"file://localhost/x/a%2Fb%25.kelvaro", "/x/a/b%.kelvaro"},
        {"file:///x/%FF.kelvaro", "/x/\xFF.kelvaro"},  // not UTF-8: the byte as it is
        {"file://server/x.kelvaro", "file://server/x.kelvaro"},
        {"file:x.kelvaro", "file:x.kelvaro"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(fileOfInput(row.input), row.file) << row.input;
}

TEST(ThumbnailOptions, SizeFileAndConflicts) {
    struct Row {
        std::vector<std::string> arguments;
        int size;          // the edge written; 0 when the line is a mistake
        std::string line;  // the mistake
    };
    const std::string onePortrait =
        "--thumbnail に指定できるのは 1 個のポートレートファイルだけです";
    const std::string opaquePng = "サムネイルは不透明なPNG形式でのみ保存できます";
    const std::vector<Row> rows = {
        {{"--thumbnail", "256", "-o", "t.png", "--", "file:///x/a%20b.kelvaro"}, 256, ""},
        {{"--thumbnail", "1", "-o", "t", "a"}, 1, ""},
        {{"--thumbnail", "512", "-o", "t", "a"}, 512, ""},
        {{"--thumbnail", "1024", "-o", "t", "a"}, 512, ""},
        {{"--thumbnail", "0", "-o", "t", "a"},
         0,
         "オプションの値が正しくありません: --thumbnail 0"},
        {{"--thumbnail", "x", "-o", "t", "a"},
         0,
         "オプションの値が正しくありません: --thumbnail x"},
        {{"--thumbnail", "64", "-o", "t", "a", "b"}, 0, onePortrait},
        {{"--thumbnail", "64", "--sheet", "2x1", "-o", "t", "a"}, 0, onePortrait},
        {{"--thumbnail", "64", "--expressions", "-o", "t", "a"}, 0, onePortrait},
        {{"--thumbnail", "64", "--format", "bmp", "-o", "t", "a"}, 0, opaquePng},
        {{"--thumbnail", "64", "--transparent", "-o", "t", "a"}, 0, opaquePng},
    };
    for (const Row& row : rows) {
        const auto parsed = parseOptions(row.arguments);
        if (row.size == 0) {
            ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << row.line;
            EXPECT_EQ(std::get<std::string>(parsed), row.line);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
        const Options& o = std::get<Options>(parsed);
        EXPECT_TRUE(o.thumbnail);
        EXPECT_EQ(o.size, row.size) << row.arguments[1];
        EXPECT_EQ(pictureFormat(o), ExportFormat::Png) << row.arguments[1];
    }
    const auto uri = std::get<Options>(parseOptions(rows.front().arguments));
    EXPECT_EQ(uri.portraits, std::vector<std::filesystem::path>{"/x/a b.kelvaro"});
}

}  // namespace
}  // namespace kelvaro::render
