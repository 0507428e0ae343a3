// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The editor's command line: the file it opens, Qt's own options left to Qt, and --help,
// --version and mistakes answered on the terminal without a window (and without a display), in
// the desktop's language.
#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

#include <vector>

#include "app/command_line.h"

namespace kelvaro::test {
namespace {

using Action = CommandLine::Action;

CommandLine read(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "kelvaro");
    return readCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, FilesOptionsAndMistakes) {
    struct Row {
        std::vector<const char*> arguments;
        Action action;
        std::string document;
        QString text;  // the start of it
    };
    const std::vector<Row> rows = {
        {{}, Action::Edit, "", ""},
        {{"a.kelvaro"}, Action::Edit, "a.kelvaro", ""},
        {{"--", "-dash.kelvaro"}, Action::Edit, "-dash.kelvaro", ""},
        {{"-platform", "offscreen", "a.kelvaro"}, Action::Edit, "a.kelvaro", ""},
        {{"--style=fusion", "-reverse", "-style", "-x", "a.kelvaro"},
         Action::Edit,
         "a.kelvaro",
         ""},
        {{"a.kelvaro", "--help"}, Action::Help, "", "Użycie: kelvaro [PLIK]\n"},
        {{"-h"}, Action::Help, "", "Użycie: kelvaro [PLIK]\n"},
        {{"--version"}, Action::Version, "", "kelvaro " KELVARO_VERSION "\n"},
        {{"--bogus"}, Action::Mistake, "", "不明なオプションです: --bogus"},
        {{"-dash.kelvaro"}, Action::Mistake, "", "不明なオプションです: -dash.kelvaro"},
        {{"-reverse=1"}, Action::Mistake, "", "不明なオプションです: -reverse=1"},
        {{"a", "b"}, Action::Mistake, "", "開けるファイルは 1 個だけです: 2 個"},
        {{"--", "a", "--help"}, Action::Mistake, "", "開けるファイルは 1 個だけです: 2 個"},
    };
    for (const Row& row : rows) {
        const CommandLine line = read(row.arguments);
        const std::string shown = row.arguments.empty() ? "(none)" : row.arguments.front();
        EXPECT_EQ(line.action, row.action) << shown;
        EXPECT_EQ(line.document, std::filesystem::path(row.document)) << shown;
        EXPECT_EQ(line.text.left(row.text.size()), row.text) << shown;
        EXPECT_EQ(line.text.isEmpty(), row.text.isEmpty()) << shown;
    }
}

TEST(CommandLine, AnsweredWithoutADisplay) {
    const QTemporaryDir userSettings;  // no language chosen by the user
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(variable);
    environment.insert("QT_QPA_PLATFORM", "xcb");  // a window could not open
    environment.insert("XDG_CONFIG_HOME", userSettings.path());
    struct Row {
        const char* lang;
        QStringList arguments;
        int exitCode;
        QString out;  // the start of it
        QString err;
    };
    const std::vector<Row> rows = {
        {"C.UTF-8", {"--help"}, 0, "Użycie: kelvaro [PLIK]\n", ""},
        {"C.UTF-8", {"--version"}, 0, "kelvaro " KELVARO_VERSION "\n", ""},
        {"C.UTF-8", {"--colour"}, 2, "", "kelvaro: 不明なオプションです: --colour\n"},
        {"C.UTF-8", {"a", "b"}, 2, "", "kelvaro: 開けるファイルは 1 個だけです: 2 個\n"},
        {"en_US.UTF-8", {"--help"}, 0, "Usage: kelvaro [FILE]\n       kelvaro -- FILE\n", ""},
        {"en_US.UTF-8", {"--colour"}, 2, "", "kelvaro: unknown option: --colour\n"},
        {"en_US.UTF-8", {"a", "b"}, 2, "", "kelvaro: only one file can be opened, not 2\n"},
    };
    for (const Row& row : rows) {
        environment.insert("LANG", row.lang);
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(KELVARO_EDITOR_PROGRAM), row.arguments);
        ASSERT_TRUE(editor.waitForFinished(60'000)) << row.arguments.join(' ').toStdString();
        const QString out = QString::fromUtf8(editor.readAllStandardOutput());
        EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(editor.exitCode(), row.exitCode) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(out.left(row.out.size()), row.out);
        EXPECT_EQ(out.isEmpty(), row.out.isEmpty()) << out.toStdString();
        EXPECT_EQ(QString::fromUtf8(editor.readAllStandardError()), row.err);
    }
}

}  // namespace
}  // namespace kelvaro::test
