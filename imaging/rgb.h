// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// An opaque colour as the user chooses it: red, green and blue, each 0..255.
#pragma once

namespace kelvaro {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace kelvaro
