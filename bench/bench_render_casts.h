// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Whether a cast's cost per portrait stays flat as the cast grows: casts of 10 to 100,000
// portraits drawn as --random draws them, in process and through the program into files.
#pragma once

#include <filesystem>
#include <string>

#include "render/portrait_renderer.h"

namespace kelvaro::bench {

// Prints, for casts of 10, 1000, 10,000 and 100,000 portraits (96x96 PNG with the recipe), the
// wall and CPU microseconds per portrait drawn in process on the calling thread (parts decoded
// once beforehand), and for casts up to `largestOnFiles` the same for `program -j1 --random` into
// a fresh folder under `folder` (CPU of the child process), each cast's folder removed after it.
void printCastScaling(const render::Library& library, const std::string& program,
                      const std::filesystem::path& folder, int largestOnFiles);

}  // namespace kelvaro::bench
