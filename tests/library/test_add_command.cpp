// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// `kelvaro-library add`: what its command lines print and their exit statuses.
#include <gtest/gtest.h>

#include <vector>

#include "library/library_command.h"
#include "model/layer_tables.h"
#include "model/part_library.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

TEST(AddCommand, StatusesAndPrintedLines) {
    const struct {
        std::vector<std::string> arguments;  // {LIB} the library, {A} and {B} two pictures
        int status;
        std::string out;  // {A} and {B} stand for the pictures' paths
        std::string err;  // the start of standard error
        int nosesAfter;   // the highest nose part afterwards
    } rows[] = {
        {{"nose", "{A}", "{B}", "--library", "{LIB}"},
         0,
         "{A} -> nose/002.png\n{B} -> nose/003.png\n",
         "",
         3},
        {{"--library", "{LIB}", "Grzywa", "{A}"}, 0, "{A} -> fhair1/002.png\n", "", 1},
        {{"NOSE", "--library", "{LIB}", "--", "{A}"}, 0, "{A} -> nose/002.png\n", "", 2},
        {{"nose", "{A}", "missing.png", "--library", "{LIB}"},
         1,
         "",
         "kelvaro-library: 画像ファイルを読み込めませんでした: missing.png: ",
         1},
        {{"zęby", "{A}", "--library", "{LIB}"},
         2,
         "",
         "kelvaro-library: 不明な要素です: zęby\n",
         1},
        {{"nose", "--library", "{LIB}"},
         2,
         "",
         "kelvaro-library: 画像ファイルが指定されていません\n",
         1},
        {{}, 2, "", "kelvaro-library: 要素が指定されていません\n", 1},
        {{"nose", "{A}", "--library"},
         2,
         "",
         "kelvaro-library: オプションに値がありません: --library\n",
         1},
        {{"nose", "{A}", "--size", "3"},
         2,
         "",
         "kelvaro-library: 不明なオプションです: --size\n",
         1},
    };
    for (const auto& row : rows) {
        const TempFolder folder;
        const fs::path base = folder.path();
        for (const char* partFolder : {"nose", "fhair1", "fhair2", "shadow"}) {
            for (int part = 0; part < 2; ++part)
                writeSolidPart(partPath(base, partFolder, part), 0xff808080);
        }
        const fs::path a = base / "a.png";
        const fs::path b = base / "b.jpg";
        writeArgbPng(a, 10, 20, [](int, int) { return Argb{0xff102030}; });
        writeArgbPng(b, 30, 20, [](int, int) { return Argb{0xff405060}; });
        const auto replaced = [&](std::string text) {
            const std::pair<std::string, std::string> names[] = {
                {"{LIB}", base.string()}, {"{A}", a.string()}, {"{B}", b.string()}};
            for (const auto& [from, to] : names) {
                for (auto at = text.find(from); at != std::string::npos;
                     at = text.find(from, at + to.size()))
                    text.replace(at, from.size(), to);
            }
            return text;
        };
        std::vector<std::string> arguments;
        for (const std::string& argument : row.arguments)
            arguments.push_back(replaced(argument));
        const std::string name = testing::PrintToString(row.arguments);
        const auto result = library::runAdd(arguments);
        EXPECT_EQ(result.status, row.status) << name;
        EXPECT_EQ(result.out, replaced(row.out)) << name;
        EXPECT_TRUE(result.err.starts_with(replaced(row.err))) << name << ": " << result.err;
        EXPECT_EQ(row.err.empty(), result.err.empty()) << name;
        EXPECT_EQ(countParts(base, kNose), row.nosesAfter) << name;
    }
}

}  // namespace
}  // namespace kelvaro::test
