// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The command line of kelvaro-render: what to render, how and where to. Options are described by
// one table (render_options.cpp) that both the parser and the help text read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "imaging/export.h"

namespace kelvaro::render {

enum class Mode {
    Portraits,   // each PORTRAIT to a file
    Cast,        // --random: COUNT drawn portraits to a folder
    Sheet,       // --sheet: the PORTRAITs laid out on one face sheet
    Faces,       // --expressions: each face of the PORTRAIT to a file in the folder OUT
    FaceSheet,   // --expressions --sheet: the faces of the PORTRAIT on one face sheet
    CastSheets,  // --random --expressions-from --sheet: a face sheet per drawn character
};

struct Options {
    bool help = false;
    bool version = false;  // --version: print the program's version
    Mode mode = Mode::Portraits;
    std::optional<std::filesystem::path> library;  // the folder holding picture/
    std::optional<int> size;                       // edge length in pixels
    bool transparent = false;
    std::optional<ExportFormat> format;
    std::filesystem::path output;
    std::vector<std::filesystem::path> portraits;
    int count = 0;  // --random
    std::optional<std::uint64_t> seed;
    std::optional<std::filesystem::path> base;
    std::optional<std::vector<int>> locks;          // elements, each once, in element order
    bool colours = false;                           // --colours: drawn portraits draw colours too
    std::optional<std::filesystem::path> palettes;  // --palettes: another palette folder
    std::string sheet;                              // --sheet layout, as given
    bool expressions = false;                       // --expressions: the PORTRAIT's faces
    std::optional<std::filesystem::path> expressionsFrom;  // the template whose faces casts take
    int threads = 0;                                       // 0: one per core
    bool thumbnail = false;  // --thumbnail: one PNG for a file manager, `size` its edge
};

// The options of `arguments` (without the program name), or the one line that says what is wrong.
std::variant<Options, std::string> parseOptions(std::span<const std::string> arguments);

// True when OUT is the one file to write: one PORTRAIT, and OUT names no folder ("faces/" names
// a folder even before it exists).
bool writesOneFile(const Options& options);

// The format pictures are written in: --format; without it BMP for one portrait written to a file
// named *.bmp (in any letter case), PNG otherwise.
ExportFormat pictureFormat(const Options& options);

// The text --help prints.
std::string helpText();

}  // namespace kelvaro::render
