// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The table of kelvaro-render's options: each option's names, its value, its help and how it sets
// the options. The parser and the help text both read it.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "render/render_options.h"

namespace kelvaro::render {

// Sets what an option says in the options from its value; the line saying what is wrong with the
// value, if anything.
using Setter = std::optional<std::string> (*)(Options&, std::string_view value);

// One option: how it is written, what it takes and what it does.
struct OptionInfo {
    std::string_view name;   // "--size"
    std::string_view alias;  // "-o", or empty
    std::string_view value;  // the value's name in the help text; empty for a flag
    std::string_view help;   // as written (English); translated in context "RenderHelp"
    Setter set;
};

// A file name from the command line: its bytes as they are, whatever the encoding.
std::filesystem::path pathOf(std::string_view argument);

// The line for a value `option` does not take.
std::string badValue(std::string_view option, std::string_view value);

// Every option, in the order the help lists them.
std::span<const OptionInfo> optionTable();

}  // namespace kelvaro::render
