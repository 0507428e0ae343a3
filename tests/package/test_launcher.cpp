// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// The unpacked launcher, started as the desktop's menu starts it, in a home folder of its own:
// the working folder it makes, the library it gives it, and the complete portrait the unpacked
// editor then shows (reported by the probe plugin).
#include <gtest/gtest.h>
#include <QDir>
#include <set>

#include "io/file_boundary.h"
#include "model/layer_tables.h"
#include "tests/package/package_support.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

QString canonicalName(const std::filesystem::path& folder) {
    return QDir(toQtPath(folder)).canonicalPath();
}

// The editor opened without a message, showing the portrait an editor opened in `folder` in
// this process shows.
void expectCompletePortrait(const ProbeReport& report, const std::filesystem::path& folder) {
    EXPECT_EQ(report.exitCode, 0) << report.standardError.toStdString();
    EXPECT_TRUE(report.all("message").isEmpty()) << report.all("message").join("; ").toStdString();
    EXPECT_EQ(report.value("cwd"), canonicalName(folder));
    const EditorView reference = openEditorIn(folder);
    EXPECT_EQ(report.value("counter"), reference.counter);
    EXPECT_EQ(differingPixels(report.canvas, *reference.canvas), 0);
    std::set<QRgb> colours;
    for (int y = 1; y <= kCanvasSize; y += 3) {
        for (int x = 1; x <= kCanvasSize; x += 3)
            colours.insert(report.canvas.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 50u) << "the canvas shows no portrait";
}

TEST(Launcher, FirstStartCopiesTheSampleLibraryAndOpensACompletePortrait) {
    TempFolder home;
    const ProbeReport report = runLauncher({home.path(), std::nullopt, home.path(), {}});
    const auto work = home.path() / ".local/share/kelvaro";
    ASSERT_TRUE(std::filesystem::is_directory(work / "picture"));
    EXPECT_FALSE(std::filesystem::is_symlink(work / "picture"));
    EXPECT_TRUE(filesBelow(work / "picture") == filesBelow(stagedShare() / "kelvaro/picture"));
    expectCompletePortrait(report, work);
    EXPECT_EQ(report.value("counter").trimmed().left(2), "0/");
    EXPECT_NE(report.value("counter").trimmed(), "0/-1");
    EXPECT_EQ(report.value("title"), "Kelvaro");
    EXPECT_EQ(report.value("desktopFileName"), KELVARO_APP_ID);
    EXPECT_EQ(report.value("help"), "shown");  // found in share/kelvaro/
    if (std::filesystem::exists("/usr/share/qt6/translations/qtbase_pl.qm")) {
        EXPECT_EQ(report.value("cancelButton"), "Anuluj");
    }
    // Only the library is written: the pattern file waits for "Ustaw wzór", no copy is left.
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(work))
        entries.insert(entry.path().filename().string());
    EXPECT_EQ(entries, std::set<std::string>{"picture"});
}

TEST(Launcher, TheUsersOwnLibraryAndPatternAreKeptAndUsed) {
    TempFolder home, library;
    // The user's own library: the samples with a wall of their own, linked in as picture/.
    std::filesystem::copy(stagedShare() / "kelvaro/picture", library.path() / "parts",
                          std::filesystem::copy_options::recursive);
    writeArgbPng(library.path() / "parts" / "wall.png", kCanvasSize, kCanvasSize,
                 [](int x, int y) { return makeArgb(255, 40, 90 + x % 7, 150 + y % 5); });
    const auto work = home.path() / ".local/share/kelvaro";
    std::filesystem::create_directories(work);
    std::filesystem::create_directory_symlink(library.path() / "parts", work / "picture");
    // A pattern that starts the face at part 001.
    ASSERT_EQ(layerInfo(0).element, kFace);
    const std::string pattern = "[PartsNo]\r\n" + std::string(layerInfo(0).key) + "=1\r\n";
    home.writeFile(".local/share/kelvaro/Kelvaro.ini", pattern);
    const auto before = filesBelow(library.path());

    const ProbeReport report = runLauncher({home.path(), std::nullopt, home.path(), {}});
    EXPECT_TRUE(std::filesystem::is_symlink(work / "picture"));
    EXPECT_TRUE(filesBelow(library.path()) == before);
    EXPECT_EQ(readBytes(work / "Kelvaro.ini"), pattern);
    expectCompletePortrait(report, work);
    EXPECT_EQ(report.value("counter").trimmed().left(2), "1/");
    EXPECT_EQ(report.canvas.pixel(1, 1), makeArgb(255, 40, 90, 150));
}

