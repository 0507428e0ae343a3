// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The single-instance lock: only a running copy blocks a start; whatever else is found at the
// lock's place is taken over or, when the lock cannot be taken, named in a warning while the
// program starts all the same.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSysInfo>
#include <cerrno>
#include <filesystem>
#include <string>

#include "app/instance_lock.h"
#include "io/file_boundary.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

const QString kAlreadyRunning = QStringLiteral("すでに起動されています");

TEST(InstanceLock, ASecondCopyIsRefusedUntilTheFirstEnds) {
    const TempFolder folder;
    const fs::path file = folder.path() / "kelvaro.lock";
    auto first = std::make_unique<InstanceLock>();
    ASSERT_EQ(first->acquire(file), LockResult::Acquired);
    InstanceLock second;
    EXPECT_EQ(second.acquire(file), LockResult::HeldByRunningCopy);
    InstanceLock other;
    EXPECT_EQ(other.acquire(folder.path() / "other.lock"), LockResult::Acquired);
    first.reset();
    EXPECT_FALSE(entryExists(file)) << "the lock's file goes with it";
    EXPECT_EQ(second.acquire(file), LockResult::Acquired);
}

// Whatever a copy that no longer runs left at the lock's place does not block the next start.
TEST(InstanceLock, ALockWithoutARunningOwnerIsTakenOver) {
    const std::string killedCopy = std::to_string(endedProcess()) + "\nkelvaro\n" +
                                   QSysInfo::machineHostName().toStdString() + "\n";
    struct Row {
        const char* name;
        std::string bytes;
        fs::perms mode;
    };
    const Row rows[] = {
        {"left by a killed copy", killedCopy, fs::perms(0644)},
        {"empty", "", fs::perms(0644)},
        {"garbage", std::string("\xff\x00zz\n-12\n", 9), fs::perms(0644)},
        {"naming this very process", std::to_string(::getpid()) + "\n", fs::perms(0644)},
        {"unreadable", "12\n", fs::perms(0)},
    };
    for (const Row& row : rows) {
        const TempFolder folder;
        handToUnprivilegedUser(folder.path());
        const fs::path file = folder.writeFile("kelvaro.lock", row.bytes);
        handToUnprivilegedUser(file);
        fs::permissions(file, row.mode);
        EXPECT_TRUE(runUnprivileged([&] {
            InstanceLock lock;
            return lock.acquire(file) == LockResult::Acquired && isRegularFile(file);
        })) << row.name;
    }
}

TEST(InstanceLock, ALockThatCannotBeTakenIsNoRunningCopy) {
    const TempFolder folder;
    handToUnprivilegedUser(folder.path());
    const fs::path dir = folder.path() / "dir.lock";
    fs::create_directory(dir);
    const fs::path readOnly = folder.path() / "read-only";
    fs::create_directory(readOnly);
    handToUnprivilegedUser(readOnly);
    fs::permissions(readOnly, fs::perms(0555));
    const fs::path missing = folder.path() / "missing" / "kelvaro.lock";
    EXPECT_TRUE(runUnprivileged([&] {
        InstanceLock a, b, c;
        return a.acquire(dir) == LockResult::Failed &&
               b.acquire(readOnly / "kelvaro.lock") == LockResult::Failed &&
               c.acquire(missing) == LockResult::Failed;
    }));
    EXPECT_TRUE(fs::is_directory(dir) && fs::is_empty(dir)) << "nothing is removed";
    fs::permissions(readOnly, fs::perms(0755));
}

TEST(InstanceLock, StartUpSaysWhatItFoundAndGoesOnUnlessACopyRuns) {
    const TempFolder folder;
    const fs::path file = folder.path() / "kelvaro.lock";
    const fs::path dir = folder.path() / "dir.lock";
    fs::create_directory(dir);
    InstanceLock running;
    ASSERT_EQ(running.acquire(file), LockResult::Acquired);
    struct Row {
        fs::path lockFile;
        bool startsUp;
        QString message;  // empty: none
    };
    const Row rows[] = {
        {folder.path() / "free.lock", true, {}},
        {file, false, kAlreadyRunning},
        {dir, true,
         QStringLiteral("二重起動を確かめるロックファイルを作成できませんでした\n") +
             toQtPath(dir) + "\n" + QString::fromStdString(systemFailure(EISDIR).reason)},
    };
    for (const Row& row : rows) {
        QStringList messages;
        InstanceLock lock;
        EXPECT_EQ(claimSingleInstance(lock, row.lockFile, [&](const QString& m) { messages << m; }),
                  row.startsUp)
            << row.lockFile;
        EXPECT_EQ(messages, row.message.isEmpty() ? QStringList() : QStringList{row.message})
            << row.lockFile;
    }
}

TEST(InstanceLock, TheLockLivesInTheRuntimeFolderUnderTheProgramsName) {
    const fs::path file = InstanceLock::pathFor(QStringLiteral("kelvaro"));
    EXPECT_EQ(file.filename(), "kelvaro.lock");
    EXPECT_TRUE(fs::is_directory(file.parent_path())) << file;
}

}  // namespace
}  // namespace kelvaro::test
