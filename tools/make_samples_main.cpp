// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-make-samples: writes the bundled sample part library and pictures of it.
//
//   kelvaro-make-samples [FOLDER] [--preview FILE.png [--scale N] [--parts N0,...,N14]...]
//
// FOLDER receives picture/. --preview writes portraits side by side: one per --parts list of
// fifteen part numbers (one per element), or the default portrait when none is given.
#include <QImage>
#include <QString>
#include <charconv>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "io/file_boundary.h"
#include "tools/sample_library/sample_library.h"

namespace {

using kelvaro::samples::FaceParts;

struct Options {
    std::string folder, preview;
    int scale = 1;
    std::vector<FaceParts> faces;
};

constexpr int kMaxScale = 8;
constexpr int kMaxPartNumber = 999;

// The whole text as a decimal number from `low` to `high`; nothing for anything else (a sign,
// blanks, a rest after the digits, a number out of range).
std::optional<int> numberIn(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

bool parseParts(const std::string& text, FaceParts& parts) {
    std::istringstream in(text);
    std::string item;
    std::size_t i = 0;
    for (; std::getline(in, item, ','); ++i) {
        const auto number = numberIn(item, 0, kMaxPartNumber);
        if (i >= parts.size() || !number)
            return false;
        parts[i] = *number;
    }
    return i == parts.size() && (text.empty() || text.back() != ',');
}

bool parseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--preview" && hasValue) {
            options.preview = argv[++i];
        } else if (arg == "--scale" && hasValue) {
            const auto scale = numberIn(argv[++i], 1, kMaxScale);
            if (!scale)
                return false;
            options.scale = *scale;
        } else if (arg == "--parts" && hasValue) {
            if (!parseParts(argv[++i], options.faces.emplace_back()))
                return false;
        } else if (options.folder.empty() && !arg.starts_with("--")) {
            options.folder = arg;
        } else {
            return false;
        }
    }
    return !options.folder.empty() || !options.preview.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseArguments(argc, argv, options)) {
        std::fputs(
            "usage: kelvaro-make-samples [FOLDER] [--preview FILE.png [--scale N] "
            "[--parts N0,...,N14]...]\n",
            stderr);
        return 2;
    }
    if (!options.folder.empty() && !kelvaro::samples::writeSampleLibrary(options.folder)) {
        std::fprintf(stderr, "kelvaro-make-samples: cannot write %s/picture\n",
                     options.folder.c_str());
        return 1;
    }
    if (options.preview.empty())
        return 0;
    if (options.faces.empty())
        options.faces.push_back(FaceParts{});
    const QImage strip = kelvaro::samples::composeStrip(options.faces, options.scale);
    if (!strip.save(kelvaro::toQtPath(options.preview), "PNG")) {
        std::fprintf(stderr, "kelvaro-make-samples: cannot write %s\n", options.preview.c_str());
        return 1;
    }
    return 0;
}
