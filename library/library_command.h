// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The commands of kelvaro-library. Each takes the arguments after its own name and gives back
// what the program prints and its exit status, so that tests run them without a process.
#pragma once

#include <span>
#include <string>

namespace kelvaro::library {

// What a command printed and how it ended.
struct CommandResult {
    int status = 0;   // 0 done and clean, 1 something was found or failed, 2 a wrong command line
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// `check [DIR] [--json] [--decode]`: the problems of the part library below DIR (by default the
// library defaultLibrary() finds); the speed of decoding on standard error with --decode.
CommandResult runCheck(std::span<const std::string> arguments);

// `add ELEMENT PICTURE... [--library DIR]`: the pictures appended as the element's next parts.
CommandResult runAdd(std::span<const std::string> arguments);

}  // namespace kelvaro::library
