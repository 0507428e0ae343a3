// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The one writer of the program's files: a temporary file beside the target renamed over it,
// or, where the folder allows no new file, a checked write in place.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "imaging/file_boundary.h"
#include "imaging/temporary_names.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinkHops = 40;  // as the kernel allows before ELOOP

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The final target of a chain of symbolic links, also when it does not exist; nothing for a
// loop or a link that cannot be read.
std::optional<fs::path> linkTarget(fs::path file) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error)))
            return file;
        const fs::path next = fs::read_symlink(file, error);
        if (error)
            return std::nullopt;
        file = next.is_absolute() ? next : folderOf(file) / next;
    }
    return std::nullopt;
}

// What is found at the target: nothing yet (it will be created), a regular file the user may
// write (its attributes carry over), or anything else, which is refused.
struct Target {
    enum Kind { Missing, Writable, Refused } kind;
    struct stat old;
};

Target inspect(const fs::path& target) {
    Target found{Target::Refused, {}};
    if (target.filename().empty())
        return found;
    if (::stat(target.c_str(), &found.old) != 0) {
        found.kind = errno == ENOENT ? Target::Missing : Target::Refused;
        return found;
    }
    // A file without any write bit is protected on purpose, also from root, who could write it.
    const bool writable = ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 &&
                          (found.old.st_mode & 0222) != 0;
    found.kind = S_ISREG(found.old.st_mode) && writable ? Target::Writable : Target::Refused;
    return found;
}

// A new, exclusively created file beside the target; -1 when none can be made.
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

bool writeAll(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// The replaced file's owner and group where the system allows it (the owner only for root, the
// group for its members), then its permissions, which must carry over.
bool keepAttributes(int fd, const Target& target) {
    if (target.kind != Target::Writable)
        return true;
    if (::fchown(fd, target.old.st_uid, target.old.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), target.old.st_gid);
    return ::fchmod(fd, target.old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure of the write.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Replaced, failed, or not possible beside the target (no temporary file could be made, or the
// disk had no room for a second copy), which a write in place may still manage.
enum class Outcome { Replaced, Failed, NoRoomBeside };

// The temporary file written, flushed and renamed over the target.
Outcome writeAndRename(int fd, const fs::path& temporary, const fs::path& target,
                       const Target& found, std::string_view bytes) {
    bool ok = keepAttributes(fd, found) && writeAll(fd, bytes, 0) && ::fsync(fd) == 0;
    const bool noRoom = !ok && (errno == ENOSPC || errno == EDQUOT);
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return noRoom ? Outcome::NoRoomBeside : Outcome::Failed;
    }
    syncFolder(folderOf(target));
    return Outcome::Replaced;
}

// Writes over the file itself. Growing it is reserved first, so that a full disk or a size
// limit fails before the old content changes; shrinking it cannot fail for want of space.
bool writeInPlace(const fs::path& target, std::string_view bytes) {
    // Readable too where allowed: reserving space without the file system's help reads first.
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(target.c_str(), O_RDWR | kFlags);
    if (fd < 0)
        fd = ::open(target.c_str(), O_WRONLY | kFlags);
    if (fd < 0)
        return false;
    struct stat opened {};
    const auto size = static_cast<off_t>(bytes.size());
    bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    ok = ok && (size <= opened.st_size || ::posix_fallocate(fd, 0, size) == 0);
    ok = ok && writeAll(fd, bytes, 0) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

bool replaceFileAtomically(const fs::path& file, std::string_view bytes) {
    const std::optional<fs::path> target = linkTarget(file);
    if (!target)
        return false;
    const Target found = inspect(*target);
    if (found.kind == Target::Refused)
        return false;
    removeStaleTemporaries(folderOf(*target), target->filename());
    fs::path temporary;
    const int fd = createTemporary(*target, temporary);
    const Outcome outcome =
        fd < 0 ? Outcome::NoRoomBeside : writeAndRename(fd, temporary, *target, found, bytes);
    // The file itself may still take the bytes, as a plain write would.
    if (outcome == Outcome::NoRoomBeside)
        return found.kind == Target::Writable && writeInPlace(*target, bytes);
    return outcome == Outcome::Replaced;
}

}  // namespace kelvaro
