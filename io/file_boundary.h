// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where the program meets the file system and Qt's strings: one path conversion each way that
// keeps every byte of a file name, the regular-file test, opening a file for reading, and the
// reading of small files whole. The writers are in file_writer.h.
#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <string>

#include "io/file_result.h"

namespace kelvaro {

// The path as Qt names files: valid UTF-8 sequences decode to their characters, every other
// byte b (0x80 to 0xFF) to the lone surrogate U+DC00 + b, which no real character uses.
QString toQtPath(const std::filesystem::path& file);

// The path a Qt file name stands for: the inverse of toQtPath, so toPath(toQtPath(p)) == p for
// every path. Other lone surrogates, which name no file, become U+FFFD as Qt writes them.
std::filesystem::path toPath(const QString& file);

// The file of the running program, every byte of its name kept (the kernel's record of it, else
// Qt's).
std::filesystem::path runningProgramFile();

// True when a regular file (or a link to one) exists at `file`; folders, FIFOs, devices and
// dangling links do not count.
bool isRegularFile(const std::filesystem::path& file);

// True when anything at all is found under that name, without opening it: a file, a folder, a
// FIFO, a device, a link (dangling ones too).
bool entryExists(const std::filesystem::path& file);

// Opens the regular file at `file` for reading into `device`, by the path's own bytes; a failure
// with its reason for anything else (a folder, a FIFO, a device, nothing there). Never blocks on
// a FIFO and never opens a device.
FileResult openRegularFile(const std::filesystem::path& file, QFile& device);

// Success when the open file `fd` is a regular file; the reason it is not (or fstat's) otherwise.
FileResult regularOpenFile(int fd);

// The bytes of a file read whole, or why it could not be read.
struct FileBytes {
    FileResult result;
    std::string bytes;  // empty unless read
};

// The whole content of the regular file at `file` (opened as openRegularFile does) when it holds
// at most `limit` bytes; a failure (EFBIG for a larger file) otherwise.
FileBytes readRegularFile(const std::filesystem::path& file, std::uintmax_t limit);

}  // namespace kelvaro
