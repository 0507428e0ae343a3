// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// --thumbnail: kelvaro-render as a file manager's thumbnailer (share/thumbnailers/
// kelvaro.thumbnailer runs it). It writes one opaque PNG of the asked size with the pixels
// --size gives, from a file name or a file:// URI.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "render/render_options.h"

namespace kelvaro::render {

// The largest thumbnail edge; a larger request is written at this size, which the thumbnail
// standard allows (file managers scale what they get).
inline constexpr int kLargestThumbnail = 512;

// The file a thumbnailer's input names: a "file://" URI (with an empty host or "localhost") as
// the path it encodes, its percent escapes decoded byte for byte; anything else as it is.
std::filesystem::path fileOfInput(std::string_view input);

// For --thumbnail: checks that the options ask for one portrait to a PNG and turns a URI into its
// file; the line that says what is wrong otherwise. Leaves other command lines alone.
std::optional<std::string> completeThumbnail(Options& options);

}  // namespace kelvaro::render
