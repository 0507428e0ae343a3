// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The outcome of reading or writing a file: success, or a failure with its reason, the system's
// own text for what went wrong, so that a message about the file can say why.
#pragma once

#include <sys/types.h>
#include <QtGlobal>

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro {

// Reasons the system has no error number for, as written (source language); a failure carries
// them translated into the language installed when it is made (context "FileResult").
inline constexpr std::string_view kNotARegularFile =
    QT_TRANSLATE_NOOP("FileResult", "通常のファイルではありません");
inline constexpr std::string_view kChangedWhileRead =
    QT_TRANSLATE_NOOP("FileResult", "読み込み中にファイルが変わりました");

struct FileResult {
    bool ok = true;
    std::string reason;  // why it failed; empty on success

    // True on success, so that `if (!writeSomething(...))` reads as before.
    explicit operator bool() const { return ok; }
};

// A failure for the error number `error` (errno), with the system's text for it, as
// strerror gives it.
FileResult systemFailure(int error);

// A failure with a reason of the program's own, as given (already in the user's language).
FileResult failureBecause(std::string_view reason);

// A failure for one of the reasons above, in the language installed now.
FileResult failureFor(std::string_view ownReason);

// Success for the mode (st_mode) of a regular file; EISDIR for a folder and kNotARegularFile for
// anything else (a FIFO, a device, a socket).
FileResult regularFileResult(mode_t mode);

// A message about a file that could not be read or written: "MESSAGE\nPATH\nREASON", the reason
// line left out when `result` has none.
std::string fileFailureMessage(std::string_view message, const std::filesystem::path& file,
                               const FileResult& result);

}  // namespace kelvaro
