// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The kelvaro-library program itself: its help, its version and its lines for a command line
// without a command it knows.
#include <gtest/gtest.h>

#include <QProcess>

namespace kelvaro::test {
namespace {

struct Answer {
    int status = -1;
    QString out;
    QString err;
};

Answer run(const QStringList& arguments) {
    QProcess process;
    process.start(KELVARO_LIBRARY_PROGRAM, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(LibraryProgram, HelpVersionAndWrongCommands) {
    struct Row {
        QStringList arguments;
        int status;
        const char* outStart;  // the start of standard output; empty: none printed
        bool complains;        // a line on standard error
    };
    const std::vector<Row> rows = {
        {{"--help"}, 0, "Usage:\n  kelvaro-library check [DIR] [--json] [--decode]\n", false},
        {{"-h"}, 0, "Usage:\n  kelvaro-library check [DIR] [--json] [--decode]\n", false},
        {{"check", "--help"},
         0,
         "Usage:\n  kelvaro-library check [DIR] [--json] [--decode]\n\n",
         false},
        {{"add", "-h"},
         0,
         "Usage:\n  kelvaro-library add ELEMENT PICTURE... [--library DIR]\n\n",
         false},
        {{"--version"}, 0, "kelvaro-library ", false},
        {{}, 2, "", true},
        {{"frob"}, 2, "", true},
        {{"--frob"}, 2, "", true},
        {{"check", "--frob"}, 2, "", true},
    };
    for (const Row& row : rows) {
        const Answer answer = run(row.arguments);
        const std::string name = row.arguments.join(' ').toStdString();
        EXPECT_EQ(answer.status, row.status) << name;
        if (*row.outStart == '\0')
            EXPECT_EQ(answer.out, "") << name;
        else
            EXPECT_TRUE(answer.out.startsWith(QString::fromUtf8(row.outStart))) << name;
        EXPECT_EQ(answer.err.startsWith("kelvaro-library: "), row.complains) << name;
        EXPECT_EQ(answer.err.count('\n'), row.complains ? 1 : 0) << name;
    }
}

}  // namespace
}  // namespace kelvaro::test
