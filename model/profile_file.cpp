// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/profile_file.h"

#include <limits>
#include <optional>
#include <system_error>
#include <vector>

#include "io/file_boundary.h"
#include "io/file_writer.h"

namespace kelvaro {
namespace {

constexpr std::string_view kBlanks = " \t";

// One line of the text: its content runs from `begin` to `end` (line end excluded); the next
// line starts at `next`. `terminated` is false only for a last line without a line end.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
    bool terminated;
};

// The lines of a section: the header line and the first line after the section.
struct SectionSpan {
    std::size_t header;
    std::size_t end;
};

// A UTF-8 byte order mark that some editors put at the start of a text file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        const bool terminated = newline != std::string_view::npos;
        const std::size_t next = terminated ? newline + 1 : text.size();
        std::size_t end = terminated ? newline : text.size();
        if (end > begin && text[end - 1] == '\r')
            --end;
        lines.push_back({begin, end, next, terminated});
        begin = next;
    }
    return lines;
}

std::string_view trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view contentOf(std::string_view text, const Line& line) {
    return text.substr(line.begin, line.end - line.begin);
}

// "[name]" with optional blanks around the line and the name; nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view content) {
    const std::string_view s = trim(content);
    const std::size_t close = s.find(']');
    if (s.empty() || s.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return trim(s.substr(1, close - 1));
}

// "key=value": the trimmed text before the first '='; comments (';') and headers are no keys.
std::optional<std::string_view> keyName(std::string_view content) {
    const std::string_view s = trim(content);
    const std::size_t equals = s.find('=');
    if (s.empty() || s.front() == ';' || s.front() == '[' || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trim(s.substr(0, equals));
}

// The first section called `name`, up to the next header or the end of the text.
std::optional<SectionSpan> findSection(std::string_view text, const std::vector<Line>& lines,
                                       std::string_view name) {
    std::optional<SectionSpan> span;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto header = sectionName(contentOf(text, lines[i]));
        if (!header)
            continue;
        if (span) {
            span->end = i;
            return span;
        }
        if (sameName(*header, name))
            span = SectionSpan{i, lines.size()};
    }
    return span;
}

// The first line of the section holding `key`.
std::optional<std::size_t> findKey(std::string_view text, const std::vector<Line>& lines,
                                   const SectionSpan& span, std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto name = keyName(contentOf(text, lines[i]));
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

// The last key line of the section, or its header when it has no key.
std::size_t lastKeyLine(std::string_view text, const std::vector<Line>& lines,
                        const SectionSpan& span) {
    std::size_t last = span.header;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (keyName(contentOf(text, lines[i])))
            last = i;
    }
    return last;
}

// The part of a key line after '=' and the blanks that follow it.
std::string_view valueOf(std::string_view content) {
    const std::string_view afterEquals = content.substr(content.find('=') + 1);
    const std::size_t start = afterEquals.find_first_not_of(kBlanks);
    return start == std::string_view::npos ? std::string_view{} : afterEquals.substr(start);
}

// Leading decimal digits of the value; '-' first reads 0, past INT32_MAX saturates.
int parseInt(std::string_view value) {
    constexpr long long kMax = std::numeric_limits<int>::max();
    long long result = 0;
    for (const char c : value) {
        if (c < '0' || c > '9')
            break;
        result = result * 10 + (c - '0');
        if (result > kMax)
            return static_cast<int>(kMax);
    }
    return static_cast<int>(result);
}

// The line end the text uses: that of its first line, "\n" when it has none.
std::string_view lineEndOf(std::string_view text) {
    const std::size_t newline = text.find('\n');
    if (newline != std::string_view::npos && newline > 0 && text[newline - 1] == '\r') {
        return "\r\n";
    }
    return "\n";
}

}  // namespace

ProfileFile ProfileFile::load(const std::filesystem::path& file) {
    ProfileFile profile;
    std::error_code error;
    if (std::filesystem::status(file, error).type() == std::filesystem::file_type::not_found)
        return profile;
    FileBytes read = readRegularFile(file, kProfileSizeLimit);
    profile.m_loaded = std::move(read.result);
    profile.m_text = std::move(read.bytes);
    return profile;
}

ProfileFile ProfileFile::fromText(std::string text) {
    ProfileFile profile;
    profile.m_text = std::move(text);
    return profile;
}

int ProfileFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto lines = splitLines(m_text);
    const auto span = findSection(m_text, lines, section);
    if (!span)
        return defaultValue;
    const auto index = findKey(m_text, lines, *span, key);
    if (!index)
        return defaultValue;
    const std::string_view value = trim(valueOf(contentOf(m_text, lines[*index])));
    if (!value.empty() && value.front() == '-')
        return 0;
    return parseInt(value);
}

void ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    const auto lines = splitLines(m_text);
    const std::string eol(lineEndOf(m_text));
    std::string entry(key);
    entry += '=';
    entry += value;
    entry += eol;
    const auto span = findSection(m_text, lines, section);
    if (!span) {
        if (!m_text.empty() && m_text.back() != '\n')
            m_text += eol;
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on chained additions.
        m_text += '[';
        m_text += section;
        m_text += ']';
        m_text += eol;
        m_text += entry;
        return;
    }
    if (const auto index = findKey(m_text, lines, *span, key)) {
        const Line& line = lines[*index];
        const std::string_view old = valueOf(contentOf(m_text, line));
        m_text.replace(line.end - old.size(), old.size(), value);
        return;
    }
    const Line& after = lines[lastKeyLine(m_text, lines, *span)];
    m_text.insert(after.next, after.terminated ? entry : eol + entry);
}

FileResult ProfileFile::save(const std::filesystem::path& file) const {
    if (!m_loaded)
        return m_loaded;
    return replaceFileOrRewriteInPlace(file, m_text);
}

}  // namespace kelvaro
