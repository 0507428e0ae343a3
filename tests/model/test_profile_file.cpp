// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The settings-file reader and writer against hand-written files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <string>

#include "model/profile_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

using namespace std::string_literals;
using test::FileSizeLimit;
using test::readBytes;
using test::TempFolder;

constexpr int kDefault = 77;

struct ReadCase {
    const char* name;
    std::string text;
    const char* section;
    const char* key;
    int expected;
};

TEST(ProfileFile, ReadsIntegersLikeThePrivateProfileFunctions) {
    const std::string binary = [] {
        std::string bytes;
        for (int i = 0; i < 512; ++i)
            bytes += static_cast<char>((i * 37 + 11) & 0xff);
        return bytes;
    }();
    const ReadCase cases[] = {
        {"empty text", "", "PartsNo", "face", kDefault},
        {"plain LF", "[PartsNo]\nface=12\n", "PartsNo", "face", 12},
        {"CRLF", "[PartsNo]\r\nneck=3\r\nface=12\r\n", "PartsNo", "face", 12},
        {"no final line end", "[PartsNo]\nface=8", "PartsNo", "face", 8},
        {"missing section", "[Other]\nface=12\n", "PartsNo", "face", kDefault},
        {"missing key", "[PartsNo]\nneck=12\n", "PartsNo", "face", kDefault},
        {"key of another section", "[Other]\nface=9\n[PartsNo]\nneck=1\n", "PartsNo", "face",
         kDefault},
        {"names ignore case", "[partsNO]\nFaCe=5\n", "PartsNo", "face", 5},
        {"blanks around everything", "  [ PartsNo ]  \n \t face \t=   42 \t\n", "PartsNo", "face",
         42},
        {"trailing text ignored", "[PartsNo]\nface=12abc\n", "PartsNo", "face", 12},
        {"digits then blank", "[PartsNo]\nface=7 8\n", "PartsNo", "face", 7},
        {"leading zeros", "[PartsNo]\nface=007\n", "PartsNo", "face", 7},
        {"minus one reads 0", "[PartsNo]\nface=-1\n", "PartsNo", "face", 0},
        {"negative after blanks", "[PartsNo]\nface=  -250\n", "PartsNo", "face", 0},
        {"letters read 0", "[PartsNo]\nface=abc\n", "PartsNo", "face", 0},
        {"plus sign is no digit", "[PartsNo]\nface=+5\n", "PartsNo", "face", 0},
        {"empty value reads 0", "[PartsNo]\nface=\n", "PartsNo", "face", 0},
        {"largest value", "[PartsNo]\nface=2147483647\n", "PartsNo", "face", INT_MAX},
        {"one past saturates", "[PartsNo]\nface=2147483648\n", "PartsNo", "face", INT_MAX},
        {"2^32 saturates", "[PartsNo]\nface=4294967296\n", "PartsNo", "face", INT_MAX},
        {"40 digits saturate", "[PartsNo]\nface=" + std::string(40, '9') + "\n", "PartsNo", "face",
         INT_MAX},
        {"first duplicate key wins", "[PartsNo]\nface=1\nface=2\n", "PartsNo", "face", 1},
        {"first duplicate section wins", "[PartsNo]\nface=1\n[PartsNo]\nface=2\nneck=3\n",
         "PartsNo", "neck", kDefault},
        {"comment is no key", "[PartsNo]\n;face=3\n", "PartsNo", "face", kDefault},
        {"header without bracket", "[PartsNo\nface=1\n", "PartsNo", "face", kDefault},
        {"blank inside key name", "[PartsNo]\nfa ce=1\n", "PartsNo", "face", kDefault},
        {"NUL after value", "[PartsNo]\nface=7\0junk\n"s, "PartsNo", "face", 7},
        {"NUL inside key name", "[PartsNo]\nfa\0ce=7\nface=4\n"s, "PartsNo", "face", 4},
        {"byte order mark", "\xEF\xBB\xBF[PartsNo]\nface=6\n", "PartsNo", "face", 6},
        {"binary garbage", binary, "PartsNo", "face", kDefault},
        {"binary then section", binary + "\n[PartsNo]\nface=4\n", "PartsNo", "face", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileFile::fromText(c.text).readInt(c.section, c.key, kDefault), c.expected)
            << c.name;
    }
}

