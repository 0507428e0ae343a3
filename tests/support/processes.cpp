// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/support/processes.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace kelvaro::test {
namespace {

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

}  // namespace

bool dropRights() {
    if (!runningAsRoot())
        return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNoGroup) == 0 && ::setuid(kNobody) == 0;
}

bool folderRefusesUnprivileged(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / ".kelvaro-write-probe";
    const bool refused = runUnprivileged([&] {
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        return fd < 0 && errno == EACCES;
    });
    std::error_code error;
    std::filesystem::remove(probe, error);
    return refused;
}

pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return child;
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

void handToUnprivilegedUser(const std::filesystem::path& path) {
    if (runningAsRoot() && ::lchown(path.c_str(), kNobody, kNoGroup) != 0)
        throw std::filesystem::filesystem_error("cannot hand over", path,
                                                std::error_code(errno, std::generic_category()));
}

ChildEnd runInChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0)
        return {};
    if (child == 0)
        ::_exit(body());
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return {};
    if (WIFSIGNALED(status))
        return {false, -1, WTERMSIG(status)};
    return {WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0};
}

bool runUnprivileged(const std::function<bool()>& body) {
    const ChildEnd end = runInChild([&] { return dropRights() && body() ? 0 : 1; });
    return end.exited && end.status == 0;
}

}  // namespace kelvaro::test
