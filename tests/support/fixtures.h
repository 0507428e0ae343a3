// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Fixtures shared by the test suites: temporary folders and hand-made PNG files.
#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "imaging/pixels.h"

namespace kelvaro::test {

// A temporary folder removed with the object.
class TempFolder {
public:
    TempFolder();
    std::filesystem::path path() const;
    // Writes text (bytes as given) to a file below the folder, creating parent folders.
    std::filesystem::path writeFile(const std::filesystem::path& relative,
                                    const std::string& bytes) const;

private:
    QTemporaryDir m_dir;
};

// Writes a straight-alpha ARGB image of width x height as PNG, creating parent folders.
void writeArgbPng(const std::filesystem::path& file, int width, int height,
                  const std::function<Argb(int x, int y)>& pixelAt);

// Writes a 230x230 part whose every pixel is `colour`.
void writeSolidPart(const std::filesystem::path& file, Argb colour);

std::string readBytes(const std::filesystem::path& file);

// The names of the entries in `folder`, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

}  // namespace kelvaro::test
