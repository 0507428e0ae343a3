// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Examining a part library for what would surprise its author in the editor: parts hidden by a
// gap in the numbering, pictures of another size than 230x230, files that show the dummy instead,
// secondary folders out of step with their primary folder, optional elements whose part 000
// shows something, and a broken wall.png or dummy.png. The rules are the editor's own
// (countParts, loadLayer, decodePart); the report is plain data for any front end.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvaro {

// The kinds of finding, each with the fields it fills in Finding.
enum class FindingKind {
    NoParts,         // folder: the element's primary folder has no 000, so it counts no part
    HiddenParts,     // folder, number (the first missing one), numbers (present above it)
    MissingFile,     // file: wall.png or dummy.png is not there
    NotRegularFile,  // file (number): a folder, FIFO, device or dangling link; the dummy shows
    Undecodable,     // file (number): no decoder takes it; the dummy shows
    NotPng,          // file (number), format: not a PNG file, read by its content anyway
    WrongSize,       // file (number), width, height, fit: not the size the editor draws
    MissingNumbers,  // folder, numbers: in the primary folder, not in this secondary one
    ExtraNumbers,    // folder, numbers: in this secondary folder only
    NotTransparent,  // file (number): part 000 of an optional element, or dummy.png, shows
};

// How the editor fits a picture of another size.
enum class PictureFit {
    Cropped,           // larger both ways: cut to 230x230 from the top left
    Padded,            // smaller both ways: placed at the top left, the rest transparent
    CroppedAndPadded,  // larger one way, smaller the other
    Stretched,         // the wall: scaled over the 192x192 canvas
};

// One thing check found.
struct Finding {
    FindingKind kind = FindingKind::NoParts;
    int element = -1;            // 0..14; -1 for wall.png and dummy.png
    std::string folder;          // the layer folder; empty for wall.png and dummy.png
    std::filesystem::path path;  // the file, or the folder for folder findings
    int number = -1;             // the part number, or the gap; -1 when none
    std::vector<int> numbers;    // HiddenParts, MissingNumbers, ExtraNumbers
    int width = 0;               // WrongSize
    int height = 0;
    PictureFit fit = PictureFit::Cropped;
    std::string format;  // NotPng: Qt's name of the format
};

// One layer folder of an element.
struct FolderSummary {
    std::string folder;
    bool primary = false;  // the folder counted for the element
    int parts = 0;         // primary: the parts counted (highest + 1); secondary: files present
    int highest = -1;      // primary: the highest part number counted (countParts); secondary:
                           // the highest number present; -1 when none
};

// One element and its folders, primary first.
struct ElementSummary {
    int element = 0;
    std::vector<FolderSummary> folders;
};

// What check found in a library.
struct LibraryReport {
    std::filesystem::path base;  // the folder holding picture/
    std::vector<ElementSummary> elements;
    std::vector<Finding> findings;  // by element in list order, then wall.png and dummy.png
    int filesExamined = 0;          // part files whose header (or, decoding, pixels) were read
    int partsDecoded = 0;           // part files decoded in full (decode mode)
    bool clean() const { return findings.empty(); }
};

// How thoroughly to look.
struct CheckOptions {
    bool decode = false;  // decode every part file in full, not just read its header
    int threads = 0;      // decoding threads; 0: one per core
};

// The elements a portrait may go without: part 000 of each is meant to show nothing. Generate
// never draws them, and the neck, ears and clothes, which it does not draw either, are worn by
// every portrait; what is left are the beard, the headwear and the two free slots.
bool isOptionalElement(int element);

// How the editor fits a part picture of width x height into its 230x230 image; the size must
// differ from 230x230.
PictureFit partFit(int width, int height);

// Examines the library below `base` (base/picture/...). The figures counted equal countParts;
// wall.png, dummy.png and part 000 of the optional elements are decoded in any case, every other
// part file only with options.decode.
LibraryReport checkLibrary(const std::filesystem::path& base, const CheckOptions& options = {});

}  // namespace kelvaro
