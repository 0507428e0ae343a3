// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Temporary files a killed copy left: their names, and their removal the first time a run writes
// into their folder, whatever file they were made for; later writes into that folder leave the
// folder unread.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "io/file_writer.h"
#include "io/temporary_names.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(StaleTemporaries, TemporaryFilesOfKilledCopiesAreRemovedAtTheFirstWriteIntoTheFolder) {
    const TempFolder folder;
    const fs::path file = folder.writeFile("Kelvaro.ini", "old");
    const pid_t ended = endedProcess();
    const std::vector<std::string> stale = {
        temporaryName("Kelvaro.ini", ended, 1),  temporaryName("Kelvaro.ini", ended, 7),
        temporaryName("other.ini", ended, 1),     // made for another file
        temporaryName("portrait.png", ended, 2),  // for a file that is not there any more
        temporaryName("a.1.2", ended, 3),         // a name with dots and digits of its own
    };
    const std::vector<std::string> kept = {
        temporaryName("Kelvaro.ini", ::getpid(), 3),   // this process is writing it
        temporaryName("Kelvaro.ini", ::getppid(), 2),  // a running process
        temporaryName("other.ini", ::getppid(), 5),
        ".Kelvaro.ini.notes.tmp",  // not of the writer's naming
        ".Kelvaro.ini.12.x.tmp",
        "Kelvaro.ini.12.3.tmp",
    };
    for (const std::string& name : stale)
        folder.writeFile(name, "half written");
    for (const std::string& name : kept)
        folder.writeFile(name, "someone's");
    const std::string staleFolder = temporaryName("x.png", ended, 9);  // a folder is no leftover
    fs::create_directory(folder.path() / staleFolder);

    ASSERT_TRUE(replaceFileAtomically(file, "new"));
    EXPECT_EQ(readBytes(file), "new");
    std::vector<std::string> expected = kept;
    expected.push_back("Kelvaro.ini");
    expected.push_back(staleFolder);
    EXPECT_EQ(namesIn(folder.path()), sorted(expected));
}

// A run reads a folder for leftovers once: one left after its first write into that folder stays
// (it is removed at the next run), whatever spelling of the folder the later writes use, while
// the first write into another folder, or into one that could not be read before, removes them.
TEST(StaleTemporaries, AFolderIsCleanedAtTheFirstWriteOfARunOnly) {
    const TempFolder top;
    const fs::path seen = top.path() / "seen";
    fs::create_directory(seen);
    ASSERT_TRUE(replaceFileAtomically(seen / "a.png", "first"));
    const pid_t ended = endedProcess();
    const std::string later = temporaryName("a.png", ended, 1);
    const std::string other = temporaryName("b.png", ended, 1);
    top.writeFile(fs::path("seen") / later, "left after the first write");
    top.writeFile(fs::path("seen") / other, "left after the first write");
    const fs::path spellings[] = {seen / "a.png", seen / "." / "b.png",
                                  top.path() / "." / "seen" / "sub" / ".." / "c.png"};
    fs::create_directory(seen / "sub");
    for (const fs::path& file : spellings)
        ASSERT_TRUE(replaceFileAtomically(file, "again")) << file;
    EXPECT_EQ(namesIn(seen), sorted({"a.png", "b.png", "c.png", later, other, "sub"}));

    const fs::path fresh = top.path() / "fresh";
    EXPECT_FALSE(replaceFileAtomically(fresh / "a.png", "x"));  // no folder to read yet
    top.writeFile(fs::path("fresh") / later, "left by a killed copy");
    ASSERT_TRUE(replaceFileAtomically(fresh / "a.png", "new"));
    EXPECT_EQ(namesIn(fresh), std::vector<std::string>{"a.png"});
}

// kelvaro-render writes from several threads: every folder is cleaned, none of the files written
// at the same time is lost.
TEST(StaleTemporaries, ThreadsWritingIntoNewFoldersAtOnceCleanEachFolder) {
    const TempFolder top;
    const pid_t ended = endedProcess();
    const std::string folders[] = {"a", "b", "c", "d"};
    for (const std::string& folder : folders) {
        top.writeFile(fs::path(folder) / temporaryName("0.png", ended, 1), "stale");
        top.writeFile(fs::path(folder) / temporaryName("gone.png", ended, 2), "stale");
        top.writeFile(fs::path(folder) / temporaryName("gone.png", ::getppid(), 2), "running");
    }
    constexpr int kThreads = 4;
    constexpr int kFilesEach = 6;
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([&, thread] {
            for (int n = 0; n < kFilesEach; ++n) {
                for (const std::string& folder : folders) {
                    const std::string name = std::to_string(thread * kFilesEach + n) + ".png";
                    (void)replaceFileAtomically(top.path() / folder / name, folder + name);
                }
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (const std::string& folder : folders) {
        std::vector<std::string> expected = {temporaryName("gone.png", ::getppid(), 2)};
        for (int n = 0; n < kThreads * kFilesEach; ++n) {
            const std::string name = std::to_string(n) + ".png";
            expected.push_back(name);
            EXPECT_EQ(readBytes(top.path() / folder / name), folder + name);
        }
        EXPECT_EQ(namesIn(top.path() / folder), sorted(expected)) << folder;
    }
}

TEST(StaleTemporaries, TemporaryNamesNameTheirTargetAndProcess) {
    EXPECT_EQ(temporaryName("Kelvaro.ini", 4321, 5), ".Kelvaro.ini.4321.5.tmp");
    EXPECT_EQ(temporaryName("a.1.2", 7, 0), ".a.1.2.7.0.tmp");
    struct Row {
        const char* name;
        std::optional<TemporaryMarks> marks;
    };
    const Row rows[] = {
        {".Kelvaro.ini.4321.5.tmp", TemporaryMarks{"Kelvaro.ini", 4321}},
        {".kelvaro.ini.4321.5.tmp", TemporaryMarks{"kelvaro.ini", 4321}},
        {".a.1.2.7.0.tmp", TemporaryMarks{"a.1.2", 7}},
        {".x.8.9.tmp", TemporaryMarks{"x", 8}},
        {".Kelvaro.ini.4321.tmp", std::nullopt},
        {".Kelvaro.ini.-4.5.tmp", std::nullopt},
        {".Kelvaro.ini.0.5.tmp", std::nullopt},
        {".Kelvaro.ini.4321.5.tmp.bak", std::nullopt},
        {"Kelvaro.ini.4321.5.tmp", std::nullopt},
        {".Kelvaro.ini.99999999999.5.tmp", std::nullopt},
        {".Kelvaro.ini.12.x.tmp", std::nullopt},
        {"..8.9.tmp", std::nullopt},
        {".8.9.tmp", std::nullopt},
        {".tmp", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(temporaryMarks(row.name), row.marks) << row.name;
}

}  // namespace
}  // namespace kelvaro::test
