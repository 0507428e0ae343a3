// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Why a part shows dummy.png: for each file a part loads from, whether it loads or what keeps it
// from loading. Loading itself falls back to dummy.png without a word (loadLayer); this tells the
// part gallery what to mark. The answers come from the decoded-part cache, so asking right after
// a part was loaded decodes nothing again; only a file that failed is examined further.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kelvaro {

class PartCache;

// What becomes of one part file when it is loaded.
enum class PartFileStatus {
    Loads,           // a regular file that decodes
    Missing,         // no entry of that name
    NotRegularFile,  // a folder, a FIFO, a link leading nowhere or to something not a file
    DoesNotDecode,   // a regular file that is no readable picture (empty, garbage, ...)
};

// The status of the part file at `file`, decoded through `cache` (null: decoded afresh).
PartFileStatus partFileStatus(const std::filesystem::path& file, PartCache* cache);

// One file of a part that does not load, named below the library's picture/ folder
// ("fhair1/013.png").
struct PartFault {
    std::string file;
    PartFileStatus status = PartFileStatus::Missing;
    friend bool operator==(const PartFault&, const PartFault&) = default;
};
using PartFaults = std::vector<PartFault>;

// The files of part `part` of element `element` in the library below `base` that do not load,
// the element's primary folder first, then its secondary folders in load order; empty when
// every file loads or the element is not valid.
PartFaults partFaults(const std::filesystem::path& base, int element, int part, PartCache* cache);

}  // namespace kelvaro
