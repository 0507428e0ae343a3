// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/temporary_names.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string_view>
#include <system_error>

namespace kelvaro {
namespace {

constexpr std::string_view kSuffix = ".tmp";

std::string prefixFor(const std::filesystem::path& targetName) {
    std::string prefix = ".";
    prefix += targetName.native();
    prefix += '.';
    return prefix;
}

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

bool running(pid_t process) {
    return process == ::getpid() || ::kill(process, 0) == 0 || errno == EPERM;
}

}  // namespace

std::string temporaryName(const std::filesystem::path& targetName, pid_t process, unsigned n) {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on a chain of string additions.
    std::string name = prefixFor(targetName);
    name += std::to_string(process);
    name += '.';
    name += std::to_string(n);
    name += kSuffix;
    return name;
}

std::optional<pid_t> temporaryOwner(const std::string& name,
                                    const std::filesystem::path& targetName) {
    const std::string prefix = prefixFor(targetName);
    if (!name.starts_with(prefix) || !name.ends_with(kSuffix))
        return std::nullopt;
    std::string_view marks(name);
    marks = marks.substr(prefix.size(), marks.size() - prefix.size() - kSuffix.size());
    const std::size_t dot = marks.find('.');
    if (dot == std::string_view::npos || !digitsOf<unsigned>(marks.substr(dot + 1)))
        return std::nullopt;
    const auto process = digitsOf<pid_t>(marks.substr(0, dot));
    if (!process || *process <= 0)
        return std::nullopt;
    return process;
}

void removeStaleTemporaries(const std::filesystem::path& folder,
                            const std::filesystem::path& targetName) {
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::filesystem::path& file = entry->path();
        const auto owner = temporaryOwner(file.filename().native(), targetName);
        struct stat found {};
        if (!owner || running(*owner) || ::lstat(file.c_str(), &found) != 0 ||
            !S_ISREG(found.st_mode))
            continue;
        ::unlink(file.c_str());
    }
}

}  // namespace kelvaro
