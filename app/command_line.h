// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor's command line, read before anything of the window exists: `kelvaro [FILE]`,
// `kelvaro -- FILE` for a name that begins with "-", --help and --version. Qt's own options
// (-platform NAME, -style NAME, ...) are left for the application to take.
#pragma once

#include <QString>
#include <filesystem>

namespace kelvaro {

// What the command line asks the program to do.
struct CommandLine {
    enum class Action {
        Edit,     // open the editor, on `document` when it is not empty
        Help,     // print `text` (the usage) on standard output; status 0
        Version,  // print `text` (the version) on standard output; status 0
        Mistake,  // print `text` (one line) on standard error; status 2
    };
    Action action = Action::Edit;
    std::filesystem::path document;  // the file to open, its bytes as given
    QString text;
};

// Reads the arguments after the program's name (argv[1] to argv[argc - 1]).
CommandLine readCommandLine(int argc, const char* const* argv);

// Prints what `line` asks for (help, version or mistake) and returns the exit status; does
// nothing and returns 0 for Edit.
int answerCommandLine(const CommandLine& line);

// Reads the command line and answers it (answerCommandLine) in the language the user chose, else
// the desktop's. The catalogues need an application object: it makes a QCoreApplication of its
// own, which needs no display, so call it while no other application object exists.
int answerInUsersLanguage(int argc, char** argv);

}  // namespace kelvaro
