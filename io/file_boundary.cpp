// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/file_boundary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>

namespace kelvaro {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // byte b escapes to kEscapeBase + b
constexpr char32_t kReplacement = 0xFFFD;

// Lengths and lowest code points of the UTF-8 sequences by their lead byte.
struct SequenceKind {
    std::size_t length;
    char32_t leadBits;
    char32_t lowest;
};

constexpr SequenceKind kindOf(unsigned char lead) {
    if (lead < 0x80)
        return {1, lead, 0};
    if ((lead & 0xE0) == 0xC0)
        return {2, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0)
        return {3, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0)
        return {4, lead & 0x07u, 0x10000};
    return {0, 0, 0};
}

// The character of the well-formed UTF-8 sequence starting at `at`, with its length; length 0
// for a byte that starts no such sequence (overlong forms and encoded surrogates included).
std::pair<char32_t, std::size_t> decodeAt(std::string_view bytes, std::size_t at) {
    const SequenceKind kind = kindOf(static_cast<unsigned char>(bytes[at]));
    if (kind.length == 0 || at + kind.length > bytes.size())
        return {0, 0};
    char32_t code = kind.leadBits;
    for (std::size_t i = 1; i < kind.length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < kind.lowest || code > 0x10FFFF || surrogate)
        return {0, 0};
    return {code, kind.length};
}

void appendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    const int continuation = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    constexpr unsigned char kLeads[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeads[continuation] | (code >> (6 * continuation)));
    for (int i = continuation - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
}

// Appended unit by unit: Qt's own UTF-32 decoding would drop a byte order mark (U+FEFF).
void appendUtf16(char32_t code, QString& out) {
    if (QChar::requiresSurrogates(code)) {
        out += QChar(QChar::highSurrogate(code));
        out += QChar(QChar::lowSurrogate(code));
    } else {
        out += QChar(static_cast<char16_t>(code));
    }
}

bool isEscape(char16_t unit) {
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

// Success when a regular file (or a link to one) is found at `file`, without opening it.
FileResult findRegularFile(const std::filesystem::path& file) {
    struct stat found {};
    if (::stat(file.c_str(), &found) != 0)
        return systemFailure(errno);
    return regularFileResult(found.st_mode);
}

}  // namespace

QString toQtPath(const std::filesystem::path& file) {
    const std::string_view bytes = file.native();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size();) {
        const auto [code, length] = decodeAt(bytes, at);
        if (length == 0) {
            text +=
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        appendUtf16(code, text);
        at += length;
    }
    return text;
}

std::filesystem::path toPath(const QString& file) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(file.size()));
    for (qsizetype i = 0; i < file.size(); ++i) {
        const char16_t unit = file[i].unicode();
        if (isEscape(unit)) {
            bytes += static_cast<char>(unit - kEscapeBase);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < file.size() &&
                   file[i + 1].isLowSurrogate()) {
            appendUtf8(QChar::surrogateToUcs4(unit, file[++i].unicode()), bytes);
        } else {
            appendUtf8(QChar::isSurrogate(unit) ? kReplacement : unit, bytes);
        }
    }
    return std::filesystem::path(std::move(bytes));
}

std::filesystem::path runningProgramFile() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? toPath(QCoreApplication::applicationFilePath()) : program;
}

bool isRegularFile(const std::filesystem::path& file) {
    return findRegularFile(file).ok;
}

bool entryExists(const std::filesystem::path& file) {
    struct stat entry {};
    return ::lstat(file.c_str(), &entry) == 0;
}

namespace {

// Success when the open file `fd` is a regular file, its status then in `opened`.
FileResult regularStatus(int fd, struct stat& opened) {
    return ::fstat(fd, &opened) == 0 ? regularFileResult(opened.st_mode) : systemFailure(errno);
}

// The regular file at `file` opened for reading (non-blocking, so that a FIFO put there since
// the test cannot hang the open) with its status in `opened`, or the reason it is not; the
// caller closes a descriptor >= 0.
std::pair<FileResult, int> openRegularDescriptor(const std::filesystem::path& file,
                                                 struct stat& opened) {
    if (FileResult found = findRegularFile(file); !found)
        return {found, -1};
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return {systemFailure(errno), -1};
    FileResult result = regularStatus(fd, opened);
    if (!result) {
        ::close(fd);
        return {result, -1};
    }
    return {result, fd};
}

// Reads `fd` into `into` until `size` bytes are read or the file ends: how many were read, or -1
// with errno set.
ssize_t readUpTo(int fd, char* into, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, into + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

// Reads the whole of the open regular file `fd`, of `size` bytes by its status, into `read`.
void readWhole(int fd, std::size_t size, FileBytes& read) {
    read.bytes.resize(size);
    const ssize_t got = readUpTo(fd, read.bytes.data(), size);
    char more = 0;
    if (got < 0)
        read.result = failureBecause(qt_error_string(errno).toStdString());  // as QFile says it
    else if (static_cast<std::size_t>(got) != size || readUpTo(fd, &more, 1) != 0)
        read.result = failureFor(kChangedWhileRead);
    if (!read.result)
        read.bytes.clear();
}

}  // namespace

FileResult openRegularFile(const std::filesystem::path& file, QFile& device) {
    struct stat opened {};
    auto [result, fd] = openRegularDescriptor(file, opened);
    if (result && !device.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        result = failureBecause(device.errorString().toStdString());
        ::close(fd);
    }
    return result;
}

FileResult regularOpenFile(int fd) {
    struct stat opened {};
    return regularStatus(fd, opened);
}

FileBytes readRegularFile(const std::filesystem::path& file, std::uintmax_t limit) {
    FileBytes read;
    struct stat opened {};
    int fd = -1;
    std::tie(read.result, fd) = openRegularDescriptor(file, opened);
    if (!read.result)
        return read;
    if (static_cast<std::uintmax_t>(opened.st_size) > limit)
        read.result = systemFailure(EFBIG);
    else
        readWhole(fd, static_cast<std::size_t>(opened.st_size), read);
    ::close(fd);
    return read;
}

}  // namespace kelvaro
