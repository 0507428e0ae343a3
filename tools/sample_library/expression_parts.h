// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which sample parts make each of the eight expressions. The eyes, brows and mouths are drawn at
// the same place on every sample face, so one set of numbers serves all faces; the band carries
// a face mark (0 wears none). Every other element keeps the character's own part.
#pragma once

#include <array>
#include <string_view>

#include "tools/sample_library/sample_library.h"

namespace kelvaro::samples {

// Part numbers of one expression; names are the UTF-8 captions the editor shows.
struct ExpressionParts {
    std::string_view name;
    int eyes, brows, mouth, band;
};

// Eyes 6 wide, 7 angry, 8 sad, 9 closed in a smile, 10 closed calmly (9 and 10 hide the iris);
// brows 5 angry, 6 sad, 7 raised; mouths 6 broad smile, 7 laugh, 8 frown, 9 small "o", 10 shout,
// 11 wavy; bands 3 blush, 4 tears, 5 sweat drop, 6 anger mark.
inline constexpr std::array<ExpressionParts, 8> kExpressionParts = {{
    {"Neutralna", 0, 0, 3, 0},
    {"Radość", 9, 0, 6, 0},
    {"Śmiech", 9, 7, 7, 0},
    {"Smutek", 8, 6, 8, 4},
    {"Złość", 7, 5, 10, 6},
    {"Zaskoczenie", 6, 7, 9, 0},
    {"Zawstydzenie", 8, 6, 11, 3},
    {"Sen", 10, 0, 3, 0},
}};

// `face` wearing expression `expression`: its eyes, brows, mouth and band replaced.
constexpr FaceParts withExpression(FaceParts face, const ExpressionParts& expression) {
    face[kEyes] = expression.eyes;
    face[kBrows] = expression.brows;
    face[kMouth] = expression.mouth;
    face[kBand] = expression.band;
    return face;
}

}  // namespace kelvaro::samples
