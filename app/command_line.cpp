// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <string_view>
#include <vector>

#include "ui/language_switch.h"

namespace kelvaro {
namespace {

// An option Qt's application classes take out of the command line themselves.
struct QtOption {
    std::string_view name;  // with one dash; Qt takes it with two as well
    bool takesValue;
};

constexpr std::array<QtOption, 19> kQtOptions = {{
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-display", true},
    {"-geometry", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-name", true},
    {"-title", true},
    {"-reverse", false},
    {"-widgetcount", false},
    {"-nograb", false},
    {"-dograb", false},
    {"-sync", false},
}};

// Qt's option `argument` stands for (as "-name", "--name" or "-name=value"), if any.
const QtOption* qtOptionOf(std::string_view argument) {
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    const auto equals = argument.find('=');
    const bool inlineValue = equals != std::string_view::npos;
    for (const QtOption& option : kQtOptions) {
        if (argument.substr(0, equals) == option.name && (!inlineValue || option.takesValue))
            return &option;
    }
    return nullptr;
}

CommandLine mistake(const QString& text) {
    return {CommandLine::Action::Mistake, {}, text};
}

QString usageText() {
    return QCoreApplication::translate(
        "CommandLine",
        "Użycie: kelvaro [PLIK]\n"
        "       kelvaro -- PLIK\n"
        "\n"
        "Otwiera edytor portretów Kelvaro, a w nim PLIK: dokument .kelvaro albo obraz PNG\n"
        "zapisany przez Kelvaro. Nazwę zaczynającą się od \"-\" podaj po \"--\".\n"
        "\n"
        "  -h, --help     wypisuje ten tekst i kończy pracę\n"
        "  --version      wypisuje wersję programu i kończy pracę\n"
        "\n"
        "Przyjmowane są też opcje Qt, np. -platform NAZWA i -style NAZWA.\n");
}

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv) {
    std::vector<std::string_view> files;
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (onlyFiles || argument == "-" || !argument.starts_with("-")) {
            files.push_back(argument);
        } else if (argument == "--") {
            onlyFiles = true;
        } else if (argument == "--help" || argument == "-h") {
            return {CommandLine::Action::Help, {}, usageText()};
        } else if (argument == "--version") {
            return {
                CommandLine::Action::Version, {}, QStringLiteral("kelvaro " KELVARO_VERSION "\n")};
        } else if (const QtOption* option = qtOptionOf(argument)) {
            if (option->takesValue && argument.find('=') == std::string_view::npos)
                ++i;  // its value, whatever it looks like
        } else {
            return mistake(QCoreApplication::translate("CommandLine", "不明なオプションです: %1")
                               .arg(QString::fromLocal8Bit(argv[i])));
        }
    }
    if (files.size() > 1)
        return mistake(
            QCoreApplication::translate("CommandLine", "開けるファイルは 1 個だけです: %1 個")
                .arg(files.size()));
    CommandLine line;
    if (!files.empty())
        line.document = std::filesystem::path(std::string(files.front()));
    return line;
}

int answerInUsersLanguage(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    speakRememberedLanguage();
    return answerCommandLine(readCommandLine(argc, argv));
}

int answerCommandLine(const CommandLine& line) {
    switch (line.action) {
        case CommandLine::Action::Help:
        case CommandLine::Action::Version:
            std::fputs(line.text.toLocal8Bit().constData(), stdout);
            return 0;
        case CommandLine::Action::Mistake:
            std::fprintf(stderr, "kelvaro: %s\n", line.text.toLocal8Bit().constData());
            return 2;
        default:
            return 0;
    }
}

}  // namespace kelvaro
