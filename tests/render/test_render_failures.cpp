// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Failures: one line each on standard error, a non-zero exit, and no file left half-written.
#include <gtest/gtest.h>

#include <cerrno>

#include <sys/stat.h>

#include "io/file_boundary.h"
#include "tests/render/render_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(RenderFailures, EachUnreadablePortraitIsOneLineAndTheRestIsWritten) {
    TempFolder folder;
    writePortrait(folder.path() / "good.kelvaro", 0);
    folder.writeFile("garbage.kelvaro", "{\"format\": 12");
    folder.writeFile("plain.png", readBytes(sampleLibrary() / "picture" / "face" / "000.png"));
    fs::create_directories(folder.path() / "folder.kelvaro");
    const fs::path out = folder.path() / "out";
    const auto result = runRenderer(
        onSample({"-o", q(out), q(folder.path() / "missing.kelvaro"),
                  q(folder.path() / "garbage.kelvaro"), q(folder.path() / "good.kelvaro"),
                  q(folder.path() / "plain.png"), q(folder.path() / "folder.kelvaro")}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    const std::vector<std::string> expected = {
        "kelvaro-render: ポートレートファイルを読み込めませんでした: " +
            (folder.path() / "missing.kelvaro").string() + ": " + systemFailure(ENOENT).reason,
        "kelvaro-render: ポートレートファイルの形式が正しくありません: " +
            (folder.path() / "garbage.kelvaro").string(),
        "kelvaro-render: このPNGファイルにはポートレートの情報がありません: " +
            (folder.path() / "plain.png").string(),
        "kelvaro-render: ポートレートファイルを読み込めませんでした: " +
            (folder.path() / "folder.kelvaro").string() + ": " + systemFailure(EISDIR).reason,
    };
    EXPECT_EQ(linesOf(result.err), expected);
    EXPECT_EQ(namesIn(out), (std::set<std::string>{"good.png"}));
}

TEST(RenderFailures, MissingLibraryAndWrongCommandLines) {
    TempFolder folder;
    writePortrait(folder.path() / "good.kelvaro", 0);
    const QString good = q(folder.path() / "good.kelvaro");
    struct Row {
        QStringList arguments;
        int exitCode;
        std::string line;
    };
    const fs::path noLibrary = folder.path() / "nowhere";
    fs::create_directories(folder.path() / "nowall" / "picture");
    const std::vector<Row> rows = {
        {{"--library", q(noLibrary), "-o", q(folder.path() / "x.png"), good},
         1,
         "部品ライブラリが見つかりません: " + (noLibrary / "picture").string()},
        {{"--library", q(folder.path() / "nowall"), "-o", q(folder.path() / "x.png"), good},
         1,
         "wall.pngの読み込みに失敗しました: " +
             (folder.path() / "nowall" / "picture" / "wall.png").string()},
        {onSample({"--sheet", "mz", "-o", q(folder.path() / "x.png"), good, good, good, good, good,
                   good, good, good, good}),
         2, "シートに入るポートレートは 8 個までです: 9 個"},
        {onSample({"--sheet", "vxace", "--size", "144", "-o", q(folder.path() / "x.png"), good}), 2,
         "このシートの顔の大きさは 96 ピクセルに決まっています: --size 144"},
        {onSample({"--sheet", "4x", "-o", q(folder.path() / "x.png"), good}), 2,
         "オプションの値が正しくありません: --sheet 4x"},
        {onSample({"--sheet", "64x64", "--size", "512", "-o", q(folder.path() / "x.png"), good}), 2,
         "シートが大きすぎます: 32768x32768 ピクセル (上限 16777216 ピクセル)"},
        {onSample({"--transparent", "-o", q(folder.path() / "x.bmp"), good}), 2,
         "透過画像はPNG形式でのみ保存できます: --transparent"},
        {onSample({"--size", "8", "-o", q(folder.path() / "x.png"), good}), 2,
         "オプションの値が正しくありません: --size 8"},
        {onSample({"-o", q(folder.path() / "x.png"), good, good}), 1,
         "出力ファイル名が重複しています: " + (folder.path() / "x.png" / "good.png").string()},
    };
    for (const Row& row : rows) {
        const auto result = runRenderer(row.arguments);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.line;
        EXPECT_EQ(result.err, "kelvaro-render: " + row.line + "\n");
        EXPECT_FALSE(fs::exists(folder.path() / "x.png")) << row.line;
        EXPECT_FALSE(fs::exists(folder.path() / "x.bmp")) << row.line;
    }
    const auto help = runRenderer({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_NE(help.out.find("kelvaro-render"), std::string::npos);
}

TEST(RenderFailures, AnOutputThatCannotBeWrittenLeavesTheOldFileWhole) {
    TempFolder folder;
    writePortrait(folder.path() / "good.kelvaro", 0);
    const QString good = q(folder.path() / "good.kelvaro");
    const fs::path kept = folder.path() / "out" / "kept.png";
    folder.writeFile("out/kept.png", "the old picture");
    ::chmod(kept.c_str(), 0444);  // refused also for root
    folder.writeFile("file", "a file, not a folder");
    struct Row {
        QStringList arguments;
        fs::path failed;
    };
    const std::vector<Row> rows = {
        {onSample({"-o", q(kept), good}), kept},
        {onSample({"--sheet", "mz", "-o", q(kept), good}), kept},
        {onSample({"--random", "3", "--seed", "1", "-o", q(kept)}), kept},
        {onSample({"-o", q(folder.path() / "missing" / "x.png"), good}),
         folder.path() / "missing" / "x.png"},
        {onSample({"-o", q(folder.path() / "file" / "x.png"), good}),
         folder.path() / "file" / "x.png"},
    };
    for (const Row& row : rows) {
        const auto result = runRenderer(row.arguments);
        EXPECT_EQ(result.exitCode, 1) << row.failed;
        const auto lines = linesOf(result.err);
        ASSERT_EQ(lines.size(), 1u) << result.err;
        EXPECT_NE(lines[0].find(row.failed.string()), std::string::npos) << lines[0];
        EXPECT_EQ(readBytes(kept), "the old picture");
        EXPECT_EQ(namesIn(folder.path() / "out"), (std::set<std::string>{"kept.png"}));
        EXPECT_FALSE(fs::exists(folder.path() / "missing"));
    }
    // A sheet with a face that cannot be read is not written at all.
    const auto sheet = runRenderer(onSample(
        {"--sheet", "mz", "-o", q(folder.path() / "sheet.png"), good, q(folder.path() / "no")}));
    EXPECT_EQ(sheet.exitCode, 1);
    EXPECT_EQ(linesOf(sheet.err).size(), 1u);
    EXPECT_FALSE(fs::exists(folder.path() / "sheet.png"));
}

}  // namespace
}  // namespace kelvaro::test