struct WriteCase {
    const char* name;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

TEST(ProfileFile, WritesKeepingEveryOtherByte) {
    const WriteCase cases[] = {
        {"new file", "", "face", "3", "[PartsNo]\nface=3\n"},
        {"replace in place", "; top\n[PartsNo]\nneck=1\nface=2\n\n[Other]\nface=5\n", "face", "9",
         "; top\n[PartsNo]\nneck=1\nface=9\n\n[Other]\nface=5\n"},
        {"replace keeps spelling and CRLF", "[PARTSNO]\r\n  Face = 2  \r\nneck=1\r\n", "face", "10",
         "[PARTSNO]\r\n  Face = 10\r\nneck=1\r\n"},
        {"replace empty value", "[PartsNo]\nface=\nneck=1\n", "face", "-1",
         "[PartsNo]\nface=-1\nneck=1\n"},
        {"replace first duplicate only", "[PartsNo]\nface=1\nface=2\n", "face", "9",
         "[PartsNo]\nface=9\nface=2\n"},
        {"append after last key of section", "[PartsNo]\nface=1\n\n; about other\n[Other]\nk=v\n",
         "neck", "4", "[PartsNo]\nface=1\nneck=4\n\n; about other\n[Other]\nk=v\n"},
        {"append into section without keys", "[PartsNo]\n; none yet\n[Other]\n", "neck", "4",
         "[PartsNo]\nneck=4\n; none yet\n[Other]\n"},
        {"append after unterminated last line", "[PartsNo]\nface=1", "neck", "4",
         "[PartsNo]\nface=1\nneck=4\n"},
        {"append with CRLF", "[PartsNo]\r\nface=1\r\n[Other]\r\nk=v\r\n", "neck", "4",
         "[PartsNo]\r\nface=1\r\nneck=4\r\n[Other]\r\nk=v\r\n"},
        {"create section at end, CRLF", "[Other]\r\nneck=1\r\n", "neck", "4",
         "[Other]\r\nneck=1\r\n[PartsNo]\r\nneck=4\r\n"},
        {"create section after unterminated line", "; only a comment", "neck", "4",
         "; only a comment\n[PartsNo]\nneck=4\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[PartsNo]\r\nface=1\r\n", "neck", "4",
         "\xEF\xBB\xBF[PartsNo]\r\nface=1\r\nneck=4\r\n"},
        {"NUL bytes kept", "[PartsNo]\n;\0\x01\xff\nface=1\n"s, "face", "2",
         "[PartsNo]\n;\0\x01\xff\nface=2\n"s},
    };
    for (const auto& c : cases) {
        ProfileFile profile = ProfileFile::fromText(c.before);
        profile.writeString("PartsNo", c.key, c.value);
        EXPECT_EQ(profile.text(), c.after) << c.name;
    }
}

TEST(ProfileFile, LoadsFilesFromDisk) {
    const TempFolder folder;
    const std::string crlf = "; settings\r\n[PartsNo]\r\nface=31\r\n";
    const auto file = folder.writeFile("a.ini", crlf);
    const ProfileFile loaded = ProfileFile::load(file);
    EXPECT_EQ(loaded.text(), crlf);
    EXPECT_EQ(loaded.readInt("PartsNo", "face", kDefault), 31);

    const ProfileFile missing = ProfileFile::load(folder.path() / "none.ini");
    EXPECT_EQ(missing.text(), "");
    EXPECT_EQ(missing.readInt("PartsNo", "face", kDefault), kDefault);
    EXPECT_TRUE(missing.save(folder.path() / "none.ini"));
    EXPECT_EQ(readBytes(folder.path() / "none.ini"), "");
}

// A file that exists but cannot be read reads as empty and is never overwritten.
TEST(ProfileFile, UnreadableFilesReadEmptyAndAreNotReplaced) {
    const TempFolder folder;
    const std::string huge =
        "[PartsNo]\nface=5\n" + std::string(static_cast<std::size_t>(kProfileSizeLimit), ';');
    const auto hugeFile = folder.writeFile("huge.ini", huge);
    const auto dir = folder.path() / "dir.ini";
    std::filesystem::create_directory(dir);
    const auto fifo = folder.path() / "fifo.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    for (const auto& path : {hugeFile, dir, fifo}) {
        ProfileFile profile = ProfileFile::load(path);
        EXPECT_EQ(profile.readInt("PartsNo", "face", kDefault), kDefault) << path;
        profile.writeString("PartsNo", "face", "1");
        EXPECT_FALSE(profile.save(path)) << path;
    }
    EXPECT_EQ(readBytes(hugeFile), huge);
    EXPECT_TRUE(std::filesystem::is_directory(dir));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST(ProfileFile, SavesExactBytesAndReplacesTheOldFile) {
    const TempFolder folder;
    const auto file = folder.writeFile("s.ini", "[PartsNo]\r\nface=1\r\n");
    ProfileFile profile = ProfileFile::load(file);
    profile.writeString("PartsNo", "neck", "2");
    ASSERT_TRUE(profile.save(file));
    EXPECT_EQ(readBytes(file), "[PartsNo]\r\nface=1\r\nneck=2\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(ProfileFile, SaveWritesThroughLinksAndKeepsPermissions) {
    const TempFolder folder;
    const auto real = folder.writeFile("real.ini", "[PartsNo]\nface=1\n");
    std::filesystem::permissions(real, std::filesystem::perms(0640));
    const auto link = folder.path() / "link.ini";
    std::filesystem::create_symlink(real, link);
    ProfileFile profile = ProfileFile::load(link);
    profile.writeString("PartsNo", "face", "2");
    ASSERT_TRUE(profile.save(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), "[PartsNo]\nface=2\n");
    EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640));
}

TEST(ProfileFile, SaveIntoAFileAsFolderFails) {
    const TempFolder folder;
    const auto notAFolder = folder.writeFile("plain", "x");
    EXPECT_FALSE(ProfileFile::fromText("[PartsNo]\nface=1\n").save(notAFolder / "s.ini"));
    EXPECT_EQ(readBytes(notAFolder), "x");
}

TEST(ProfileFile, FailedWriteLeavesTheOldFileWhole) {
    const TempFolder folder;
    const std::string old = "; keep me\n[PartsNo]\nface=1\n";
    const auto file = folder.writeFile("s.ini", old);
    ProfileFile profile = ProfileFile::load(file);
    profile.writeString("Other", "long", std::string(8192, 'x'));
    bool saved = true;
    {
        const FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        saved = profile.save(file).ok;
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(readBytes(file), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace kelvaro
