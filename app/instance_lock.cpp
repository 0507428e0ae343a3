// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <string>

#include "io/file_boundary.h"

namespace kelvaro {
namespace {

constexpr int kAttempts = 4;

// The lock file opened for locking; a file this process may not open is one whose owner cannot
// be told, so it is removed and made anew. -1 when neither works.
int openLockFile(const std::filesystem::path& file) {
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | kFlags, 0600);
    if (fd >= 0 || errno != EACCES || !entryExists(file))
        return fd;
    fd = ::open(file.c_str(), O_RDONLY | kFlags);  // a lock needs no write access
    if (fd >= 0 || ::unlink(file.c_str()) != 0)
        return fd;
    return ::open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | kFlags, 0600);
}

// The locked file is still the one of that name, not one removed by the copy that let it go.
bool stillNamed(int fd, const std::filesystem::path& file) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(file.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// For whoever looks at the file: the process that holds it.
void recordOwner(int fd) {
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0)
        (void)!::pwrite(fd, pid.data(), pid.size(), 0);
}

}  // namespace

InstanceLock::~InstanceLock() {
    if (m_fd < 0)
        return;
    ::unlink(m_file.c_str());  // while still locked, so no other copy is locking this file
    ::close(m_fd);
}

std::filesystem::path InstanceLock::pathFor(const QString& programName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return toPath(folder) / toPath(programName + QStringLiteral(".lock"));
}

LockResult InstanceLock::fail(FileResult failure) {
    m_failure = std::move(failure);
    return LockResult::Failed;
}

LockResult InstanceLock::acquire(const std::filesystem::path& lockFile) {
    for (int attempt = 0; attempt < kAttempts && m_fd < 0; ++attempt) {
        const int fd = openLockFile(lockFile);
        if (fd < 0)
            return fail(systemFailure(errno));
        if (const FileResult kind = regularOpenFile(fd); !kind) {
            ::close(fd);
            return fail(kind);
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return LockResult::HeldByRunningCopy;
            return fail(systemFailure(error));
        }
        if (!stillNamed(fd, lockFile)) {
            ::close(fd);
            continue;
        }
        recordOwner(fd);
        m_fd = fd;
        m_file = lockFile;
    }
    // The file was replaced under every attempt: another copy keeps making it anew.
    return m_fd >= 0 ? LockResult::Acquired : fail(systemFailure(EAGAIN));
}

bool claimSingleInstance(InstanceLock& lock, const std::filesystem::path& lockFile,
                         const std::function<void(const QString&)>& report,
                         const std::function<bool()>& handOver) {
    switch (lock.acquire(lockFile)) {
        case LockResult::Acquired:
            return true;
        case LockResult::HeldByRunningCopy:
            if (handOver && handOver())
                return false;
            report(QCoreApplication::translate("InstanceLock", "すでに起動されています"));
            return false;
        case LockResult::Failed:
            break;
    }
    const QString lead = QCoreApplication::translate(
        "InstanceLock", "二重起動を確かめるロックファイルを作成できませんでした");
    report(
        QString::fromStdString(fileFailureMessage(lead.toStdString(), lockFile, lock.failure())));
    return true;
}

}  // namespace kelvaro
