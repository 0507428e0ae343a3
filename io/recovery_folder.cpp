// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/recovery_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace kelvaro {
namespace {

constexpr std::string_view kRecoveryExtension = ".recovery";
constexpr std::string_view kLockExtension = ".lock";

fs::path lockFileOf(const fs::path& file) {
    return fs::path(file).replace_extension(kLockExtension);
}

// "kelvaro-<pid>-<milliseconds since the epoch>": no later editor of the same id takes it.
std::string ownName() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return "kelvaro-" + std::to_string(::getpid()) + "-" +
           std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// True when no process holds the lock of `lockFile` (or there is no such file).
bool lockIsFree(const fs::path& lockFile) {
    const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return errno == ENOENT;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

// The entries of `folder` ending in `extension`, newest first.
std::vector<fs::path> filesEndingIn(const fs::path& folder, std::string_view extension) {
    std::vector<std::pair<fs::file_time_type, fs::path>> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code timeError;
        if (entry.path().extension() == extension && entry.is_regular_file(timeError))
            found.emplace_back(entry.last_write_time(timeError), entry.path());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<fs::path> files;
    for (auto& [time, path] : found)
        files.push_back(std::move(path));
    return files;
}

// Keeps the newest kDiscardedKept recovery files of `folder`.
void pruneDiscarded(const fs::path& folder) {
    const std::vector<fs::path> files = filesEndingIn(folder, kRecoveryExtension);
    for (std::size_t i = kDiscardedKept; i < files.size(); ++i) {
        std::error_code ignored;
        fs::remove(files[i], ignored);
    }
}

}  // namespace

fs::path defaultRecoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    fs::path base = state && fs::path(state).is_absolute()
                        ? fs::path(state)
                        : fs::path(home ? home : "/") / ".local" / "state";
    return base / "kelvaro" / "recovery";
}

RecoveryClaim::RecoveryClaim(fs::path folder) : m_folder(std::move(folder)) {
    const std::string name = ownName();
    m_file = m_folder / (name + std::string(kRecoveryExtension));
    m_lockFile = lockFileOf(m_file);
    std::error_code error;
    fs::create_directories(m_folder, error);
    if (error) {
        m_failure = systemFailure(error.value());
        return;
    }
    m_fd = ::open(m_lockFile.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0 || ::flock(m_fd, LOCK_EX | LOCK_NB) != 0)
        m_failure = systemFailure(errno);
}

RecoveryClaim::~RecoveryClaim() {
    if (m_fd < 0)
        return;
    ::unlink(m_lockFile.c_str());
    ::close(m_fd);
}

std::vector<fs::path> orphanedRecoveryFiles(const fs::path& folder) {
    std::vector<fs::path> orphans;
    for (const fs::path& file : filesEndingIn(folder, kRecoveryExtension)) {
        if (lockIsFree(lockFileOf(file)))
            orphans.push_back(file);
    }
    for (const fs::path& lock : filesEndingIn(folder, kLockExtension)) {
        std::error_code ignored;
        if (!fs::exists(fs::path(lock).replace_extension(kRecoveryExtension), ignored) &&
            lockIsFree(lock))
            fs::remove(lock, ignored);
    }
    return orphans;
}

FileResult discardRecoveryFile(const fs::path& folder, const fs::path& file) {
    const fs::path discarded = folder / "discarded";
    std::error_code error;
    fs::create_directories(discarded, error);
    if (!error)
        fs::rename(file, discarded / file.filename(), error);
    if (error)
        return systemFailure(error.value());
    fs::remove(lockFileOf(file), error);
    pruneDiscarded(discarded);
    return {};
}

void removeRecoveryFile(const fs::path& file) {
    std::error_code ignored;
    fs::remove(file, ignored);
    fs::remove(lockFileOf(file), ignored);
}

}  // namespace kelvaro