TEST(Launcher, WorkingFolderFollowsAnAbsoluteXdgDataHomeOnly) {
    TempFolder home;
    const std::filesystem::path custom = home.path() / "data";
    const std::filesystem::path standard = home.path() / ".local/share";
    struct Row {
        std::optional<std::string> xdgDataHome;
        std::filesystem::path dataHome;
    };
    const Row rows[] = {
        {custom.string(), custom},
        {std::string(), standard},
        {std::string("relative/data"), standard},
    };
    for (const Row& row : rows) {
        const ProbeReport report = runLauncher({home.path(), row.xdgDataHome, home.path(), {}});
        EXPECT_EQ(report.value("cwd"), canonicalName(row.dataHome / "kelvaro"))
            << row.xdgDataHome.value_or("unset");
        EXPECT_TRUE(std::filesystem::is_regular_file(row.dataHome / "kelvaro/picture/wall.png"));
        EXPECT_TRUE(report.all("message").isEmpty());
    }
    EXPECT_FALSE(std::filesystem::exists(home.path() / "relative"));
}

TEST(Launcher, AFileArgumentIsPassedOnNamingTheSameFile) {
    TempFolder home, caller;
    caller.writeFile("cast/villager.kelvaro", "{}");
    const ProbeReport report =
        runLauncher({home.path(), std::nullopt, caller.path(), {"cast/villager.kelvaro"}});
    const QStringList arguments = report.all("argument");
    ASSERT_EQ(arguments.size(), 2) << arguments.join(" ").toStdString();
    EXPECT_EQ(QDir(arguments[0]).canonicalPath(), canonicalName(stagedRoot() / "usr/bin/kelvaro"));
    EXPECT_EQ(QDir(arguments[1]).canonicalPath(),
              canonicalName(caller.path() / "cast/villager.kelvaro"));
    EXPECT_TRUE(QDir::isAbsolutePath(arguments[1]));
}

TEST(Launcher, EveryFileArgumentIsPassedOnAbsolute) {
    TempFolder home, caller;
    caller.writeFile("-dash.kelvaro", "{}");
    struct Row {
        QStringList arguments;
        QStringList passed;  // relative to the caller's folder, made absolute
    };
    const std::vector<Row> rows = {
        {{"-dash.kelvaro"}, {"-dash.kelvaro"}},
        {{"--", "-later.kelvaro"}, {"--", "-later.kelvaro"}},
        {{"not-yet.kelvaro"}, {"not-yet.kelvaro"}},
    };
    const QString callerFolder = canonicalName(caller.path()) + "/";
    for (const Row& row : rows) {
        const ProbeReport report =
            runLauncher({home.path(), std::nullopt, caller.path(), row.arguments});
        QStringList expected;
        for (const QString& argument : row.passed)
            expected << (argument == "--" ? argument : callerFolder + argument);
        EXPECT_EQ(report.all("argument").mid(1), expected)
            << report.all("argument").join(" ").toStdString();
    }
}

TEST(Launcher, AWorkingFolderThatCannotBeMadeFallsBackToTheBundledLibrary) {
    TempFolder home;
    // A file where the data folder should be: no folder can be made below it, not even by root.
    const auto blocked = home.writeFile("not-a-folder", "x");
    const ProbeReport report = runLauncher({home.path(), blocked.string(), home.path(), {}});
    EXPECT_NE(report.standardError.indexOf("作業フォルダ"), -1)
        << report.standardError.toStdString();
    EXPECT_NE(report.standardError.indexOf(toQtPath(blocked)), -1);
    expectCompletePortrait(report, stagedShare() / "kelvaro");
    EXPECT_EQ(readBytes(blocked), "x");
}

}  // namespace
}  // namespace kelvaro::test
