// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "library/library_command.h"

namespace kelvaro::library {

CommandResult runCheck(std::span<const std::string>) {
    return {2, {}, "kelvaro-library: check is not available yet\n"};
}

}  // namespace kelvaro::library
