// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/palette.h"

#include <QByteArrayView>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace kelvaro {
namespace {

constexpr std::string_view kHeader = "GIMP Palette";
constexpr std::string_view kNameKey = "Name:";
constexpr std::string_view kColumnsKey = "Columns:";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r";

bool isBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A name as one line without blanks around it.
std::string oneLine(std::string_view name) {
    std::string line(name);
    for (char& c : line) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return std::string(trimmed(line));
}

// The whole number 0..`max` at the start of `s` (digits only, no sign), consumed from `s`.
std::optional<int> takeNumber(std::string_view& s, int max) {
    std::size_t digits = 0;
    int value = 0;
    while (digits < s.size() && s[digits] >= '0' && s[digits] <= '9') {
        value = value * 10 + (s[digits] - '0');
        if (value > max)
            return std::nullopt;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    s.remove_prefix(digits);
    return value;
}

// A colour line: three numbers 0..255 each ended by a blank or the line's end, then the name.
std::optional<Swatch> colourLine(std::string_view line) {
    Swatch swatch;
    for (int* channel : {&swatch.colour.red, &swatch.colour.green, &swatch.colour.blue}) {
        line = trimmed(line);
        const std::optional<int> value = takeNumber(line, 255);
        if (!value || (!line.empty() && !isBlank(line.front())))
            return std::nullopt;
        *channel = *value;
    }
    swatch.name = oneLine(line);
    return swatch;
}

// The columns of a "Columns:" line's value: a whole number 0..kMaxPaletteColumns, nothing else.
std::optional<int> columnsValue(std::string_view value) {
    value = trimmed(value);
    const std::optional<int> columns = takeNumber(value, kMaxPaletteColumns);
    return value.empty() ? columns : std::nullopt;
}

// Reads one line after the header into `palette`; the error it makes, if any.
std::optional<PaletteError> readLine(std::string_view line, Palette& palette) {
    line = trimmed(line);
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    if (line.starts_with(kNameKey)) {
        palette.name = oneLine(line.substr(kNameKey.size()));
        return std::nullopt;
    }
    if (line.starts_with(kColumnsKey)) {
        const std::optional<int> columns = columnsValue(line.substr(kColumnsKey.size()));
        palette.columns = columns.value_or(0);
        return columns ? std::nullopt : std::optional(PaletteError::BadColour);
    }
    if (palette.swatches.size() == kMaxPaletteColours)
        return PaletteError::TooManyColours;
    std::optional<Swatch> swatch = colourLine(line);
    if (!swatch)
        return PaletteError::BadColour;
    palette.swatches.push_back(std::move(*swatch));
    return std::nullopt;
}

// Cuts the first line (without its LF) off `text`.
std::string_view takeLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return line;
}

bool isText(std::string_view bytes) {
    return bytes.find('\0') == std::string_view::npos &&
           QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8();
}

int channel(int value) {
    return std::clamp(value, 0, 255);
}

}  // namespace

std::variant<Palette, PaletteError> readGimpPalette(std::string_view bytes) {
    if (bytes.size() > kMaxPaletteFileBytes)
        return PaletteError::TooLarge;
    if (!isText(bytes))
        return PaletteError::BadText;
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    std::string_view header = takeLine(bytes);
    while (!header.empty() && isBlank(header.back()))
        header.remove_suffix(1);
    if (header != kHeader)
        return PaletteError::NoHeader;
    Palette palette;
    while (!bytes.empty()) {
        if (const std::optional<PaletteError> error = readLine(takeLine(bytes), palette))
            return *error;
    }
    if (palette.swatches.empty())
        return PaletteError::NoColours;
    return palette;
}

std::string writeGimpPalette(const Palette& palette) {
    // Appended piece by piece: GCC 12 sees overlapping copies in chains of string additions.
    std::string text(kHeader);
    text.append("\n").append(kNameKey).append(" ").append(oneLine(palette.name)).append("\n");
    text.append(kColumnsKey).append(" ");
    text.append(std::to_string(std::clamp(palette.columns, 0, kMaxPaletteColumns)));
    text.append("\n#\n");
    for (const Swatch& swatch : palette.swatches) {
        char numbers[40];
        std::snprintf(numbers, sizeof numbers, "%3d %3d %3d\t", channel(swatch.colour.red),
                      channel(swatch.colour.green), channel(swatch.colour.blue));
        text.append(numbers).append(oneLine(swatch.name)).append("\n");
    }
    return text;
}

}  // namespace kelvaro
