// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/file_result.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

#include "i18n/message_text.h"

namespace kelvaro {

FileResult systemFailure(int error) {
    // The generic category's text is strerror's, taken in a way that is safe from any thread.
    return {false, std::generic_category().message(error)};
}

FileResult failureBecause(std::string_view reason) {
    return {false, std::string(reason)};
}

FileResult failureFor(std::string_view ownReason) {
    return failureBecause(translatedText("FileResult", ownReason));
}

FileResult regularFileResult(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    return S_ISDIR(mode) ? systemFailure(EISDIR) : failureFor(kNotARegularFile);
}

std::string fileFailureMessage(std::string_view message, const std::filesystem::path& file,
                               const FileResult& result) {
    std::string text(message);
    text += '\n';
    text += file.string();
    if (!result.reason.empty()) {
        text += '\n';
        text += result.reason;
    }
    return text;
}

}  // namespace kelvaro
