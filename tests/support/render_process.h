// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Running the built kelvaro-render as a user does, and reading what it wrote.
#pragma once

#include <QImage>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>

namespace kelvaro::test {

struct RenderResult {
    int exitCode = -1;  // -1 when the program was killed by a signal or did not finish
    std::string out;    // standard output
    std::string err;    // standard error
};

// Runs kelvaro-render with `arguments` in `folder` (the test's current folder when empty),
// standard error not a terminal. The locale variables of the tests' own environment are not
// passed on: the program runs with `environment` ("NAME=value" each, e.g. "LANG=en_US.UTF-8"),
// by default LC_ALL=C.UTF-8, so that it speaks the source language. `inChild`,
// when given, runs in the new process before the program starts (to set limits or drop
// rights); keep it to plain system calls.
RenderResult runRenderer(const QStringList& arguments, const std::filesystem::path& folder = {},
                         const std::function<void()>& inChild = {},
                         const QStringList& environment = {});

// The sample part library the build draws (its folder holds picture/).
std::filesystem::path sampleLibrary();

// The image in `file` as 32-bit ARGB, straight alpha (a null image when it does not decode).
QImage argbImage(const std::filesystem::path& file);

}  // namespace kelvaro::test
