// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The writers: the atomic one with its rules for read-only files, unwritable folders, links and
// the reasons of its failures; the settings file's writer, which alone rewrites a file in place.
// Leftover temporary files are tested in test_stale_temporaries.cpp.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "io/file_writer.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::namesIn;
using test::readBytes;
using test::TempFolder;

fs::perms modeOf(const fs::path& file) {
    return fs::status(file).permissions();
}

TEST(FileWriter, AFileWithoutWritePermissionIsNotReplaced) {
    const TempFolder folder;
    for (const auto mode : {fs::perms(0444), fs::perms(0400), fs::perms(0555)}) {
        const fs::path file = folder.writeFile("protected.ini", "kept");
        fs::permissions(file, mode);
        EXPECT_FALSE(replaceFileAtomically(file, "new")) << static_cast<int>(mode);
        EXPECT_EQ(readBytes(file), "kept");
        EXPECT_EQ(modeOf(file), mode);
        EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"protected.ini"});
        fs::remove(file);
    }
}

TEST(FileWriter, TargetsThatAreNoRegularFileAreRefused) {
    const TempFolder folder;
    const fs::path dir = folder.path() / "dir.ini";
    fs::create_directory(dir);
    const fs::path fifo = folder.path() / "fifo.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path loop = folder.path() / "loop.ini";
    fs::create_symlink(loop, loop);
    for (const fs::path& target : {dir, fifo, loop, folder.path() / "", fs::path()})
        EXPECT_FALSE(replaceFileAtomically(target, "x")) << target;
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"dir.ini", "fifo.ini", "loop.ini"}));
}

TEST(FileWriter, LinksAreWrittenThroughAlsoWhenDangling) {
    const TempFolder folder;
    fs::create_directory(folder.path() / "real");
    const fs::path target = folder.path() / "real" / "Kelvaro.ini";
    const fs::path link = folder.path() / "Kelvaro.ini";
    fs::create_symlink(fs::path("real") / "Kelvaro.ini", link);  // relative, nothing there yet
    const fs::path chain = folder.path() / "chain.ini";
    fs::create_symlink(link, chain);

    ASSERT_TRUE(replaceFileAtomically(link, "first"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(target), "first");
    ASSERT_TRUE(replaceFileAtomically(chain, "second"));
    EXPECT_TRUE(fs::is_symlink(chain));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readBytes(target), "second");
    EXPECT_EQ(namesIn(folder.path() / "real"), std::vector<std::string>{"Kelvaro.ini"});
}

// Both writers refuse the same targets for the same reasons: where a temporary file can be made
// beside the target, the settings writer writes nothing in place either.
TEST(FileWriter, FailuresSayWhy) {
    const TempFolder folder;
    const fs::path readOnly = folder.writeFile("read-only.png", "kept");
    fs::permissions(readOnly, fs::perms(0444));
    const fs::path plain = folder.writeFile("plain", "x");
    fs::create_directory(folder.path() / "dir.png");
    ASSERT_EQ(::mkfifo((folder.path() / "fifo.png").c_str(), 0600), 0);
    fs::create_symlink(folder.path() / "loop.png", folder.path() / "loop.png");
    struct Row {
        fs::path target;
        std::string reason;
    };
    const Row rows[] = {
        {readOnly, systemFailure(EACCES).reason},
        {folder.path() / "dir.png", systemFailure(EISDIR).reason},
        {folder.path() / "fifo.png", std::string(kNotARegularFile)},
        {folder.path() / "loop.png", systemFailure(ELOOP).reason},
        {folder.path() / "missing" / "a.png", systemFailure(ENOENT).reason},
        {plain / "a.png", systemFailure(ENOTDIR).reason},
        {folder.path() / std::string(300, 'n'), systemFailure(ENAMETOOLONG).reason},
        {fs::path(), systemFailure(ENOENT).reason},
    };
    for (const auto writer : {replaceFileAtomically, replaceFileOrRewriteInPlace}) {
        for (const Row& row : rows) {
            const FileResult result = writer(row.target, "new");
            EXPECT_FALSE(result.ok) << row.target;
            EXPECT_EQ(result.reason, row.reason) << row.target;
        }
    }
    EXPECT_EQ(readBytes(readOnly), "kept");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"dir.png", "fifo.png", "loop.png",
                                                                "plain", "read-only.png"}));
    const FileResult written = replaceFileAtomically(folder.path() / "new.png", "new");
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(written.reason, "");
}

TEST(FileWriter, AReplacedFileKeepsItsPermissionsAndSplitsFromItsHardLinks) {
    const TempFolder folder;
    const fs::path file = folder.writeFile("s.ini", "old");
    fs::permissions(file, fs::perms(0604));
    const fs::path other = folder.path() / "other-name.ini";
    fs::create_hard_link(file, other);
    ASSERT_TRUE(replaceFileAtomically(file, "new"));
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(modeOf(file), fs::perms(0604));
    // The name written gets the new file; another name of the old file keeps the old bytes.
    EXPECT_EQ(readBytes(other), "old");
    EXPECT_EQ(fs::hard_link_count(file), 1u);
}

