#include "model/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// Where the bytes go: the final target of a symbolic link, so that the link itself stays.
fs::path targetOf(const fs::path& file) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error)))
        return file;
    const fs::path resolved = fs::weakly_canonical(file, error);
    return error ? file : resolved;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// A new, exclusively created file in the target's folder; -1 when none can be made.
int createTemporary(const fs::path& target, fs::path& temporary) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Built by appending: GCC 12 warns falsely (-Wrestrict) on a chain of string additions.
        std::string name = ".";
        name += target.filename().string();
        name += '.';
        name += std::to_string(::getpid());
        name += '.';
        name += std::to_string(++counter);
        name += ".tmp";
        temporary = folderOf(target) / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// An existing file's permissions carry over to its replacement.
bool keepPermissions(int fd, const fs::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0)
        return true;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure of the write.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool replaceFileAtomically(const fs::path& file, std::string_view bytes) {
    const fs::path target = targetOf(file);
    fs::path temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return false;
    bool ok = keepPermissions(fd, target) && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folderOf(target));
    return true;
}

}  // namespace kelvaro
