// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The atomic writer: a temporary file beside the target, flushed, renamed over it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

#include "io/file_writer.h"
#include "io/replace_steps.h"
#include "io/stale_sweep.h"
#include "io/temporary_names.h"

namespace kelvaro {
namespace replace {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;  // as the kernel allows before ELOOP

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The final target of a chain of symbolic links, also when it does not exist; or the error
// number of a loop (ELOOP) or of a link that cannot be read.
struct LinkEnd {
    fs::path target;
    int error = 0;
};

LinkEnd linkTarget(fs::path file) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error)))
            return {file, 0};
        const fs::path next = fs::read_symlink(file, error);
        if (error)
            return {{}, error.value()};
        file = next.is_absolute() ? next : folderOf(file) / next;
    }
    return {{}, ELOOP};
}

// What is found at the target: nothing yet (it will be created), a regular file the user may
// write (its attributes carry over), or anything else, which is refused for `refusal`.
struct Target {
    enum Kind { Missing, Writable, Refused } kind;
    struct stat old;
    FileResult refusal;
};

Target inspect(const fs::path& target) {
    Target found{Target::Refused, {}, {}};
    if (::stat(target.c_str(), &found.old) != 0) {
        const int error = errno;
        const bool missing = error == ENOENT && !target.filename().empty();
        found.kind = missing ? Target::Missing : Target::Refused;
        found.refusal = systemFailure(error);
        return found;
    }
    found.refusal = regularFileResult(found.old.st_mode);
    if (!found.refusal)
        return found;
    // A file without any write bit is protected on purpose, also from root, who could write it.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        found.refusal = systemFailure(errno);
    else if ((found.old.st_mode & 0222) == 0)
        found.refusal = systemFailure(EACCES);
    else
        found.kind = Target::Writable;
    return found;
}

// A new, exclusively created file beside the target; -1 (errno set) when none can be made.
int createTemporary(const fs::path& target, fs::path& temporary) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folderOf(target) / temporaryName(target.filename(), ::getpid(), ++counter);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The replaced file's owner and group where the system allows it (the owner only for root, the
// group for its members), then its permissions, which must carry over. 0 or the error number.
int keepAttributes(int fd, const Target& target) {
    if (target.kind != Target::Writable)
        return 0;
    if (::fchown(fd, target.old.st_uid, target.old.st_gid) != 0) {
        // The group alone; when that fails too the file keeps the writer's, as a new file would.
        [[maybe_unused]] const int groupKept =
            ::fchown(fd, static_cast<uid_t>(-1), target.old.st_gid);
    }
    return ::fchmod(fd, target.old.st_mode & 07777) == 0 ? 0 : errno;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure of the write.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// The temporary file written, flushed, closed and renamed over the target: 0, or the error
// number of the step that failed, the temporary file then removed.
int writeAndRename(int fd, const fs::path& temporary, const fs::path& target, const Target& found,
                   std::string_view bytes) {
    int error = keepAttributes(fd, found);
    if (error == 0)
        error = writeAll(fd, bytes, 0);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolder(folderOf(target));
    return 0;
}

}  // namespace

int writeAll(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return 0;
}

Attempt replaceBeside(const fs::path& file, std::string_view bytes) {
    const LinkEnd end = linkTarget(file);
    if (end.error != 0)
        return {systemFailure(end.error), {}, false};
    const Target found = inspect(end.target);
    if (found.kind == Target::Refused)
        return {found.refusal, end.target, false};
    removeStaleTemporariesOnce(folderOf(end.target));
    fs::path temporary;
    const int fd = createTemporary(end.target, temporary);
    const int error = fd < 0 ? errno : writeAndRename(fd, temporary, end.target, found, bytes);
    if (error == 0)
        return {{}, end.target, false};
    // No file beside the target, or no room for it: the file itself may still take the bytes.
    const bool noRoomBeside = fd < 0 || error == ENOSPC || error == EDQUOT;
    return {systemFailure(error), end.target, noRoomBeside && found.kind == Target::Writable};
}

}  // namespace replace

FileResult replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    return replace::replaceBeside(file, bytes).result;
}

}  // namespace kelvaro
