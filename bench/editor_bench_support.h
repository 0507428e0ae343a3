// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the benchmarks of the editor window share: the sample library and a main that starts Qt.
#pragma once

#include <filesystem>

namespace kelvaro::bench {

// The sample library, drawn once per program into a temporary folder.
const std::filesystem::path& sampleLibrary();

// Starts Qt (offscreen unless a platform is set) and runs the registered benchmarks.
int runEditorBenchmarks(int argc, char** argv);

}  // namespace kelvaro::bench