TEST(FileWriter, AReplacedFileKeepsItsOwnerWhereTheSystemAllows) {
    if (!test::runningAsRoot())
        GTEST_SKIP() << "only root may give a file to another user";
    const TempFolder folder;
    const fs::path file = folder.writeFile("owned.ini", "old");
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(replaceFileAtomically(file, "new"));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
}

// A writable file in a folder its user may not write, where no temporary file can be made beside
// it: the atomic writer refuses and says why, leaving the file byte for byte; the settings writer
// writes it in place. A full disk still leaves its old content whole.
TEST(FileWriter, AWritableFileInAnUnwritableFolderIsWrittenInPlace) {
    const TempFolder top;
    test::handToUnprivilegedUser(top.path());
    const fs::path file = top.writeFile("locked/Kelvaro.ini", std::string(100, 'o'));
    const fs::path folder = file.parent_path();
    for (const fs::path& p : {folder, file})
        test::handToUnprivilegedUser(p);
    fs::permissions(file, fs::perms(0640));
    fs::permissions(folder, fs::perms(0555));

    EXPECT_TRUE(test::runUnprivileged([&] {
        const FileResult atomic = replaceFileAtomically(file, "short");
        return !atomic.ok && atomic.reason == systemFailure(EACCES).reason &&
               readBytes(file) == std::string(100, 'o');
    }));
    const std::string longer(300, 'l');
    EXPECT_TRUE(test::runUnprivileged([&] {
        // A new file cannot be made here, nor can the old one be renamed over.
        return !replaceFileOrRewriteInPlace(folder / "new.ini", "x") &&
               replaceFileOrRewriteInPlace(file, "short") && readBytes(file) == "short" &&
               replaceFileOrRewriteInPlace(file, longer) && readBytes(file) == longer;
    }));
    EXPECT_TRUE(test::runUnprivileged([&] {
        const test::FileSizeLimit fullDisk(200);
        return fullDisk.active() && !replaceFileOrRewriteInPlace(file, std::string(400, 'x'));
    }));
    EXPECT_EQ(readBytes(file), longer);
    EXPECT_EQ(modeOf(file), fs::perms(0640));
    fs::permissions(folder, fs::perms(0755));
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"Kelvaro.ini"});
}

// A small file system of its own, filled up, stands for a full disk.
class FullDisk {
public:
    // Mounts a 64 KiB tmpfs on `folder`, made first when missing.
    explicit FullDisk(const fs::path& folder) : m_folder(folder) {
        fs::create_directory(folder);
        m_mounted = ::mount("kelvaro-test", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    // Unmounts it, with whatever it holds.
    ~FullDisk() {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    // False where the file system could not be mounted (not root, no tmpfs).
    bool mounted() const { return m_mounted; }
    // Takes every free block.
    void fill() const {
        const int fd = ::open((m_folder / "filler").c_str(), O_WRONLY | O_CREAT, 0600);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        const std::string byte(1, 'f');
        while (::write(fd, byte.data(), 1) > 0) {
        }
        ::close(fd);
    }

private:
    fs::path m_folder;
    bool m_mounted = false;
};

// On a full disk the temporary copy has no room: the atomic writer says so and keeps the old
// file; the settings writer writes the file itself with bytes that need no more space than it
// holds, as a plain write would, and refuses to grow it without harm.
TEST(FileWriter, AFullDiskStillTakesAWriteThatNeedsNoMoreRoom) {
    const TempFolder top;
    const FullDisk disk(top.path() / "disk");
    if (!disk.mounted())
        GTEST_SKIP() << "a small file system cannot be mounted here";
    const fs::path file = top.path() / "disk" / "Kelvaro.ini";
    ASSERT_TRUE(replaceFileOrRewriteInPlace(file, std::string(20000, 'o')));
    disk.fill();
    const FileResult atomic = replaceFileAtomically(file, std::string(20000, 'n'));
    EXPECT_FALSE(atomic.ok);
    EXPECT_EQ(atomic.reason, systemFailure(ENOSPC).reason);
    EXPECT_EQ(readBytes(file), std::string(20000, 'o'));
    EXPECT_TRUE(replaceFileOrRewriteInPlace(file, std::string(20000, 'n')));
    EXPECT_EQ(readBytes(file), std::string(20000, 'n'));
    EXPECT_TRUE(replaceFileOrRewriteInPlace(file, "short"));
    EXPECT_EQ(readBytes(file), "short");
    EXPECT_FALSE(replaceFileOrRewriteInPlace(file, std::string(60000, 'g')));
    EXPECT_EQ(readBytes(file), "short");
    EXPECT_EQ(namesIn(top.path() / "disk"), (std::vector<std::string>{"Kelvaro.ini", "filler"}));
}

}  // namespace
}  // namespace kelvaro
