// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The clean-up of leftover temporary files, once per folder and run: a run that writes many
// files into a folder holding many more reads that folder once, not at every write.
#pragma once

#include <filesystem>

namespace kelvaro {

// Removes the stale temporary files in `folder` (removeStaleTemporaries) unless this process has
// already done so for that folder, named by its absolute, normalised path. Safe to call from
// several threads at once: one of them reads the folder, the others go on without waiting. A
// folder that cannot be read is tried again at the next call.
void removeStaleTemporariesOnce(const std::filesystem::path& folder);

}  // namespace kelvaro
