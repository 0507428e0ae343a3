// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The single-instance lock: a lock file keyed by the program's base name in the user's runtime
// folder, locked with the kernel's advisory file lock. The kernel drops the lock when its process
// ends however it ends, so only a running copy holds it: whatever a killed copy left in the file,
// or a file that cannot be opened any more, is taken over.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "io/file_result.h"

namespace kelvaro {

enum class LockResult {
    Acquired,           // this process holds the lock
    HeldByRunningCopy,  // another running process holds it
    Failed,             // it could not be taken (a folder in the way, a read-only folder, ...)
};

class InstanceLock {
public:
    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    // Releases the lock and removes its file.
    ~InstanceLock();

    // The lock file of the program named `programName`.
    static std::filesystem::path pathFor(const QString& programName);

    LockResult acquire(const std::filesystem::path& lockFile);

    // True while this process holds the lock.
    bool held() const { return m_fd >= 0; }

    // After acquire gave Failed: the failure with the system's reason for it.
    const FileResult& failure() const { return m_failure; }

private:
    // Failed, remembering `failure`.
    LockResult fail(FileResult failure);

    int m_fd = -1;
    std::filesystem::path m_file;
    FileResult m_failure;
};

// Start-up's use of the lock: false while another copy runs, after `handOver` (when given) handed
// the work to it or, when it did not, after the already-running message; true otherwise, with a
// warning naming the lock file when it could not be taken, since nothing says a copy is running
// then.
bool claimSingleInstance(InstanceLock& lock, const std::filesystem::path& lockFile,
                         const std::function<void(const QString&)>& report,
                         const std::function<bool()>& handOver = {});

}  // namespace kelvaro
