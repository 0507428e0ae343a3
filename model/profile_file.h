// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Initialisation files ("[Section]" headers and "key=value" lines) read and written with the
// semantics of the classic private-profile functions:
//  - a missing file, section or key reads as the default;
//  - section and key names match case-insensitively (ASCII), surrounding blanks ignored;
//  - the first matching section and the first matching key in it win;
//  - writing replaces an existing key's value in place, appends a new key at the end of its
//    section (after its last key), creates the section at the end of the file when missing,
//    and keeps every other line (other sections, keys, comments, blank lines) byte for byte;
//  - files with CRLF or LF line ends read alike; a rewritten file keeps the line end it had;
//  - a UTF-8 byte order mark at the start of the file is skipped when reading and kept.
// Profile files are the settings file's format ("Kelvaro.ini"), so saving goes through the
// settings file's writer, replaceFileOrRewriteInPlace (io/file_writer.h): a failed write leaves
// the old file whole, a read-only file stays as it is and a link is written through, and a
// writable file in a folder its user may not write is still rewritten in place.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "io/file_result.h"

namespace kelvaro {

// Files larger than this are not read (they read as empty); the pattern file is a few hundred
// bytes.
inline constexpr std::uintmax_t kProfileSizeLimit = 1u << 20;

class ProfileFile {
public:
    // Reads the file; a missing, unreadable or oversized file gives an empty profile. A file
    // that exists but cannot be read (not a regular file, oversized, read error) also marks the
    // profile unsaveable, so that writing never replaces content that was never seen.
    static ProfileFile load(const std::filesystem::path& file);
    static ProfileFile fromText(std::string text);

    // The integer value of a key with GetPrivateProfileInt semantics: blanks are skipped,
    // leading decimal digits are read, anything after them ignored; a value starting with '-'
    // reads as 0; no digits read as 0; a value past the 32-bit range saturates at INT32_MAX.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);

    const std::string& text() const { return m_text; }

    // Writes the text as the settings file's writer does; a failure with its reason (the old
    // file untouched) when it cannot, or, with the reason it could not be read, when the profile
    // was loaded from a file that exists but could not be read.
    FileResult save(const std::filesystem::path& file) const;

private:
    std::string m_text;
    FileResult m_loaded;  // a failure when loaded from an existing file that could not be read
};

}  // namespace kelvaro
