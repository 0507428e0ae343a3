// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Pictures added to the part library as an element's next parts: the editor's drop on the parts
// tab and `kelvaro-library add` both go through here.
//
// The pictures become part files (picture_parts.h) before anything is written. They take the
// numbers after the element's highest counted part (countParts), never replacing anything: a
// number where any entry is in the way (a part above a gap) is passed over for the next free one.
// Each number's file goes into the element's primary folder, and every secondary folder of the
// element gets a fully transparent part of the same number unless it already has something
// there, which stays as it is. Folders missing below picture/ are made. Every file is written
// atomically (io/file_writer.h); when one cannot be written, the files and folders this call made
// are removed again, so the library is as it was.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace kelvaro {

// What adding the pictures gave.
struct PartImport {
    std::string failure;       // empty when they were added; otherwise the message to show
    std::vector<int> numbers;  // the number each picture was given, in the pictures' order
    std::vector<int> skipped;  // numbers passed over because something was in the way
    bool ok() const { return failure.empty(); }
};

// Adds `pictures` (at least one) to element 0..14 of the part library below `base`. Fails,
// writing nothing, when base/picture is no folder, a picture cannot be read, the numbers run out
// past 999 or a file or folder cannot be made; the message then names the file and the reason.
PartImport importParts(const std::filesystem::path& base, int element,
                       std::span<const std::filesystem::path> pictures);

// The numbers `count` new parts of `folder` below `base` take, from `first` upwards, with the
// numbers passed over on the way; fewer numbers than `count` when 999 is reached.
struct PartNumbers {
    std::vector<int> given;
    std::vector<int> skipped;
};
PartNumbers freePartNumbers(const std::filesystem::path& base, std::string_view folder, int first,
                            std::size_t count);

// The note that numbers were passed over because files were already there ("NNN, MMM" listed).
std::string skippedNumbersNote(std::span<const int> skipped);

// The element's primary folder and the part file of `number` in it, as "fhair1/005.png".
std::string partFileName(int element, int number);

}  // namespace kelvaro
