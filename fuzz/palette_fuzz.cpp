// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The GIMP palette reader and writer: whatever the reader accepts stays within its limits,
// writing it and reading that back gives the same palette, and writing it again the same bytes.
//
// Input: the bytes of a palette file.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "model/palette.h"

namespace {

using kelvaro::fuzz::check;

bool withinLimits(const kelvaro::Palette& palette) {
    const auto channel = [](int value) { return value >= 0 && value <= 255; };
    for (const kelvaro::Swatch& swatch : palette.swatches) {
        if (!channel(swatch.colour.red) || !channel(swatch.colour.green) ||
            !channel(swatch.colour.blue))
            return false;
    }
    return !palette.swatches.empty() &&
           palette.swatches.size() <= std::size_t(kelvaro::kMaxPaletteColours) &&
           palette.columns >= 0 && palette.columns <= kelvaro::kMaxPaletteColumns;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = kelvaro::readGimpPalette(bytes);
    if (size > kelvaro::kMaxPaletteFileBytes)
        check(std::get_if<kelvaro::PaletteError>(&read) != nullptr &&
                  std::get<kelvaro::PaletteError>(read) == kelvaro::PaletteError::TooLarge,
              "a file over the limit is too large");
    const auto* palette = std::get_if<kelvaro::Palette>(&read);
    if (palette == nullptr)
        return 0;
    check(withinLimits(*palette), "a palette read stays within the limits");
    const std::string written = kelvaro::writeGimpPalette(*palette);
    const auto again = kelvaro::readGimpPalette(written);
    check(std::get_if<kelvaro::Palette>(&again) != nullptr &&
              std::get<kelvaro::Palette>(again) == *palette,
          "a written palette reads back the same");
    check(kelvaro::writeGimpPalette(std::get<kelvaro::Palette>(again)) == written,
          "writing it again gives the same bytes");
    return 0;
}
