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

FileResult openRegularFile(const std::filesystem::path& file, QFile& device) {
    if (FileResult found = findRegularFile(file); !found)
        return found;
    // Non-blocking, so that a FIFO put there since the test cannot hang the open.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return systemFailure(errno);
    FileResult result = regularOpenFile(fd);
    if (result && !device.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        result = failureBecause(device.errorString().toStdString());
    if (!result)
        ::close(fd);
    return result;
}

FileResult regularOpenFile(int fd) {
    struct stat opened {};
    return ::fstat(fd, &opened) == 0 ? regularFileResult(opened.st_mode) : systemFailure(errno);
}

FileBytes readRegularFile(const std::filesystem::path& file, std::uintmax_t limit) {
    FileBytes read;
    QFile device;
    read.result = openRegularFile(file, device);
    if (!read.result)
        return read;
    const qint64 size = device.size();
    if (static_cast<std::uintmax_t>(size) > limit) {
        read.result = systemFailure(EFBIG);
        return read;
    }
    read.bytes.resize(static_cast<std::size_t>(size));
    const qint64 got = device.read(read.bytes.data(), size);
    char more = 0;
    if (got < 0)
        read.result = failureBecause(device.errorString().toStdString());
    else if (got != size || device.read(&more, 1) != 0)
        read.result = failureFor(kChangedWhileRead);
    if (!read.result)
        read.bytes.clear();
    return read;
}

}  // namespace kelvaro
