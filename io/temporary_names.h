// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The names of the writer's temporary files, and the clean-up of those a killed copy left.
//
// A temporary file for "Kelvaro.ini" is ".Kelvaro.ini.<pid>.<n>.tmp" in the same folder: hidden,
// named after its target, and marked with the process that made it.
#pragma once

#include <sys/types.h>
#include <filesystem>
#include <optional>
#include <string>

namespace kelvaro {

std::string temporaryName(const std::filesystem::path& targetName, pid_t process, unsigned n);

// The process named in a temporary file name made for `targetName`; nothing for any other name.
std::optional<pid_t> temporaryOwner(const std::string& name,
                                    const std::filesystem::path& targetName);

// Removes the temporary files for `targetName` in `folder` whose process no longer runs. Files
// of running processes (this one included), other names and anything not a regular file stay.
void removeStaleTemporaries(const std::filesystem::path& folder,
                            const std::filesystem::path& targetName);

}  // namespace kelvaro
