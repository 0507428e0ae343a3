// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The recovery folder: where it is, which files belong to editors that are gone (newest first),
// how given-up files are kept, and the writer thread's file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "io/recovery_folder.h"
#include "io/recovery_writer.h"
#include "tests/support/environment_value.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

TEST(RecoveryFolder, FolderFollowsXdgStateHome) {
    struct Row {
        const char* state;
        const char* home;
        fs::path expected;
    };
    const Row rows[] = {
        {"/tmp/stan", "/home/ala", "/tmp/stan/kelvaro/recovery"},
        {nullptr, "/home/ala", "/home/ala/.local/state/kelvaro/recovery"},
        {"", "/home/ala", "/home/ala/.local/state/kelvaro/recovery"},
        {"relative/state", "/home/ala", "/home/ala/.local/state/kelvaro/recovery"},
    };
    for (const Row& row : rows) {
        const EnvironmentValue state("XDG_STATE_HOME", row.state);
        const EnvironmentValue home("HOME", row.home);
        EXPECT_EQ(defaultRecoveryFolder(), row.expected) << (row.state ? row.state : "unset");
    }
}

// Writes `name` in `folder` with a modification time `age` seconds in the past.
fs::path writeAged(const TempFolder& folder, const std::string& name, int age) {
    const fs::path file = folder.writeFile(name, name);
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::seconds(age));
    return file;
}

TEST(RecoveryFolder, OrphansAreTheFilesOfGoneEditorsNewestFirst) {
    TempFolder folder;
    const fs::path old = writeAged(folder, "kelvaro-1-1.recovery", 30);
    writeAged(folder, "kelvaro-1-1.lock", 30);
    const fs::path newer = writeAged(folder, "kelvaro-2-2.recovery", 10);
    writeAged(folder, "kelvaro-3-3.lock", 5);  // a gone editor that never wrote
    writeAged(folder, "notes.txt", 1);
    const RecoveryClaim running(folder.path());
    ASSERT_TRUE(running.failure());
    writeAged(folder, running.file().filename().string(), 0);
    EXPECT_EQ(orphanedRecoveryFiles(folder.path()), (std::vector<fs::path>{newer, old}));
    const std::string own = running.file().stem().string();
    std::vector<std::string> left{"kelvaro-1-1.lock",     "kelvaro-1-1.recovery",
                                  "kelvaro-2-2.recovery", own + ".lock",
                                  own + ".recovery",      "notes.txt"};
    std::sort(left.begin(), left.end());
    EXPECT_EQ(namesIn(folder.path()), left);
}

TEST(RecoveryFolder, DiscardedKeepsTheNewestTen) {
    TempFolder folder;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "kelvaro-" + std::to_string(i) + "-0";
        writeAged(folder, name + ".lock", 100 - i);
        const fs::path file = writeAged(folder, name + ".recovery", 100 - i);
        ASSERT_TRUE(discardRecoveryFile(folder.path(), file)) << i;
    }
    std::vector<std::string> kept;
    for (int i = 2; i < 12; ++i)
        kept.push_back("kelvaro-" + std::to_string(i) + "-0.recovery");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(namesIn(folder.path() / "discarded"), kept);
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"discarded"}));
}

TEST(RecoveryWriter, FileHoldsTheLastTextAndGoesOnRemoval) {
    TempFolder folder;
    const fs::path file = folder.path() / "a.recovery";
    std::vector<std::string> failures;
    RecoveryWriter writer(file, [&](const FileResult& f) { failures.push_back(f.reason); });
    struct Row {
        std::vector<std::string> texts;  // handed over one after another; empty: remove
        std::optional<std::string> bytes;
    };
    const Row rows[] = {
        {{"first"}, "first"},   {{"second", "third", "fourth"}, "fourth"},
        {{""}, std::nullopt},   {{"again", ""}, std::nullopt},
        {{"", "last"}, "last"},
    };
    for (const Row& row : rows) {
        for (const std::string& text : row.texts)
            text.empty() ? writer.remove() : writer.write(text);
        writer.flush();
        EXPECT_EQ(fs::exists(file) ? std::optional(readBytes(file)) : std::nullopt, row.bytes);
    }
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"a.recovery"}));
    EXPECT_TRUE(failures.empty());
}

TEST(RecoveryWriter, FailureIsReportedWithItsReason) {
    TempFolder folder;
    std::vector<std::string> failures;
    RecoveryWriter writer(folder.path() / "missing" / "a.recovery",
                          [&](const FileResult& f) { failures.push_back(f.reason); });
    writer.write("text");
    writer.flush();
    EXPECT_EQ(failures, (std::vector<std::string>{systemFailure(ENOENT).reason}));
}

}  // namespace
}  // namespace kelvaro::test
