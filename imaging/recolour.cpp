// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "imaging/recolour.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "imaging/kernel_choice.h"
#include "imaging/recolour_avx512.h"

namespace kelvaro {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kPiTimes45 = 141.3716694115407;  // 45 * pi in double precision, held as is

// The slope and offset of one contrast value, evaluated once per table.
struct ContrastLine {
    double slope;
    double offset;
};

int stretchOnLine(int channel, const ContrastLine& line) {
    const double x = (line.slope * channel) + line.offset;
    if (x > 255.0)
        return 255;
    if (x < 0.0)
        return 0;
    return static_cast<int>(x);
}

// Pre-shifted table of one channel: the entry for value v holds the result at the channel's bit
// position, so a pixel is rebuilt by three look-ups and two ORs (the portable loop).
using ShiftedTable = std::array<Argb, 256>;

// The brightness and contrast steps of every value the multiplier step can give; shared by the
// three channels, so the floating-point work is done once per recolour, not once per channel.
ChannelTable toneTable(int brightness, int contrast) {
    brightness = std::clamp(brightness, colourSetting(kBrightnessSetting).low,
                            colourSetting(kBrightnessSetting).high);
    contrast = std::clamp(contrast, colourSetting(kContrastSetting).low,
                          colourSetting(kContrastSetting).high);
    const double slope = contrastSlope(contrast);
    const ContrastLine line{slope, contrastOffset(slope)};
    ChannelTable table{};
    for (int c = 0; c < 256; ++c) {
        int value = brightenChannel(c, brightness);
        if (contrast != 0)
            value = stretchOnLine(value, line);
        table[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(value);
    }
    return table;
}

// All three steps of one channel: the multiplier step, then the tone table.
ChannelTable multipliedTable(const ChannelTable& tone, int multiplier) {
    multiplier =
        std::clamp(multiplier, colourSetting(kRedSetting).low, colourSetting(kRedSetting).high);
    ChannelTable table{};
    for (std::size_t v = 0; v < table.size(); ++v)
        table[v] = tone[static_cast<std::size_t>(multiplyChannel(static_cast<int>(v), multiplier))];
    return table;
}

ShiftedTable shiftedTable(const ChannelTable& table, int shift) {
    ShiftedTable shifted{};
    for (std::size_t v = 0; v < shifted.size(); ++v)
        shifted[v] = Argb{table[v]} << shift;
    return shifted;
}

// The three channels' tables of one set of settings.
struct SettingsTables {
    ChannelTable red, green, blue;
};

// The tables of `s`, worked out once for a run of recolours with the same settings on one thread
// (a gallery's cells, a portrait's layers).
const SettingsTables& tablesOf(const ColourSettings& s) {
    thread_local std::optional<ColourSettings> last;
    thread_local SettingsTables tables;
    if (last != s) {
        const ChannelTable tone = toneTable(s.brightness, s.contrast);
        tables = {multipliedTable(tone, s.red), multipliedTable(tone, s.green),
                  multipliedTable(tone, s.blue)};
        last = s;
    }
    return tables;
}

void recolourRows(const PartPixels& loaded, PartPixels& image, const PixelBox& box,
                  const ChannelTable& redTable, const ChannelTable& greenTable,
                  const ChannelTable& blueTable) {
#ifdef KELVARO_X86
    if (kernelFeatures().avx512) {
        for (int y = box.top; y < box.bottom; ++y) {
            const auto first = static_cast<std::size_t>(y * kPartSize + box.left);
            recolourRowAvx512(loaded.data() + first, image.data() + first, box.width(), redTable,
                              greenTable, blueTable);
        }
        return;
    }
#endif
    const ShiftedTable red = shiftedTable(redTable, 16);
    const ShiftedTable green = shiftedTable(greenTable, 8);
    const ShiftedTable blue = shiftedTable(blueTable, 0);
    for (int y = box.top; y < box.bottom; ++y) {
        const auto first = static_cast<std::size_t>(y * kPartSize + box.left);
        const auto end = first + static_cast<std::size_t>(box.width());
        for (std::size_t i = first; i < end; ++i) {
            const Argb p = loaded[i];
            const Argb alpha = p & 0xff000000u;
            image[i] = alpha == 0 ? p : alpha | red[redOf(p)] | green[greenOf(p)] | blue[blueOf(p)];
        }
    }
}

}  // namespace

int multiplyChannel(int channel, int multiplier) {
    return (channel * multiplier) >> 8;
}

int brightenChannel(int channel, int brightness) {
    if (brightness > 0) {
        const double q = brightness / 100.0;
        const double y = (255 - channel) * q;
        return static_cast<int>(y + channel);
    }
    const double q = (-brightness) / 100.0;
    const double y = q * channel;
    return static_cast<int>(channel - y);
}

double contrastSlope(int contrast) {
    double a = contrast * 45;
    a = a / 100.0;
    a = a * kPi;
    a = a + kPiTimes45;
    a = a / 180.0;
    return std::tan(a);
}

double contrastOffset(double slope) {
    return 128.0 - (128.0 * slope);
}

int stretchChannel(int channel, int contrast) {
    if (contrast == 0)
        return channel;
    const double slope = contrastSlope(contrast);
    return stretchOnLine(channel, {slope, contrastOffset(slope)});
}

ChannelTable channelTable(int multiplier, int brightness, int contrast) {
    return multipliedTable(toneTable(brightness, contrast), multiplier);
}

void recolourPixels(const PartPixels& loaded, PartPixels& image, const ColourSettings& s) {
    recolourPixels(loaded, image, s, kWholePart);
}

void recolourPixels(const PartPixels& loaded, PartPixels& image, const ColourSettings& s,
                    const PixelBox& loadedBox) {
    const PixelBox box = intersection(loadedBox, kWholePart);
    if (box.empty())
        return;
    const SettingsTables& tables = tablesOf(s);
    recolourRows(loaded, image, box, tables.red, tables.green, tables.blue);
}

}  // namespace kelvaro
