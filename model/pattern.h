// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The pattern: one default part number per layer, kept in section [PartsNo] of the settings
// file "Kelvaro.ini" under the layers' settings keys.
#pragma once

#include <array>
#include <filesystem>
#include <span>

#include "io/file_result.h"
#include "model/layer_tables.h"

namespace kelvaro {

// Indexed by layer 0..23.
using Pattern = std::array<int, kLayerCount>;

inline constexpr std::string_view kPatternSection = "PartsNo";
inline constexpr std::string_view kSettingsFileName = "Kelvaro.ini";

// The layers in the order their keys are read and written.
std::span<const int, kLayerCount> patternKeyOrder();

// Reads every key in key order; anything missing or unreadable reads as 0.
Pattern readPattern(const std::filesystem::path& settingsFile);

// Writes every layer's value as "%d" in key order, keeping the rest of the file, through the
// settings file's writer (ProfileFile::save). A failure with its reason when the file could not
// be written (the old file is then untouched).
FileResult writePattern(const std::filesystem::path& settingsFile, const Pattern& values);

}  // namespace kelvaro
