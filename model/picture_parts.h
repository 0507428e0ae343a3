// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Picture files made into the bytes of part files, before anything is written: a 230x230 PNG
// stays byte for byte, any other picture Qt can read is fitted to the part square
// (imaging/part_fit.h). Every picture is read first, so that one that cannot be read stops the
// whole addition before a file is touched.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace kelvaro {

// Largest picture file read (a picture is read whole into memory).
inline constexpr std::uintmax_t kLargestPictureFile = std::uintmax_t{64} << 20;

// The message when a picture cannot be read: "MESSAGE\nPATH\nREASON" (fileFailureMessage).
struct PictureFailure {
    std::string message;
};

// The bytes of the part file `picture` becomes, or why it cannot be read: the file is no regular
// file that opens, is larger than kLargestPictureFile, declares a picture above the limits of
// decodePicture, or does not decode.
std::variant<std::string, PictureFailure> partFileFrom(const std::filesystem::path& picture);

// The part file bytes of every picture, in order; the failure of the first that cannot be read.
std::variant<std::vector<std::string>, PictureFailure> partFilesFrom(
    std::span<const std::filesystem::path> pictures);

}  // namespace kelvaro
