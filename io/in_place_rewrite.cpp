// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The settings file's writer: the atomic replacement, or, where the folder allows no new file
// beside it, a checked write over the file itself.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/file_writer.h"
#include "io/replace_steps.h"

namespace kelvaro {
namespace {

// Grows the open file to its new size first, so that a full disk or a size limit fails before
// the old content changes (shrinking cannot fail for want of space), then writes, truncates and
// flushes it. 0 or the error number of the step that failed.
int rewriteOpenFile(int fd, const struct stat& opened, std::string_view bytes) {
    const auto size = static_cast<off_t>(bytes.size());
    int error = size > opened.st_size ? ::posix_fallocate(fd, 0, size) : 0;
    if (error == 0)
        error = replace::writeAll(fd, bytes, 0);
    if (error == 0 && ::ftruncate(fd, size) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    return error;
}

// Writes `bytes` over the regular file `target` itself.
FileResult rewriteInPlace(const std::filesystem::path& target, std::string_view bytes) {
    // Readable too where allowed: reserving space without the file system's help reads first.
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(target.c_str(), O_RDWR | kFlags);
    if (fd < 0)
        fd = ::open(target.c_str(), O_WRONLY | kFlags);
    if (fd < 0)
        return systemFailure(errno);
    struct stat opened {};
    FileResult result =
        ::fstat(fd, &opened) == 0 ? regularFileResult(opened.st_mode) : systemFailure(errno);
    int error = result ? rewriteOpenFile(fd, opened, bytes) : 0;
    if (::close(fd) != 0 && result && error == 0)
        error = errno;
    return error == 0 ? result : systemFailure(error);
}

}  // namespace

FileResult replaceFileOrRewriteInPlace(const std::filesystem::path& file, std::string_view bytes) {
    const replace::Attempt attempt = replace::replaceBeside(file, bytes);
    if (!attempt.inPlacePossible)
        return attempt.result;
    return rewriteInPlace(attempt.target, bytes);
}

}  // namespace kelvaro
