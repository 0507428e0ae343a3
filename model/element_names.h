// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Elements named by a user in text: by their element list text ("Twarz", "Źrenice", "Inne #1")
// or by the folder of any of their layers ("face", "eyesh", "bhair2"), in any letter case.
#pragma once

#include <optional>
#include <string_view>

namespace kelvaro {

// The element `name` (UTF-8) names, or nothing when it names none.
std::optional<int> elementNamed(std::string_view name);

}  // namespace kelvaro
