// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Palettes of named colours in the GIMP palette format (".gpl"), as GIMP, Krita, Inkscape and
// Aseprite read and write them:
//
//   GIMP Palette
//   Name: Włosy
//   Columns: 8
//   # a comment
//   120  60  30	Kasztan
//
// The first line is "GIMP Palette"; then optional "Name:" and "Columns:" lines, comments (#) and
// blank lines; every other line is a colour: three whole numbers 0..255 separated by blanks, then
// optionally the colour's name. Text is UTF-8; lines end with LF or CR LF.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "imaging/rgb.h"

namespace kelvaro {

inline constexpr int kMaxPaletteColours = 4096;
inline constexpr std::size_t kMaxPaletteFileBytes = 1 << 20;

struct Swatch {
    Rgb colour;
    std::string name;  // may be empty
    friend bool operator==(const Swatch&, const Swatch&) = default;
};

struct Palette {
    std::string name;
    int columns = 0;  // 0: not given
    std::vector<Swatch> swatches;
    friend bool operator==(const Palette&, const Palette&) = default;
};

enum class PaletteError {
    NoHeader,        // the first line is not "GIMP Palette"
    BadColour,       // a colour line without three numbers 0..255
    TooManyColours,  // more than kMaxPaletteColours
    BadText,         // not UTF-8, or a NUL byte
    TooLarge,        // more than kMaxPaletteFileBytes
    NoColours,       // a palette without a single colour
};

std::variant<Palette, PaletteError> readGimpPalette(std::string_view bytes);

// The palette as a GIMP palette file; reading it back gives the same palette (names have line
// breaks and leading blanks taken out).
std::string writeGimpPalette(const Palette& palette);

}  // namespace kelvaro
