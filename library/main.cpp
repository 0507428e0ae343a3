// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-library: checks a part library and adds pictures to it as parts.
#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/interface_language.h"
#include "io/file_size_signal.h"
#include "library/library_command.h"

namespace {

using Command = kelvaro::library::CommandResult (*)(std::span<const std::string>);

struct NamedCommand {
    std::string_view name;
    Command run;
};
constexpr std::array<NamedCommand, 2> kCommands = {{
    {"check", kelvaro::library::runCheck},
    {"add", kelvaro::library::runAdd},
}};

}  // namespace

int main(int argc, char** argv) {
    kelvaro::ignoreFileSizeSignal();
    const QCoreApplication application(argc, argv);
    kelvaro::Translations translations;
    translations.install(kelvaro::desktopLanguage());
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::fputs("kelvaro-library: name a command: check or add\n", stderr);
        return 2;
    }
    for (const NamedCommand& command : kCommands) {
        if (arguments.front() != command.name)
            continue;
        const auto result = command.run(std::span(arguments).subspan(1));
        std::fputs(result.out.c_str(), stdout);
        std::fputs(result.err.c_str(), stderr);
        return result.status;
    }
    std::fprintf(stderr, "kelvaro-library: unknown command: %s\n", arguments.front().c_str());
    return 2;
}
