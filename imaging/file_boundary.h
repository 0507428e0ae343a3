// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where the program meets the file system and Qt's strings: one path conversion each way that
// keeps every byte of a file name, the regular-file test, opening a file for reading, and the
// one writer every file the program writes goes through.
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string_view>

namespace kelvaro {

// The path as Qt names files: valid UTF-8 sequences decode to their characters, every other
// byte b (0x80 to 0xFF) to the lone surrogate U+DC00 + b, which no real character uses.
QString toQtPath(const std::filesystem::path& file);

// The path a Qt file name stands for: the inverse of toQtPath, so toPath(toQtPath(p)) == p for
// every path. Other lone surrogates, which name no file, become U+FFFD as Qt writes them.
std::filesystem::path toPath(const QString& file);

// True when a regular file (or a link to one) exists at `file`; folders, FIFOs, devices and
// dangling links do not count.
bool isRegularFile(const std::filesystem::path& file);

// True when anything at all is found under that name, without opening it: a file, a folder, a
// FIFO, a device, a link (dangling ones too).
bool entryExists(const std::filesystem::path& file);

// Opens the regular file at `file` for reading into `device`, by the path's own bytes; false
// for anything else. Never blocks on a FIFO and never opens a device.
bool openRegularFile(const std::filesystem::path& file, QFile& device);

// Replaces `file` with `bytes` so that a reader sees either the old or the new content, or
// fails leaving the old file as it was. The rules:
// - a symbolic link is written through to its final target, also when that target does not
//   exist yet; the link itself stays;
// - a target that exists must be a regular file the user may write: a folder, device or FIFO,
//   and a file without write permission (mode 0444 also for root), are refused;
// - the bytes go to a new file beside the target, flushed to disk, then renamed over it; it
//   takes the replaced file's permissions (and its owner and group where the system allows);
// - when no temporary file can be made beside an existing writable target (a folder the user
//   cannot write) or the disk has no room for that second copy, the file is written in place
//   instead: its new size is reserved first, so a full disk fails before any byte changes, then
//   the bytes are written, checked and flushed;
// - temporary files left beside the target by a copy that was killed are removed.
// Returns false for every failure (read-only file or folder, missing folder, full disk, a folder
// in the way, an empty file name); no temporary file is left behind.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kelvaro
