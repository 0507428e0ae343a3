// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <optional>
#include <variant>

#include "i18n/message_text.h"
#include "io/file_boundary.h"
#include "library/check_report.h"
#include "library/library_command.h"
#include "model/command_line_messages.h"
#include "model/data_folders.h"
#include "model/library_check.h"

namespace kelvaro::library {
namespace {

// What the command line of check asks for.
struct CheckRequest {
    std::optional<std::filesystem::path> folder;
    bool json = false;
    bool decode = false;
};

// A wrong command line, said by `message`, as its line on standard error.
std::string mistake(std::string_view message) {
    return "kelvaro-library: " + std::string(message) + "\n";
}

// A wrong command line, said by `pattern` with `value` in place of %1, as above.
std::string mistake(const QString& pattern, std::string_view value) {
    return mistake(composeMessage(pattern, {value}));
}

std::variant<CheckRequest, std::string> parseCheck(std::span<const std::string> arguments) {
    CheckRequest request;
    for (const std::string& argument : arguments) {
        if (argument == "--json") {
            request.json = true;
        } else if (argument == "--decode") {
            request.decode = true;
        } else if (argument.starts_with("-") && argument.size() > 1) {
            return mistake(unknownOptionMessage(argument));
        } else if (request.folder) {
            return mistake(QCoreApplication::translate(
                               "LibraryCheck", "調べるフォルダは1つだけ指定してください: %1"),
                           argument);
        } else {
            request.folder = std::filesystem::path(argument);
        }
    }
    return request;
}

// The line on standard error that tells how fast the parts were decoded.
std::string decodeSpeed(const LibraryReport& report, std::chrono::steady_clock::duration spent) {
    const double seconds = std::chrono::duration<double>(spent).count();
    char figures[64];
    std::snprintf(figures, sizeof figures, "%.2f", seconds);
    const double perSecond = seconds > 0 ? report.partsDecoded / seconds : 0;
    return "kelvaro-library: " +
           composeMessage(
               QCoreApplication::translate("LibraryCheck",
                                           "%1 個の部品を %2 秒でデコードしました（毎秒 %3 個）"),
               {std::to_string(report.partsDecoded), figures,
                std::to_string(static_cast<long long>(perSecond))}) +
           "\n";
}

}  // namespace

CommandResult runCheck(std::span<const std::string> arguments) {
    const auto parsed = parseCheck(arguments);
    if (const auto* error = std::get_if<std::string>(&parsed))
        return {2, {}, *error};
    const CheckRequest& request = std::get<CheckRequest>(parsed);
    const std::filesystem::path base = request.folder ? *request.folder : defaultLibrary();
    if (!entryExists(base / "picture")) {
        return {
            1,
            {},
            mistake(QCoreApplication::translate("LibraryCheck", "picture フォルダがありません: %1"),
                    (base / "picture").string())};
    }
    const auto start = std::chrono::steady_clock::now();
    const LibraryReport report = checkLibrary(base, {.decode = request.decode});
    const auto spent = std::chrono::steady_clock::now() - start;
    CommandResult result{
        report.clean() ? 0 : 1, request.json ? jsonReport(report) : humanReport(report), {}};
    if (request.decode)
        result.err = decodeSpeed(report, spent);
    return result;
}

}  // namespace kelvaro::library
