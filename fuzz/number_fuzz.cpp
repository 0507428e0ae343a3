// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The edits' number reading against the C library's strtol: the data exchange's "%d" reading
// saturates, the edits' own reading refuses a plus sign and anything outside the int range.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "ui/number_reading.h"

namespace {

using kelvaro::fuzz::check;

struct Reference {
    bool converted;
    long value;
    bool outOfRange;
};

// strtol in the C locale up to the first NUL, which no digit or blank is.
Reference strtolOf(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    const bool outOfRange = errno == ERANGE || value < INT_MIN || value > INT_MAX;
    return {end != begin, value, outOfRange};
}

std::optional<int> expectedWhole(const Reference& r) {
    if (!r.converted)
        return std::nullopt;
    if (r.outOfRange)
        return r.value < 0 ? INT_MIN : INT_MAX;
    return static_cast<int>(r.value);
}

std::optional<int> expectedEdit(const std::string& text, const Reference& r) {
    const std::size_t first = text.find_first_not_of(" \t\n\r\v\f");
    const bool plus = first != std::string::npos && text[first] == '+';
    if (!r.converted || r.outOfRange || plus)
        return std::nullopt;
    return static_cast<int>(r.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Reference reference = strtolOf(text);
    check(kelvaro::readWholeNumber(text) == expectedWhole(reference), "%d reading as strtol");
    check(kelvaro::readEditNumber(text) == expectedEdit(text, reference), "edit reading");
    return 0;
}
