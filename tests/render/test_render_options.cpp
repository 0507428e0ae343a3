// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The command line as the renderer reads it and the progress line.
#include <gtest/gtest.h>

#include "render/progress_bar.h"
#include "render/render_options.h"

namespace kelvaro::render {
namespace {

std::variant<Options, std::string> parse(std::vector<std::string> arguments) {
    return parseOptions(arguments);
}

TEST(RenderOptions, ValuesOfEveryOption) {
    const auto parsed = parse({"--library", "lib", "--size=144", "--transparent", "--format", "png",
                               "-oout", "a.kelvaro", "-j", "3", "--", "-b.png"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
    const Options& o = std::get<Options>(parsed);
    EXPECT_EQ(o.mode, Mode::Portraits);
    EXPECT_EQ(o.library, std::filesystem::path("lib"));
    EXPECT_EQ(o.size, 144);
    EXPECT_TRUE(o.transparent);
    EXPECT_EQ(o.format, ExportFormat::Png);
    EXPECT_EQ(o.output, "out");
    EXPECT_EQ(o.portraits, (std::vector<std::filesystem::path>{"a.kelvaro", "-b.png"}));
    EXPECT_EQ(o.threads, 3);

    const auto cast = parse({"--random", "12", "--seed", "0xFFFFFFFFFFFFFFFF", "--base", "b.png",
                             "--lock", "Twarz,usta,FHAIR2,face", "-o", "cast", "-j1"});
    ASSERT_TRUE(std::holds_alternative<Options>(cast)) << std::get<std::string>(cast);
    const Options& c = std::get<Options>(cast);
    EXPECT_EQ(c.mode, Mode::Cast);
    EXPECT_EQ(c.count, 12);
    EXPECT_EQ(c.seed, ~0ull);
    EXPECT_EQ(c.base, std::filesystem::path("b.png"));
    EXPECT_EQ(c.locks, (std::vector<int>{0, 5, 9}));  // each once, in element order
    EXPECT_EQ(c.threads, 1);

    const auto sheet = parse({"--sheet", "rm2000", "-o", "s.png", "a", "b"});
    ASSERT_TRUE(std::holds_alternative<Options>(sheet));
    EXPECT_EQ(std::get<Options>(sheet).mode, Mode::Sheet);
    EXPECT_EQ(std::get<Options>(sheet).sheet, "rm2000");
    EXPECT_TRUE(std::get<Options>(parse({"--help"})).help);

    // Each way of rendering is picked by its options, in any order.
    struct Row {
        std::vector<std::string> arguments;
        Mode mode;
    };
    const std::vector<Row> modes = {
        {{"-o", "x", "a", "b"}, Mode::Portraits},
        {{"--random", "2", "--seed", "1", "-o", "x"}, Mode::Cast},
        {{"-o", "x", "--sheet", "mz", "a"}, Mode::Sheet},
        {{"--expressions", "-o", "x", "a"}, Mode::Faces},
        {{"--sheet", "2x1", "-o", "x", "a", "--expressions"}, Mode::FaceSheet},
        {{"--sheet", "mz", "--expressions-from", "t.kelvaro", "--random", "2", "--seed", "1", "-o",
          "x"},
         Mode::CastSheets},
    };
    for (const Row& row : modes) {
        const auto picked = parse(row.arguments);
        ASSERT_TRUE(std::holds_alternative<Options>(picked)) << std::get<std::string>(picked);
        EXPECT_EQ(std::get<Options>(picked).mode, row.mode) << row.arguments.front();
    }
    EXPECT_EQ(std::get<Options>(parse(modes.back().arguments)).expressionsFrom,
              std::filesystem::path("t.kelvaro"));
}

TEST(RenderOptions, EveryMistakeIsOneLine) {
    struct Row {
        std::vector<std::string> arguments;
        std::string line;
    };
    const std::vector<Row> rows = {
        {{"--colour", "-o", "x", "a"}, "不明なオプションです: --colour"},
        {{"-o", "x", "a", "--size"}, "オプションに値がありません: --size"},
        {{"--size", "15", "-o", "x", "a"}, "オプションの値が正しくありません: --size 15"},
        {{"--size", "1025", "-o", "x", "a"}, "オプションの値が正しくありません: --size 1025"},
        {{"--size", "96px", "-o", "x", "a"}, "オプションの値が正しくありません: --size 96px"},
        {{"--format", "jpg", "-o", "x", "a"}, "オプションの値が正しくありません: --format jpg"},
        {{"--random", "0", "--seed", "1", "-o", "x"},
         "オプションの値が正しくありません: --random 0"},
        {{"--random", "2", "--seed", "-1", "-o", "x"},
         "オプションの値が正しくありません: --seed -1"},
        {{"--random", "2", "--seed", "18446744073709551616", "-o", "x"},
         "オプションの値が正しくありません: --seed 18446744073709551616"},
        {{"--random", "2", "--seed", "1", "--lock", "Twarz,hat9", "-o", "x"},
         "オプションの値が正しくありません: --lock Twarz,hat9"},
        {{"-j", "0", "-o", "x", "a"}, "オプションの値が正しくありません: -j 0"},
        {{"--sheet", "0x3", "-o", "x", "a"}, "オプションの値が正しくありません: --sheet 0x3"},
        {{"-o", "x", "a", "--size", "48", "--sheet", "mz"},
         "このシートの顔の大きさは 144 ピクセルに決まっています: --size 48"},
        {{"--sheet", "2x1", "-o", "x", "a", "b", "c"},
         "シートに入るポートレートは 2 個までです: 3 個"},
        {{"--transparent=yes", "-o", "x", "a"},
         "オプションの値が正しくありません: --transparent yes"},
        {{"a.kelvaro"}, "出力先が指定されていません: -o"},
        {{"-o", "x"}, "ポートレートファイルが指定されていません"},
        {{"--random", "2", "-o", "x"}, "--random には --seed が必要です"},
        {{"--seed", "2", "-o", "x", "a"}, "--seed, --base, --lock は --random と一緒に使います"},
        {{"--colours", "-o", "x", "a"}, "--colours は --random と一緒に使います"},
        {{"--random", "2", "--seed", "1", "--palettes", "p", "-o", "x"},
         "--palettes は --colours と一緒に使います"},
        {{"--random", "2", "--seed", "1", "-o", "x", "a.kelvaro"},
         "--random にポートレートファイルは指定できません: a.kelvaro"},
        {{"--transparent", "--format", "bmp", "-o", "x", "a"},
         "透過画像はPNG形式でのみ保存できます: --transparent"},
        {{"--transparent", "-o", "a.bmp", "a"},
         "透過画像はPNG形式でのみ保存できます: --transparent"},
        {{"-o", "a.Bmp", "--transparent", "a"},
         "透過画像はPNG形式でのみ保存できます: --transparent"},
        {{"--sheet", "mz", "--format", "bmp", "-o", "x", "a"},
         "シートはPNG形式でのみ保存できます: --format bmp"},
        {{"--sheet", "64x64", "--size", "512", "-o", "x", "a"},
         "シートが大きすぎます: 32768x32768 ピクセル (上限 16777216 ピクセル)"},
        {{"--sheet", "64x64", "--size", "1024", "-o", "x", "a"},
         "シートが大きすぎます: 65536x65536 ピクセル (上限 16777216 ピクセル)"},
        {{"--sheet", "5x4", "--size", "1024", "-o", "x", "a"},
         "シートが大きすぎます: 5120x4096 ピクセル (上限 16777216 ピクセル)"},
        {{"--expressions", "--sheet", "29x29", "-o", "x", "a"},
         "シートが大きすぎます: 4176x4176 ピクセル (上限 16777216 ピクセル)"},
        {{"--random", "2", "--seed", "1", "--expressions-from", "t", "--sheet", "64x64", "-o", "x"},
         "シートが大きすぎます: 9216x9216 ピクセル (上限 16777216 ピクセル)"},
        {{"--expressions", "--sheet", "mz", "--format", "bmp", "-o", "x", "a"},
         "シートはPNG形式でのみ保存できます: --format bmp"},
        {{"--expressions", "--random", "2", "--seed", "1", "-o", "x"},
         "--expressions は --random と一緒に使えません"},
        {{"--expressions-from", "t", "-o", "x", "a"},
         "--expressions-from は --random と一緒に使います"},
        {{"--random", "2", "--seed", "1", "--expressions-from", "t", "-o", "x"},
         "--expressions-from には --sheet が必要です"},
        {{"--random", "2", "--seed", "1", "--sheet", "mz", "-o", "x"},
         "--random と --sheet は --expressions-from と一緒に使います"},
        {{"--expressions", "-o", "x", "a", "b"},
         "--expressions に指定できるポートレートファイルは 1 個です: 2 個"},
        {{"--expressions", "--sheet", "vxace", "--size", "144", "-o", "x", "a"},
         "このシートの顔の大きさは 96 ピクセルに決まっています: --size 144"},
        {{"--expressions=yes", "-o", "x", "a"},
         "オプションの値が正しくありません: --expressions yes"},
        {{"--random", "2", "--seed", "1", "-o", "x", "--expressions-from"},
         "オプションに値がありません: --expressions-from"},
    };
    for (const Row& row : rows) {
        const auto parsed = parse(row.arguments);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << row.line;
        EXPECT_EQ(std::get<std::string>(parsed), row.line);
    }
}

TEST(RenderOptions, SheetsUpToTheLimitAndTransparentPngsAreAccepted) {
    const std::vector<std::vector<std::string>> accepted = {
        {"--sheet", "4x4", "--size", "1024", "-o", "x", "a"},  // 4096x4096, the largest
        {"--expressions", "--sheet", "28x28", "-o", "x", "a"},
        {"--sheet", "64x64", "--size", "64", "-o", "x", "a"},
        {"--transparent", "-o", "a.bmp", "a", "b"},  // a folder named a.bmp, PNGs in it
        {"--transparent", "-o", "a.png", "a"},
        {"--transparent", "--format", "png", "-o", "a.bmp", "a"},
    };
    for (const auto& arguments : accepted) {
        const auto parsed = parse(arguments);
        EXPECT_TRUE(std::holds_alternative<Options>(parsed))
            << arguments[1] << ": " << std::get<std::string>(parsed);
    }
}

TEST(RenderOptions, HelpNamesEveryOptionAndLayout) {
    const std::string help = helpText();
    for (const char* word : {"--library",     "--size",
                             "--transparent", "--format",
                             "-o, --output",  "--random",
                             "--seed",        "--base",
                             "--lock",        "--colours",
                             "--palettes",    "--sheet",
                             "-j, --jobs",    "-h, --help",
                             "576x288",       "384x192",
                             "192x192",       "S+i",
                             "--expressions", "--expressions-from TEMPLATE",
                             "Neutralna",     "at most 16777216 pixels (4096x4096)"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

TEST(ProgressBar, BarCountAndRate) {
    EXPECT_EQ(progressLine(0, 10, 0.0), "[------------------------------] 0/10  0/s");
    EXPECT_EQ(progressLine(5, 10, 0.5), "[###############---------------] 5/10  10/s");
    EXPECT_EQ(progressLine(1000, 1000, 0.8), "[##############################] 1000/1000  1250/s");
}

}  // namespace
}  // namespace kelvaro::render
