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
#include <string_view>

namespace kelvaro {

std::string temporaryName(const std::filesystem::path& targetName, pid_t process, unsigned n);

// What a temporary file's name tells: the file it was made for and the process that made it.
struct TemporaryMarks {
    std::string target;
    pid_t process = 0;

    bool operator==(const TemporaryMarks&) const = default;
};

// The marks of a name temporaryName gives, for any target; nothing for any other name.
std::optional<TemporaryMarks> temporaryMarks(std::string_view name);

// Removes every temporary file in `folder`, whatever its target, whose process no longer runs.
// Files of running processes (this one included), other names and anything not a regular file
// stay. False when the folder cannot be read (nothing is removed then).
bool removeStaleTemporaries(const std::filesystem::path& folder);

}  // namespace kelvaro
