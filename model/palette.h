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
//
// The reader is strict and bounded: a byte order mark and blanks at the ends of lines are
// allowed, anything else out of shape is an error, and no input makes it read more than
// kMaxPaletteFileBytes or keep more than kMaxPaletteColours colours.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "imaging/rgb.h"

namespace kelvaro {

inline constexpr int kMaxPaletteColours = 4096;
inline constexpr int kMaxPaletteColumns = 256;
inline constexpr std::size_t kMaxPaletteFileBytes = 1 << 20;

struct Swatch {
    Rgb colour;
    std::string name;  // may be empty
    friend bool operator==(const Swatch&, const Swatch&) = default;
};

struct Palette {
    std::string name;
    int columns = 0;  // 0: not given; at most kMaxPaletteColumns
    std::vector<Swatch> swatches;
    friend bool operator==(const Palette&, const Palette&) = default;
};

enum class PaletteError {
    NoHeader,        // the first line is not "GIMP Palette"
    BadColour,       // a colour line without three numbers 0..255, or a "Columns:" value that
                     // is not a whole number 0..kMaxPaletteColumns
    TooManyColours,  // more than kMaxPaletteColours
    BadText,         // not UTF-8, or a NUL byte
    TooLarge,        // more than kMaxPaletteFileBytes
    NoColours,       // a palette without a single colour
};

// The palette in `bytes`, or the first error found (checked in this order: TooLarge, BadText,
// NoHeader, then line by line, then NoColours). Names are the rest of their line, blanks around
// them trimmed and a lone CR inside read as a space.
std::variant<Palette, PaletteError> readGimpPalette(std::string_view bytes);

// The palette as a GIMP palette file: "GIMP Palette", "Name: ...", "Columns: N", "#", then one
// "%3d %3d %3d\tname" line per swatch. Reading it back gives the same palette for every palette
// the reader returns; otherwise names lose line breaks and blanks around them, channels are
// clamped to 0..255 and columns to 0..kMaxPaletteColumns (a palette without swatches reads back as
// NoColours).
std::string writeGimpPalette(const Palette& palette);

}  // namespace kelvaro
