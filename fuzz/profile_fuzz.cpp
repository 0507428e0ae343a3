// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The profile reader and writer: a key written into fuzzed text must read back, writing it again
// must change nothing, and everything outside the section written to must survive byte for byte.
//
// Input: byte 0 picks the section, byte 1 the key, bytes 2 to 5 the value; the rest is the text.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "model/profile_file.h"

namespace {

using kelvaro::fuzz::check;

constexpr std::array<std::string_view, 5> kSections = {"PartsNo", "partsno", "Other", "P", "a b"};
constexpr std::array<std::string_view, 6> kKeys = {"face", "FACE", "hat2", "eye2", "k", "x y"};

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return kBlanks.find(c) != std::string_view::npos; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a section header line ("[name]", blanks around), or nothing.
std::optional<std::string_view> headerName(std::string_view line) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    const std::string_view s = trimmed(line);
    const std::size_t close = s.find(']');
    if (s.empty() || s.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return trimmed(s.substr(1, close - 1));
}

// Byte offsets [begin, end) of the first section called `name`, header to next header; both at
// the end of the text when there is none.
std::pair<std::size_t, std::size_t> sectionBytes(std::string_view text, std::string_view name) {
    std::size_t at = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    std::size_t begin = std::string_view::npos;
    while (at < text.size()) {
        const std::size_t newline = text.find('\n', at);
        const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        const auto header =
            headerName(text.substr(at, (newline == std::string_view::npos ? next : newline) - at));
        if (header && begin != std::string_view::npos)
            return {begin, at};
        if (header && sameName(*header, name))
            begin = at;
        at = next;
    }
    return begin == std::string_view::npos ? std::pair{text.size(), text.size()}
                                           : std::pair{begin, text.size()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6)
        return 0;
    const std::string_view section = kSections[data[0] % kSections.size()];
    const std::string_view key = kKeys[data[1] % kKeys.size()];
    std::int32_t number = 0;
    std::memcpy(&number, data + 2, sizeof number);
    const std::string old(reinterpret_cast<const char*>(data + 6), size - 6);

    kelvaro::ProfileFile profile = kelvaro::ProfileFile::fromText(old);
    profile.writeString(section, key, std::to_string(number));
    const std::string written = profile.text();
    check(profile.readInt(section, key, -7) == (number < 0 ? 0 : number), "the value reads back");

    profile.writeString(section, key, std::to_string(number));
    check(profile.text() == written, "writing the same value again changes nothing");

    const auto [begin, end] = sectionBytes(old, section);
    const std::size_t after = old.size() - end;
    check(written.size() >= begin + after, "the text outside the section is kept");
    check(std::string_view(written).substr(0, begin) == std::string_view(old).substr(0, begin),
          "everything before the section is kept byte for byte");
    check(std::string_view(written).substr(written.size() - after) ==
              std::string_view(old).substr(end),
          "everything after the section is kept byte for byte");
    return 0;
}
