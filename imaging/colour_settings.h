// The five colour settings a layer is tinted with.
#pragma once

#include <array>

namespace kelvaro {

struct ColourSettings {
    int red = 255;        // multiplier, 0..255
    int green = 255;      // multiplier, 0..255
    int blue = 255;       // multiplier, 0..255
    int brightness = 0;   // -100..100: share of the way towards white (>0) or black (<0)
    int contrast = 0;     // -100..100: stretch about the middle grey 128

    friend bool operator==(const ColourSettings&, const ColourSettings&) = default;
};

// The settings in control order: red, green, blue, brightness, contrast.
inline std::array<int, 5> toArray(const ColourSettings& s) {
    return {s.red, s.green, s.blue, s.brightness, s.contrast};
}
inline ColourSettings fromArray(const std::array<int, 5>& v) {
    return {v[0], v[1], v[2], v[3], v[4]};
}

}  // namespace kelvaro
