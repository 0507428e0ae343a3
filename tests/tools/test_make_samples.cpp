// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// kelvaro-make-samples' command line: bad numbers give the usage message and exit code 2.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>

#include "io/file_boundary.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

struct Outcome {
    int exitCode;
    QString errors;
};

Outcome makeSamples(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KELVARO_BINARY_DIR "/tools/kelvaro-make-samples"), arguments);
    process.waitForFinished(120000);
    const bool exited = process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardError())};
}

TEST(MakeSamples, BadNumbersGiveTheUsageMessage) {
    const test::TempFolder folder;
    const QString preview = toQtPath(folder.path() / "p.png");
    const QString fifteen = QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    const QStringList rows[] = {
        {"--scale", "x"},
        {"--scale", "2x"},
        {"--scale", "0"},
        {"--scale", "9"},
        {"--scale", "-1"},
        {"--scale", "99999999999"},
        {"--parts", "99999999999,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {"--parts", "1000,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {"--parts", "-1,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {"--parts", "+1,0,0,0,0,0,0,0,0,0,0,0,0,0,0"},
        {"--parts", "1,2"},
        {"--parts", fifteen + ","},
        {"--parts", fifteen + ",0"},
    };
    for (const QStringList& row : rows) {
        const Outcome run = makeSamples(QStringList{"--preview", preview} << row);
        EXPECT_EQ(run.exitCode, 2) << row.join(' ').toStdString();
        EXPECT_TRUE(run.errors.startsWith("usage: kelvaro-make-samples"))
            << row.join(' ').toStdString() << ": " << run.errors.toStdString();
    }
    EXPECT_FALSE(isRegularFile(folder.path() / "p.png"));

    const Outcome good = makeSamples({"--preview", preview, "--scale", "2", "--parts", fifteen,
                                      "--parts", "1,0,2,1,0,1,0,0,0,3,3,1,0,0,2"});
    EXPECT_EQ(good.exitCode, 0) << good.errors.toStdString();
    EXPECT_EQ(QImage(preview).size(), QSize(2 * 2 * 192, 2 * 192));
}

}  // namespace
}  // namespace kelvaro
