// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// --help and --version of every installed program, started where no display can be reached.
#include <gtest/gtest.h>

#include <QProcess>

#include "io/file_boundary.h"
#include "tests/package/package_support.h"

namespace kelvaro::test {
namespace {

struct Answer {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the unpacked `program` with `option`, without DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM.
Answer answerOf(const std::string& program, const QString& option) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert("LC_ALL", "C");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(toQtPath(stagedRoot() / "usr" / "bin" / program), {option});
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(ProgramOptions, HelpAndVersionOnStandardOutputWithoutADisplay) {
    std::vector<std::string> programs = {"kelvaro"};
    if (KELVARO_HAVE_RENDER)
        programs.push_back("kelvaro-render");
    if (KELVARO_HAVE_LIBRARY)
        programs.push_back("kelvaro-library");
    for (const std::string& program : programs) {
        const QString name = QString::fromStdString(program);
        const Answer version = answerOf(program, "--version");
        EXPECT_EQ(version.exitCode, 0) << program << version.err.toStdString();
        EXPECT_EQ(version.out, name + " " KELVARO_VERSION "\n");
        EXPECT_EQ(version.err, "") << program;

        const Answer help = answerOf(program, "--help");
        EXPECT_EQ(help.exitCode, 0) << program << help.err.toStdString();
        EXPECT_TRUE(help.out.contains(name + " ")) << program;  // the usage names the program
        EXPECT_TRUE(help.out.contains("--version")) << program;
        EXPECT_EQ(help.err, "") << program;
    }
}

}  // namespace
}  // namespace kelvaro::test
