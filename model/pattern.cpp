// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/pattern.h"

#include <string>

#include "model/profile_file.h"

namespace kelvaro {
namespace {

// The layers whose keys are read and written, in file order.
constexpr std::array<int, kLayerCount> kKeyOrder = {22, 19, 17, 1, 21, 20, 0, 18, 10, 8, 15, 3,
                                                    2,  6,  14, 4, 5,  16, 7, 13, 11, 9, 12, 23};

}  // namespace

std::span<const int, kLayerCount> patternKeyOrder() {
    return kKeyOrder;
}

Pattern readPattern(const std::filesystem::path& settingsFile) {
    const ProfileFile profile = ProfileFile::load(settingsFile);
    Pattern values{};
    for (const int layer : kKeyOrder) {
        values[static_cast<std::size_t>(layer)] =
            profile.readInt(kPatternSection, layerInfo(layer).key, 0);
    }
    return values;
}

FileResult writePattern(const std::filesystem::path& settingsFile, const Pattern& values) {
    ProfileFile profile = ProfileFile::load(settingsFile);
    for (const int layer : kKeyOrder) {
        profile.writeString(kPatternSection, layerInfo(layer).key,
                            std::to_string(values[static_cast<std::size_t>(layer)]));
    }
    return profile.save(settingsFile);
}

}  // namespace kelvaro
