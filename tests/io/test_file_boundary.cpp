// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The file boundary: the path conversion, the regular-file and entry tests, reading regular
// files whole, and the reasons failures carry into messages.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "io/file_boundary.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

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

// One entry of each kind in a temporary folder.
struct Entries {
    Entries() {
        fs::create_directory(dir);
        fifoMade = ::mkfifo(fifo.c_str(), 0600) == 0;
        fs::create_symlink(folder.path() / "nowhere", dangling);
        fs::create_symlink(file, linked);
    }
    const TempFolder folder;
    const fs::path file = folder.writeFile("file", "bytes");  // a regular file
    const fs::path dir = folder.path() / "dir";
    const fs::path fifo = folder.path() / "fifo";
    const fs::path dangling = folder.path() / "dangling";  // a link to nothing
    const fs::path linked = folder.path() / "linked";      // a link to `file`
    bool fifoMade = false;
};

TEST(FileBoundary, EntriesAndRegularFilesAreToldApartWithoutOpeningThem) {
    const Entries e;
    ASSERT_TRUE(e.fifoMade);
    struct Row {
        fs::path path;
        bool entry, regular;
    };
    const Row rows[] = {{e.file, true, true},      {e.linked, true, true},
                        {e.dir, true, false},      {e.fifo, true, false},
                        {e.dangling, true, false}, {e.folder.path() / "missing", false, false}};
    for (const Row& row : rows) {
        EXPECT_EQ(entryExists(row.path), row.entry) << row.path;
        EXPECT_EQ(isRegularFile(row.path), row.regular) << row.path;
        QFile device;
        EXPECT_EQ(openRegularFile(row.path, device).ok, row.regular) << row.path;
        if (row.regular) {
            EXPECT_EQ(device.readAll(), "bytes");
        }
    }
}

TEST(FileBoundary, RegularFilesAreReadWholeOrSayWhyNot) {
    const Entries e;
    ASSERT_TRUE(e.fifoMade);
    struct Row {
        fs::path path;
        std::uintmax_t limit;
        std::string bytes;
        std::string reason;  // empty: read
    };
    const Row rows[] = {
        {e.file, 5, "bytes", ""},
        {e.linked, 1000, "bytes", ""},
        {e.file, 4, "", systemFailure(EFBIG).reason},
        {e.dir, 1000, "", systemFailure(EISDIR).reason},
        {e.fifo, 1000, "", std::string(kNotARegularFile)},
        {e.folder.path() / "missing", 1000, "", systemFailure(ENOENT).reason},
        {e.file / "inside", 1000, "", systemFailure(ENOTDIR).reason},
    };
    for (const Row& row : rows) {
        const FileBytes read = readRegularFile(row.path, row.limit);
        EXPECT_EQ(read.result.ok, row.reason.empty()) << row.path;
        EXPECT_EQ(read.result.reason, row.reason) << row.path;
        EXPECT_EQ(read.bytes, row.bytes) << row.path;
    }
    EXPECT_EQ(systemFailure(ENOENT).reason, std::strerror(ENOENT));
}

TEST(FileBoundary, FailureMessagesNameTheFileThenTheReason) {
    EXPECT_EQ(fileFailureMessage("保存に失敗しました", "/tmp/a.png", systemFailure(ENOSPC)),
              std::string("保存に失敗しました\n/tmp/a.png\n") + std::strerror(ENOSPC));
    EXPECT_EQ(fileFailureMessage("保存に失敗しました", "/tmp/a.png", {false, ""}),
              "保存に失敗しました\n/tmp/a.png");
}

}  // namespace
}  // namespace kelvaro
