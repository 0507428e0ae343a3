// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The GIMP palette reader and writer: exact bytes written, files as GIMP and people write them,
// and every kind of hostile input refused with its error.
#include <gtest/gtest.h>

#include "model/palette.h"

namespace kelvaro {
namespace {

Palette readOk(std::string_view bytes) {
    auto read = readGimpPalette(bytes);
    EXPECT_TRUE(std::holds_alternative<Palette>(read)) << bytes.substr(0, 80);
    return std::holds_alternative<Palette>(read) ? std::get<Palette>(read) : Palette{};
}

std::string colourLines(int count) {
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += std::to_string(i % 256) + " 0 0\n";
    return lines;
}

TEST(Palette, WrittenAsGimpWritesAndReadBackWhole) {
    const Palette palette{"Włosy", 8, {{{255, 0, 7}, "Ciemna czerwień"}, {{0, 64, 128}, ""}}};
    const std::string written = writeGimpPalette(palette);
    EXPECT_EQ(written,
              "GIMP Palette\nName: Włosy\nColumns: 8\n#\n"
              "255   0   7\tCiemna czerwień\n  0  64 128\t\n");
    EXPECT_EQ(readOk(written), palette);

    // Names lose their line breaks and outer blanks, out-of-range values are clamped, so that
    // what is written always reads back.
    const Palette odd{" a\nb ", 999, {{{-4, 300, 5}, "x\r\ny\t"}}};
    EXPECT_EQ(readOk(writeGimpPalette(odd)), (Palette{"a b", 256, {{{0, 255, 5}, "x  y"}}}));

    // The largest palette allowed reads whole.
    EXPECT_EQ(readOk("GIMP Palette\n" + colourLines(kMaxPaletteColours)).swatches.size(),
              std::size_t(kMaxPaletteColours));
}

TEST(Palette, ReadsAFileWrittenByHandWithCrLfCommentsTabsAndNamelessColours) {
    const std::string file =
        "\xEF\xBB\xBFGIMP Palette  \r\n"
        "Name:  Ręczna \r\n"
        "Columns:\t3\r\n"
        "# a comment, then a blank line\r\n"
        "\r\n"
        "\t255\t0   0\tCzerwień jasna\r\n"
        "  0 128   0\r\n"
        "   # 1 2 3 is no colour\r\n"
        "0 0 255 Niebieski  \t\r\n"
        "7 8 9";
    const Palette expected{"Ręczna",
                           3,
                           {{{255, 0, 0}, "Czerwień jasna"},
                            {{0, 128, 0}, ""},
                            {{0, 0, 255}, "Niebieski"},
                            {{7, 8, 9}, ""}}};
    EXPECT_EQ(readOk(file), expected);
}

TEST(Palette, HostileInputIsRefusedWithItsError) {
    const std::string header = "GIMP Palette\n";
    struct Case {
        const char* what;
        std::string bytes;
        PaletteError error;
    };
    const Case cases[] = {
        {"empty", "", PaletteError::NoHeader},
        {"no header", "0 0 0 Czerń\n", PaletteError::NoHeader},
        {"another header", "GIMP Palette 2\n0 0 0\n", PaletteError::NoHeader},
        {"header indented", " GIMP Palette\n0 0 0\n", PaletteError::NoHeader},
        {"two numbers", header + "1 2\n", PaletteError::BadColour},
        {"a word for a number", header + "1 x 3\n", PaletteError::BadColour},
        {"a number run into text", header + "1 2 3x\n", PaletteError::BadColour},
        {"256", header + "1 256 3\n", PaletteError::BadColour},
        {"huge number", header + "1 2 99999999999999999999\n", PaletteError::BadColour},
        {"negative", header + "-1 2 3\n", PaletteError::BadColour},
        {"plus sign", header + "+1 2 3\n", PaletteError::BadColour},
        {"fraction", header + "1.5 2 3\n", PaletteError::BadColour},
        {"columns 257", header + "Columns: 257\n1 2 3\n", PaletteError::BadColour},
        {"columns not a number", header + "Columns: many\n1 2 3\n", PaletteError::BadColour},
        {"4097 colours", header + colourLines(kMaxPaletteColours + 1),
         PaletteError::TooManyColours},
        {"10 MB of garbage", std::string(10 << 20, '\xA7'), PaletteError::TooLarge},
        {"one byte too many", header + std::string(kMaxPaletteFileBytes - header.size() + 1, '#'),
         PaletteError::TooLarge},
        {"just small enough", header + std::string(kMaxPaletteFileBytes - header.size(), '#'),
         PaletteError::NoColours},
        {"not UTF-8", header + "1 2 3 \xFF\n", PaletteError::BadText},
        {"overlong UTF-8", header + "1 2 3 \xC0\xAF\n", PaletteError::BadText},
        {"encoded surrogate", header + "1 2 3 \xED\xA0\x80\n", PaletteError::BadText},
        {"cut UTF-8", header + "1 2 3 \xC5", PaletteError::BadText},
        {"NUL", header + std::string("1 2 3 a\0b\n", 10), PaletteError::BadText},
        {"header alone", header, PaletteError::NoColours},
        {"only comments", header + "Name: x\n# 1 2 3\n\n", PaletteError::NoColours},
    };
    for (const Case& c : cases) {
        const auto read = readGimpPalette(c.bytes);
        ASSERT_TRUE(std::holds_alternative<PaletteError>(read)) << c.what;
        EXPECT_EQ(std::get<PaletteError>(read), c.error) << c.what;
    }
}

}  // namespace
}  // namespace kelvaro
