// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The recipe chunk of exported PNGs: any bytes are read without harm; a recipe added to a PNG
// that held none reads back, and every other byte of the file stays as it was.
//
// Input: byte 0 is the length of the recipe text that follows it; the rest is the file.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "io/png_recipe.h"

namespace {

using kelvaro::kRecipeKeyword;
using kelvaro::fuzz::check;

// The chunk withTextChunk inserts: length, type, keyword, flags and the empty tag fields, text,
// CRC.
std::size_t insertedSize(std::string_view text) {
    return 12 + kRecipeKeyword.size() + 5 + text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty())
        return 0;
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(input[0]), input.size() - 1);
    const std::string_view text = input.substr(1, length);
    const std::string_view png = input.substr(1 + length);
    const auto before = kelvaro::readTextChunk(png, kRecipeKeyword);
    const auto with = kelvaro::withTextChunk(png, kRecipeKeyword, text);
    if (!with)
        return 0;
    check(kelvaro::hasPngSignature(*with), "the result is still a PNG");
    check(with->size() == png.size() + insertedSize(text), "one chunk is added, nothing else");
    // Some split of the file has the new chunk between its two parts.
    const std::string_view result(*with);
    const auto pair = std::mismatch(png.begin(), png.end(), result.begin());
    const auto prefix = static_cast<std::size_t>(pair.first - png.begin());
    const auto tail = std::mismatch(png.rbegin(), png.rend(), result.rbegin());
    const auto suffix = static_cast<std::size_t>(tail.first - png.rbegin());
    check(prefix + suffix >= png.size(), "every byte of the file stays, in order");
    const auto read = kelvaro::readTextChunk(*with, kRecipeKeyword);
    check(read.has_value(), "a recipe chunk is found in the result");
    if (!before)
        check(*read == text, "the recipe added to a PNG without one reads back");
    return 0;
}
