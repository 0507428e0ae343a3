// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Running the built kelvaro-render as a user does, and reading what it wrote.
#pragma once

#include <QImage>
#include <QStringList>
#include <filesystem>
#include <string>

namespace kelvaro::test {

struct RenderResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs kelvaro-render with `arguments` in `folder` (the test's current folder when empty),
// standard error not a terminal.
RenderResult runRenderer(const QStringList& arguments, const std::filesystem::path& folder = {});

// The sample part library the build draws (its folder holds picture/).
std::filesystem::path sampleLibrary();

// The image in `file` as 32-bit ARGB, straight alpha (a null image when it does not decode).
QImage argbImage(const std::filesystem::path& file);

}  // namespace kelvaro::test
