// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// `kelvaro-library check` run in the test's process: its exit statuses, its lines for people and
// the bytes of its JSON.
#include <gtest/gtest.h>

#include <sstream>

#include "i18n/interface_language.h"
#include "library/check_report.h"
#include "library/finding_text.h"
#include "library/library_command.h"
#include "model/part_library.h"
#include "tests/library/check_library.h"
#include "tests/support/fixtures.h"

namespace kelvaro::library {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

CommandResult check(std::vector<std::string> arguments) {
    return runCheck(arguments);
}

TEST(CheckCommand, ExitStatusAndLinesByCommandLine) {
    test::TempFolder temp;
    const fs::path clean = temp.path() / "clean";
    const fs::path spoiled = temp.path() / "spoiled";
    test::writeCleanLibrary(clean);
    test::writeCleanLibrary(spoiled);
    fs::remove(partPath(spoiled, "face", 1));
    fs::remove(wallPath(spoiled));
    const std::string none = (temp.path() / "none").string();
    struct Row {
        std::vector<std::string> arguments;
        int status;
        std::string err;  // exactly
    };
    const std::vector<Row> rows = {
        {{clean.string()}, 0, ""},
        {{"--json", clean.string()}, 0, ""},
        {{spoiled.string()}, 1, ""},
        {{none}, 1, "kelvaro-library: picture フォルダがありません: " + none + "/picture\n"},
        {{clean.string(), "--bogus"}, 2, "kelvaro-library: 不明なオプションです: --bogus\n"},
        {{clean.string(), spoiled.string()},
         2,
         "kelvaro-library: 調べるフォルダは1つだけ指定してください: " + spoiled.string() + "\n"},
    };
    for (const Row& row : rows) {
        const CommandResult result = check(row.arguments);
        EXPECT_EQ(result.status, row.status) << row.arguments.front();
        EXPECT_EQ(result.err, row.err) << row.arguments.front();
        EXPECT_EQ(result.out.empty(), row.status == 2 || row.arguments.front() == none)
            << row.arguments.front();
    }
}

TEST(CheckCommand, TableThenOneLinePerFinding) {
    test::TempFolder temp;
    test::writeCleanLibrary(temp.path());
    fs::remove(partPath(temp.path(), "face", 1));
    fs::remove(partPath(temp.path(), "eyesh", 2));
    fs::remove(wallPath(temp.path()));
    const CommandResult result = check({temp.path().string()});
    EXPECT_EQ(result.status, 1);
    const auto lines = linesOf(result.out);
    const std::string picture = (temp.path() / "picture").string();
    ASSERT_EQ(lines.size(), 2u + 25u + 1u + 3u + 1u);
    EXPECT_EQ(lines[0], "Part library: " + picture);
    EXPECT_EQ(lines[2], "ELEMENT           FOLDER       PARTS   HIGHEST  PROBLEMS");
    EXPECT_EQ(lines[3], "Twarz             face             1         0         1");
    EXPECT_EQ(lines[5], "Oczy              eye              3         2         0");
    EXPECT_EQ(lines[6], "                  eyesh            2         1         1");
    EXPECT_EQ(lines[7], "Źrenice           iris             3         2         0");
    EXPECT_EQ(lines[27], "");
    EXPECT_EQ(lines[28], "001.png がないため、それより上の番号の部品 002 は数えられません: " +
                             picture + "/face");
    EXPECT_EQ(lines[29],
              "002 番の部品がありません（dummy.png が表示されます）: " + picture + "/eyesh");
    EXPECT_EQ(lines[30], "wall.pngの読み込みに失敗しました: " + picture + "/wall.png");
    EXPECT_EQ(lines[31], "Problems found: 3");
}

// Japanese headings and element names take two terminal columns a character: the numbers of
// every row still end in the same column as the headings.
TEST(CheckCommand, JapaneseTableKeepsItsColumns) {
    test::TempFolder temp;
    test::writeCleanLibrary(temp.path());
    Translations translations;
    translations.install(InterfaceLanguage::Japanese);
    const auto lines = linesOf(check({temp.path().string()}).out);
    translations.install(InterfaceLanguage::Source);
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines[2], "要素              フォルダ    部品数  最大番号      問題");
    EXPECT_EQ(lines[3], "顔                face             3         2         0");
    EXPECT_EQ(lines[6], "                  eyesh            3         2         0");
}

TEST(CheckCommand, CleanLibrarySaysSoAndDecodingReportsTheParts) {
    test::TempFolder temp;
    test::writeCleanLibrary(temp.path());
    const CommandResult result = check({temp.path().string(), "--decode"});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.ends_with("\n\nNo problems found.\n")) << result.out;
    // Every part file of the 24 folders; the speed after it is not a test's business.
    EXPECT_TRUE(result.err.starts_with("kelvaro-library: 72 個の部品を ")) << result.err;
}

TEST(CheckCommand, JsonBytes) {
    LibraryReport report;
    report.base = "/lib";
    report.elements.push_back({7, {{"beard", true, 3, 2}}});
    Finding size;
    size.kind = FindingKind::WrongSize;
    size.element = 7;
    size.folder = "beard";
    size.path = "/lib/picture/beard/001.png";
    size.number = 1;
    size.width = 300;
    size.height = 240;
    Finding wall;
    wall.kind = FindingKind::MissingFile;
    wall.path = "/lib/picture/wall.png";
    report.findings = {size, wall};
    EXPECT_EQ(
        jsonReport(report),
        "{\n"
        "    \"base\": \"/lib\",\n"
        "    \"clean\": false,\n"
        "    \"elements\": [\n"
        "        {\n"
        "            \"element\": 7,\n"
        "            \"folders\": [\n"
        "                {\n"
        "                    \"folder\": \"beard\",\n"
        "                    \"highest\": 2,\n"
        "                    \"parts\": 3,\n"
        "                    \"primary\": true\n"
        "                }\n"
        "            ],\n"
        "            \"name\": \"Broda\"\n"
        "        }\n"
        "    ],\n"
        "    \"findings\": [\n"
        "        {\n"
        "            \"element\": 7,\n"
        "            \"fit\": \"cropped\",\n"
        "            \"folder\": \"beard\",\n"
        "            \"height\": 240,\n"
        "            \"kind\": \"wrong-size\",\n"
        "            \"message\": \"画像の大きさが 300x240 です（左上から 230x230 "
        "に切り取られます）: "
        "/lib/picture/beard/001.png\",\n"
        "            \"number\": 1,\n"
        "            \"path\": \"/lib/picture/beard/001.png\",\n"
        "            \"width\": 300\n"
        "        },\n"
        "        {\n"
        "            \"kind\": \"missing-file\",\n"
        "            \"message\": \"wall.pngの読み込みに失敗しました: /lib/picture/wall.png\",\n"
        "            \"path\": \"/lib/picture/wall.png\"\n"
        "        }\n"
        "    ]\n"
        "}\n");
}

TEST(CheckCommand, NumberRuns) {
    const std::vector<std::pair<std::vector<int>, std::string>> rows = {
        {{}, ""},
        {{7}, "007"},
        {{3, 4, 5, 9}, "003-005, 009"},
        {{0, 2, 3, 999}, "000, 002-003, 999"},
    };
    for (const auto& [numbers, text] : rows)
        EXPECT_EQ(numberRuns(numbers), text);
}

}  // namespace
}  // namespace kelvaro::library
