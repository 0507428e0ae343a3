// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The file boundary: the path conversion, the regular-file and entry tests, and the one writer
// with its rules for read-only files, unwritable folders, links and leftover temporary files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <filesystem>
#include <string>
#include <vector>

#include "imaging/file_boundary.h"
#include "imaging/temporary_names.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempFolder;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::perms modeOf(const fs::path& file) {
    return fs::status(file).permissions();
}

// UTF-16 code units as they are, lone surrogates included.
QString units(std::u16string_view text) {
    return QStringView(text.data(), static_cast<qsizetype>(text.size())).toString();
}

TEST(FileBoundary, PathsKeepEveryByteOnTheWayToQtAndBack) {
    struct Row {
        std::string bytes;
        QString text;  // as Qt is given the name
    };
    const Row rows[] = {
        {"/tmp/plain/portrait.png", QStringLiteral("/tmp/plain/portrait.png")},
        {"/tmp/zdj\xc4\x99\x63ie", QStringLiteral("/tmp/zdjęcie")},
        {"\xe7\x94\xbb\xe5\x83\x8f.bmp", QStringLiteral("画像.bmp")},
        {"\xf0\x9f\x98\x80", units(u"\xd83d\xde00")},
        {"\xef\xbb\xbfname", units(u"\xfeffname")},  // a byte order mark is a character here
        {"a\xff"
         "b",
         units(u"a\xdcff"
               u"b")},                                             // not UTF-8
        {"\xc4", units(u"\xdcc4")},                                // a sequence cut short
        {"\xc0\xaf", units(u"\xdcc0\xdcaf")},                      // an overlong '/'
        {"\xed\xa0\x80", units(u"\xdced\xdca0\xdc80")},            // an encoded surrogate
        {"\xf4\x90\x80\x80", units(u"\xdcf4\xdc90\xdc80\xdc80")},  // past U+10FFFF
    };
    for (const Row& row : rows) {
        const QString text = toQtPath(fs::path(row.bytes));
        EXPECT_EQ(text, row.text) << row.bytes;
        EXPECT_EQ(toPath(text).native(), row.bytes) << row.bytes;
    }
    // A lone surrogate that is no escaped byte names what Qt would write for it.
    EXPECT_EQ(toPath(units(u"x\xd800y")).native(), "x\xef\xbf\xbdy");
}

TEST(FileBoundary, EntriesAndRegularFilesAreToldApartWithoutOpeningThem) {
    const TempFolder folder;
    const fs::path file = folder.writeFile("file", "bytes");
    const fs::path dir = folder.path() / "dir";
    fs::create_directory(dir);
    const fs::path fifo = folder.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path dangling = folder.path() / "dangling";
    fs::create_symlink(folder.path() / "nowhere", dangling);
    const fs::path linked = folder.path() / "linked";
    fs::create_symlink(file, linked);
    struct Row {
        fs::path path;
        bool entry, regular;
    };
    const Row rows[] = {{file, true, true},      {linked, true, true},
                        {dir, true, false},      {fifo, true, false},
                        {dangling, true, false}, {folder.path() / "missing", false, false}};
    for (const Row& row : rows) {
        EXPECT_EQ(entryExists(row.path), row.entry) << row.path;
        EXPECT_EQ(isRegularFile(row.path), row.regular) << row.path;
        QFile device;
        EXPECT_EQ(openRegularFile(row.path, device), row.regular) << row.path;
        if (row.regular) {
            EXPECT_EQ(device.readAll(), "bytes");
        }
    }
}

