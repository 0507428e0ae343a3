// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// `add ELEMENT PICTURE... [--library DIR]`: the pictures appended to the element's parts
// (model/part_import.h), one line per picture on standard output.
#include <QCoreApplication>
#include <filesystem>
#include <optional>
#include <variant>
#include <vector>

#include "i18n/message_text.h"
#include "library/library_command.h"
#include "model/command_line_messages.h"
#include "model/data_folders.h"
#include "model/element_names.h"
#include "model/part_import.h"
#include "model/part_library.h"

namespace kelvaro::library {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kProgram = "kelvaro-library: ";

// `message` as the program's line on standard error.
std::string standardErrorLine(std::string_view message) {
    return std::string(kProgram) + failureLine(message) + "\n";
}

// The command line of `add`, read.
struct AddRequest {
    int element = 0;
    std::vector<fs::path> pictures;
    fs::path library;  // the folder holding picture/
};

std::string commandText(const char* source, std::initializer_list<std::string_view> values = {}) {
    return composeMessage(QCoreApplication::translate("LibraryCommand", source), values);
}

// The words of the command line (the element and the pictures) and `--library`'s value into
// `library`; the message saying what is wrong with an option, if anything is.
std::optional<std::string> sortArguments(std::span<const std::string> arguments,
                                         std::vector<std::string>& words, fs::path& library) {
    bool optionsEnd = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnd || argument == "-" || !argument.starts_with("-"))
            words.push_back(argument);
        else if (argument == "--")
            optionsEnd = true;
        else if (argument != "--library")
            return unknownOptionMessage(argument);
        else if (++i < arguments.size())
            library = fs::path(arguments[i]);
        else
            return missingValueMessage(argument);
    }
    return std::nullopt;
}

// The request, or the message saying what is wrong with the command line.
std::variant<AddRequest, std::string> readRequest(std::span<const std::string> arguments) {
    AddRequest request{0, {}, {}};
    std::vector<std::string> words;
    if (auto wrong = sortArguments(arguments, words, request.library))
        return std::move(*wrong);
    if (request.library.empty())  // the library `check` looks at, the one the editor reads
        request.library = defaultLibrary();
    if (words.empty())
        return commandText(QT_TRANSLATE_NOOP("LibraryCommand", "要素が指定されていません"));
    const auto element = elementNamed(words.front());
    if (!element)
        return commandText(QT_TRANSLATE_NOOP("LibraryCommand", "不明な要素です: %1"),
                           {words.front()});
    if (words.size() < 2)
        return commandText(QT_TRANSLATE_NOOP("LibraryCommand", "画像ファイルが指定されていません"));
    request.element = *element;
    request.pictures.assign(words.begin() + 1, words.end());
    return request;
}

}  // namespace

CommandResult runAdd(std::span<const std::string> arguments) {
    const auto read = readRequest(arguments);
    if (const auto* wrong = std::get_if<std::string>(&read))
        return {2, {}, standardErrorLine(*wrong)};
    const auto& request = std::get<AddRequest>(read);
    const PartImport added = importParts(request.library, request.element, request.pictures);
    if (!added.ok())
        return {1, {}, standardErrorLine(added.failure)};
    CommandResult result;
    for (std::size_t i = 0; i < request.pictures.size(); ++i) {
        result.out += composeMessage(QCoreApplication::translate("LibraryCommand", "%1 -> %2"),
                                     {request.pictures[i].string(),
                                      partFileName(request.element, added.numbers[i])}) +
                      "\n";
    }
    if (!added.skipped.empty())
        result.err = standardErrorLine(skippedNumbersNote(added.skipped));
    return result;
}

}  // namespace kelvaro::library
