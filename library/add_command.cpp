// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "library/library_command.h"

namespace kelvaro::library {

CommandResult runAdd(std::span<const std::string>) {
    return {2, {}, "kelvaro-library: add is not available yet\n"};
}

}  // namespace kelvaro::library
