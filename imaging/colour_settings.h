// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The five colour settings a layer is tinted with, and the one table of their names and ranges
// that the scroll bars, the edits, the clamps, documents and undo all read.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace kelvaro {

struct ColourSettings {
    int red = 255;       // multiplier, 0..255
    int green = 255;     // multiplier, 0..255
    int blue = 255;      // multiplier, 0..255
    int brightness = 0;  // -100..100: share of the way towards white (>0) or black (<0)
    int contrast = 0;    // -100..100: stretch about the middle grey 128

    friend bool operator==(const ColourSettings&, const ColourSettings&) = default;
};

inline constexpr int kColourSettingCount = 5;

// The settings' places in control order.
enum ColourSettingIndex : int {
    kRedSetting = 0,
    kGreenSetting = 1,
    kBlueSetting = 2,
    kBrightnessSetting = 3,
    kContrastSetting = 4,
};

// One setting, in control order. Its scroll bar runs from `low` to `high`; its edit accepts
// 0..high (a lower value becomes 0, a higher one `high`).
struct ColourSettingInfo {
    std::string_view name;  // in documents
    int low;
    int high;
    int ColourSettings::*field;
};

inline constexpr std::array<ColourSettingInfo, kColourSettingCount> kColourSettingTable = {{
    {"red", 0, 255, &ColourSettings::red},
    {"green", 0, 255, &ColourSettings::green},
    {"blue", 0, 255, &ColourSettings::blue},
    {"brightness", -100, 100, &ColourSettings::brightness},
    {"contrast", -100, 100, &ColourSettings::contrast},
}};

inline const ColourSettingInfo& colourSetting(int index) {
    return kColourSettingTable.at(static_cast<std::size_t>(index));
}

inline int& settingAt(ColourSettings& s, int index) {
    return s.*colourSetting(index).field;
}
inline int settingAt(const ColourSettings& s, int index) {
    return s.*colourSetting(index).field;
}

// Each setting limited to its range.
inline ColourSettings clampedSettings(ColourSettings s) {
    for (const ColourSettingInfo& info : kColourSettingTable)
        s.*info.field = std::clamp(s.*info.field, info.low, info.high);
    return s;
}

// The settings in control order: red, green, blue, brightness, contrast.
inline std::array<int, kColourSettingCount> toArray(const ColourSettings& s) {
    std::array<int, kColourSettingCount> values{};
    for (int i = 0; i < kColourSettingCount; ++i)
        values[static_cast<std::size_t>(i)] = settingAt(s, i);
    return values;
}
inline ColourSettings fromArray(const std::array<int, kColourSettingCount>& v) {
    ColourSettings s;
    for (int i = 0; i < kColourSettingCount; ++i)
        settingAt(s, i) = v[static_cast<std::size_t>(i)];
    return s;
}

}  // namespace kelvaro
