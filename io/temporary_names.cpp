// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/temporary_names.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <system_error>

namespace kelvaro {
namespace {

constexpr std::string_view kSuffix = ".tmp";

// Decimal digits only, the whole text; nothing for anything else.
template <typename Number>
std::optional<Number> digitsOf(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || error != std::errc() ||
        end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Splits "<head>.<tail>" at its last dot; nothing when there is none.
std::optional<std::string_view> cutLastPart(std::string_view& text) {
    const std::size_t dot = text.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const std::string_view tail = text.substr(dot + 1);
    text = text.substr(0, dot);
    return tail;
}

bool running(pid_t process) {
    return process == ::getpid() || ::kill(process, 0) == 0 || errno == EPERM;
}

}  // namespace

std::string temporaryName(const std::filesystem::path& targetName, pid_t process, unsigned n) {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on a chain of string additions.
    std::string name = ".";
    name += targetName.native();
    name += '.';
    name += std::to_string(process);
    name += '.';
    name += std::to_string(n);
    name += kSuffix;
    return name;
}

std::optional<TemporaryMarks> temporaryMarks(std::string_view name) {
    if (!name.starts_with('.') || !name.ends_with(kSuffix))
        return std::nullopt;
    // The target may hold dots and digits itself: the marks are read from the end.
    std::string_view rest = name.substr(1, name.size() - 1 - kSuffix.size());
    const auto count = cutLastPart(rest);
    const auto process = cutLastPart(rest);
    if (!count || !process || rest.empty() || !digitsOf<unsigned>(*count))
        return std::nullopt;
    const auto owner = digitsOf<pid_t>(*process);
    if (!owner || *owner <= 0)
        return std::nullopt;
    return TemporaryMarks{std::string(rest), *owner};
}

bool removeStaleTemporaries(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    if (error)
        return false;
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::filesystem::path& file = entry->path();
        const auto marks = temporaryMarks(file.filename().native());
        struct stat found {};
        if (!marks || running(marks->process) || ::lstat(file.c_str(), &found) != 0 ||
            !S_ISREG(found.st_mode))
            continue;
        ::unlink(file.c_str());
    }
    return true;
}

}  // namespace kelvaro
