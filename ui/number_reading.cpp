// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/number_reading.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace kelvaro {
namespace {

struct Scan {
    bool hasDigits = false;
    bool overflow = false;
    bool negative = false;
    std::int64_t magnitude = 0;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

Scan scanNumber(std::string_view text, bool allowPlus) {
    Scan scan;
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '-' || (allowPlus && text[i] == '+'))) {
        scan.negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        scan.hasDigits = true;
        scan.magnitude = scan.magnitude * 10 + (text[i] - '0');
        if (scan.magnitude > kLimit) {
            scan.overflow = true;
            scan.magnitude = kLimit;
        }
    }
    return scan;
}

std::int64_t signedValue(const Scan& scan) {
    return scan.negative ? -scan.magnitude : scan.magnitude;
}

bool fitsInt(std::int64_t v) {
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

}  // namespace

std::optional<int> readWholeNumber(std::string_view text) {
    const Scan scan = scanNumber(text, true);
    if (!scan.hasDigits)
        return std::nullopt;
    const std::int64_t value = signedValue(scan);
    if (scan.overflow || !fitsInt(value)) {
        return scan.negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

std::optional<int> readEditNumber(std::string_view text) {
    const Scan scan = scanNumber(text, false);
    const std::int64_t value = signedValue(scan);
    if (!scan.hasDigits || scan.overflow || !fitsInt(value))
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace kelvaro