TEST(FileBoundary, AFileWithoutWritePermissionIsNotReplaced) {
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

TEST(FileBoundary, TargetsThatAreNoRegularFileAreRefused) {
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

TEST(FileBoundary, LinksAreWrittenThroughAlsoWhenDangling) {
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

TEST(FileBoundary, AReplacedFileKeepsItsPermissionsAndSplitsFromItsHardLinks) {
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

TEST(FileBoundary, AReplacedFileKeepsItsOwnerWhereTheSystemAllows) {
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

// A writable file in a folder its user may not write: no temporary file can be made beside it,
// so the file is written in place. A full disk still leaves its old content whole.
TEST(FileBoundary, AWritableFileInAnUnwritableFolderIsWrittenInPlace) {
    const TempFolder top;
    test::handToUnprivilegedUser(top.path());
    const fs::path file = top.writeFile("locked/Kelvaro.ini", std::string(100, 'o'));
    const fs::path folder = file.parent_path();
    for (const fs::path& p : {folder, file})
        test::handToUnprivilegedUser(p);
    fs::permissions(file, fs::perms(0640));
    fs::permissions(folder, fs::perms(0555));

    const std::string longer(300, 'l');
    EXPECT_TRUE(test::runUnprivileged([&] {
        // A new file cannot be made here, nor can the old one be renamed over.
        return !replaceFileAtomically(folder / "new.ini", "x") &&
               replaceFileAtomically(file, "short") && readBytes(file) == "short" &&
               replaceFileAtomically(file, longer) && readBytes(file) == longer;
    }));
    EXPECT_TRUE(test::runUnprivileged([&] {
        const test::FileSizeLimit fullDisk(200);
        return fullDisk.active() && !replaceFileAtomically(file, std::string(400, 'x'));
    }));
    EXPECT_EQ(readBytes(file), longer);
    EXPECT_EQ(modeOf(file), fs::perms(0640));
    fs::permissions(folder, fs::perms(0755));
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"Kelvaro.ini"});
}

// A small file system of its own, filled up, stands for a full disk.
class FullDisk {
public:
    explicit FullDisk(const fs::path& folder) : m_folder(folder) {
        fs::create_directory(folder);
        m_mounted = ::mount("kelvaro-test", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk() {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
    }
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

// On a full disk the temporary copy has no room; the file itself still takes bytes that need no
// more space than it holds, as a plain write would, and refuses to grow without harm.
TEST(FileBoundary, AFullDiskStillTakesAWriteThatNeedsNoMoreRoom) {
    const TempFolder top;
    const FullDisk disk(top.path() / "disk");
    if (!disk.mounted())
        GTEST_SKIP() << "a small file system cannot be mounted here";
    const fs::path file = top.path() / "disk" / "Kelvaro.ini";
    ASSERT_TRUE(replaceFileAtomically(file, std::string(20000, 'o')));
    disk.fill();
    EXPECT_TRUE(replaceFileAtomically(file, std::string(20000, 'n')));
    EXPECT_EQ(readBytes(file), std::string(20000, 'n'));
    EXPECT_TRUE(replaceFileAtomically(file, "short"));
    EXPECT_EQ(readBytes(file), "short");
    EXPECT_FALSE(replaceFileAtomically(file, std::string(60000, 'g')));
    EXPECT_EQ(readBytes(file), "short");
    EXPECT_EQ(namesIn(top.path() / "disk"), (std::vector<std::string>{"Kelvaro.ini", "filler"}));
}

TEST(FileBoundary, TemporaryFilesOfKilledCopiesAreRemovedAtTheNextWrite) {
    const TempFolder folder;
    const fs::path file = folder.writeFile("Kelvaro.ini", "old");
    const pid_t ended = test::endedProcess();
    const auto leftover = [&](pid_t process, unsigned n) {
        return temporaryName("Kelvaro.ini", process, n);
    };
    const std::vector<std::string> stale = {leftover(ended, 1), leftover(ended, 7)};
    const std::vector<std::string> kept = {
        leftover(::getpid(), 3),               // this process is writing it
        leftover(::getppid(), 2),              // a running process
        temporaryName("other.ini", ended, 1),  // made for another file
        ".Kelvaro.ini.notes.tmp",              // not of the writer's naming
        ".Kelvaro.ini.12.x.tmp",
    };
    for (const std::string& name : stale)
        folder.writeFile(name, "half written");
    for (const std::string& name : kept)
        folder.writeFile(name, "someone's");
    const std::string staleFolder = leftover(ended, 9);  // a folder of that name is no leftover
    fs::create_directory(folder.path() / staleFolder);

    ASSERT_TRUE(replaceFileAtomically(file, "new"));
    EXPECT_EQ(readBytes(file), "new");
    std::vector<std::string> expected = kept;
    expected.push_back("Kelvaro.ini");
    expected.push_back(staleFolder);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(folder.path()), expected);
}

TEST(FileBoundary, TemporaryNamesNameTheirTargetAndProcess) {
    EXPECT_EQ(temporaryName("Kelvaro.ini", 4321, 5), ".Kelvaro.ini.4321.5.tmp");
    struct Row {
        const char* name;
        std::optional<pid_t> owner;
    };
    const Row rows[] = {
        {".Kelvaro.ini.4321.5.tmp", 4321},
        {".Kelvaro.ini.4321.tmp", std::nullopt},
        {".Kelvaro.ini.-4.5.tmp", std::nullopt},
        {".Kelvaro.ini.0.5.tmp", std::nullopt},
        {".Kelvaro.ini.4321.5.tmp.bak", std::nullopt},
        {"Kelvaro.ini.4321.5.tmp", std::nullopt},
        {".kelvaro.ini.4321.5.tmp", std::nullopt},
        {".Kelvaro.ini.99999999999.5.tmp", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(temporaryOwner(row.name, "Kelvaro.ini"), row.owner) << row.name;
}

}  // namespace
}  // namespace kelvaro
