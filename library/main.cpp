// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-library: checks a part library and adds pictures to it as parts.
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/interface_language.h"
#include "i18n/message_text.h"
#include "io/file_size_signal.h"
#include "library/library_command.h"
#include "library/library_help.h"

namespace {

using Command = kelvaro::library::CommandResult (*)(std::span<const std::string>);

struct NamedCommand {
    std::string_view name;
    Command run;
    std::string (*help)();
};
constexpr std::array<NamedCommand, 2> kCommands = {{
    {"check", kelvaro::library::runCheck, kelvaro::library::checkHelp},
    {"add", kelvaro::library::runAdd, kelvaro::library::addHelp},
}};

bool asksForHelp(std::span<const std::string> arguments) {
    return std::ranges::any_of(arguments,
                               [](const std::string& a) { return a == "--help" || a == "-h"; });
}

// Prints what a command (or the program itself) gave and returns its status.
int finish(const kelvaro::library::CommandResult& result) {
    std::fputs(result.out.c_str(), stdout);
    std::fputs(result.err.c_str(), stderr);
    return result.status;
}

// The program's own answer when no command runs: help, version, or a wrong command line.
kelvaro::library::CommandResult programAnswer(const std::vector<std::string>& arguments) {
    using kelvaro::composeMessage;
    if (arguments.empty()) {
        return {2,
                {},
                "kelvaro-library: " +
                    composeMessage(QCoreApplication::translate(
                        "LibraryCommand",
                        "コマンドを指定してください: check または add（使い方は --help）")) +
                    "\n"};
    }
    if (arguments.front() == "--help" || arguments.front() == "-h")
        return {0, kelvaro::library::programHelp(), {}};
    if (arguments.front() == "--version")
        return {0, "kelvaro-library " KELVARO_VERSION "\n", {}};
    return {2,
            {},
            "kelvaro-library: " +
                composeMessage(QCoreApplication::translate(
                                   "LibraryCommand", "不明なコマンドです: %1（使い方は --help）"),
                               {arguments.front()}) +
                "\n"};
}

}  // namespace

int main(int argc, char** argv) {
    kelvaro::ignoreFileSizeSignal();
    const QCoreApplication application(argc, argv);
    kelvaro::Translations translations;
    translations.install(kelvaro::desktopLanguage());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const NamedCommand& command : kCommands) {
        if (arguments.empty() || arguments.front() != command.name)
            continue;
        const auto rest = std::span(arguments).subspan(1);
        if (asksForHelp(rest))
            return finish({0, command.help(), {}});
        return finish(command.run(rest));
    }
    return finish(programAnswer(arguments));
}
