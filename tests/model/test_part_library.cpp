// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Counting and loading parts from a hand-made picture folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QByteArray>
#include <QtEndian>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "imaging/codec.h"
#include "model/part_library.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::writeArgbPng;
using test::writeSolidPart;

constexpr Argb kDummyColour = 0xff102030;
constexpr Argb kPartColour = 0xff405060;

// Empty files picture/face/NNN.png for each number: counting never decodes.
void touchFaceParts(const TempFolder& folder, std::initializer_list<int> numbers) {
    for (const int n : numbers)
        folder.writeFile(partPath("", "face", n), "");
}

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

TEST(PartLibrary, CountingStopsAtTheFirstMissingNumber) {
    struct Row {
        const char* name;
        std::vector<int> files;
        int expected;
    };
    std::vector<int> gap = range(0, 11);
    gap.push_back(13);
    const Row rows[] = {
        {"gap at 012", gap, 11},  {"000 missing", {1, 2, 3}, -1},          {"only 000", {0}, 0},
        {"empty folder", {}, -1}, {"all of 000..999", range(0, 999), 999},
    };
    for (const Row& r : rows) {
        const TempFolder folder;
        fs::create_directories(folder.path() / "picture" / "face");
        for (const int n : r.files)
            folder.writeFile(partPath("", "face", n), "");
        EXPECT_EQ(countParts(folder.path(), kFace), r.expected) << r.name;
    }
}

TEST(PartLibrary, CountAllPartsProbesEachPrimaryFolder) {
    const TempFolder folder;
    for (const int n : {0, 1, 2})
        folder.writeFile(partPath("", "fhair1", n), "");
    for (const int n : {0, 1, 2, 3, 4})
        folder.writeFile(partPath("", "fhair2", n), "");
    folder.writeFile(partPath("", "eyesh", 0), "");
    folder.writeFile(partPath("", "neck", 0), "");
    PortraitState state;
    state.baseDirectory = folder.path();
    countAllParts(state);
    std::array<int, kElementCount> expected;
    expected.fill(-1);
    expected[kFrontHair] = 2;
    expected[kNeck] = 0;
    EXPECT_EQ(state.highestPart, expected);
}

// A part whose every pixel differs, alpha included, to catch any mix-up of position or channel.
Argb patternPixel(int x, int y) {
    return makeArgb(static_cast<std::uint32_t>(1 + (x + 2 * y) % 255),
                    static_cast<std::uint32_t>(x % 256), static_cast<std::uint32_t>(y % 256),
                    static_cast<std::uint32_t>((x * 7 + y * 3) % 256));
}

struct Library {
    TempFolder folder;
    PortraitState state;
    std::vector<std::string> messages;
    MessageSink sink = [this](const std::string& m) { messages.push_back(m); };

    Library() {
        state.baseDirectory = folder.path();
        writeSolidPart(dummyPath(folder.path()), kDummyColour);
    }
    fs::path part(std::string_view dir, int n) const { return partPath(folder.path(), dir, n); }
};

void expectSolid(const PartPixels& pixels, Argb colour, const char* name) {
    int wrong = 0;
    for (const Argb p : pixels)
        wrong += p != colour;
    EXPECT_EQ(wrong, 0) << name;
}

// Counting asks only whether a name is taken: a folder, a FIFO or a dangling link of that name
// counts like a file and does not hide the parts after it; loading it falls back to the dummy.
TEST(PartLibrary, EveryEntryCountsAndOnlyDecodableFilesLoad) {
    Library lib;
    touchFaceParts(lib.folder, {0, 1, 2, 3, 4, 8});
    writeSolidPart(lib.part("face", 1), kPartColour);
    fs::create_directories(lib.part("face", 5));
    ASSERT_EQ(mkfifo(lib.part("face", 6).c_str(), 0600), 0);
    fs::create_symlink(lib.folder.path() / "nowhere.png", lib.part("face", 7));
    EXPECT_EQ(countParts(lib.folder.path(), kFace), 8);
    for (const int n : {0, 5, 6, 7}) {
        ASSERT_TRUE(loadLayer(lib.state, kFace, n, lib.sink)) << n;
        expectSolid(*lib.state.layer(kFace).image(), kDummyColour, "not a decodable file");
    }
    ASSERT_TRUE(loadLayer(lib.state, kFace, 1, lib.sink));
    expectSolid(*lib.state.layer(kFace).image(), kPartColour, "part 001");
    EXPECT_TRUE(lib.messages.empty());
    EXPECT_TRUE(fs::is_fifo(lib.part("face", 6))) << "nothing is replaced";
}

// Names are bytes: a library below a folder whose name is not UTF-8 loads like any other.
TEST(PartLibrary, AFolderNameThatIsNotUtf8LoadsEveryPartAndTheWall) {
    const TempFolder folder;
    const fs::path base = folder.path() / "portrety\xff\xfe";
    writeSolidPart(dummyPath(base), kDummyColour);
    writeSolidPart(partPath(base, "face", 0), kPartColour);
    writeArgbPng(wallPath(base), kCanvasSize, kCanvasSize, [](int, int) { return kPartColour; });
    PortraitState state;
    state.baseDirectory = base;
    std::vector<std::string> messages;
    const MessageSink sink = [&](const std::string& m) { messages.push_back(m); };
    EXPECT_EQ(countParts(base, kFace), 0);
    ASSERT_TRUE(loadLayer(state, kFace, 0, sink));
    expectSolid(*state.layer(kFace).image(), kPartColour, "part 000");
    ASSERT_TRUE(loadLayer(state, kNose, 0, sink));
    expectSolid(*state.layer(kNose).image(), kDummyColour, "the dummy");
    ASSERT_TRUE(loadWall(state, sink));
    EXPECT_EQ((*state.wall)[0], kPartColour);
    EXPECT_TRUE(messages.empty());
}

TEST(PartLibrary, LoadCopiesTheDecodedPartIntoBothBuffers) {
    Library lib;
    writeArgbPng(lib.part("eyesh", 4), kPartSize, kPartSize, patternPixel);
    lib.state.layer(kEyeShapeLayer).stored = ColourSettings{1, 2, 3, 4, 5};
    ASSERT_TRUE(loadLayer(lib.state, kEyeShapeLayer, 4, lib.sink));
    const LayerState& l = lib.state.layer(kEyeShapeLayer);
    EXPECT_TRUE(l.hasImage);
    int wrong = 0;
    for (int y = 0; y < kPartSize; ++y) {
        for (int x = 0; x < kPartSize; ++x)
            wrong += (*l.image())[y * kPartSize + x] != patternPixel(x, y);
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(*l.loaded, *l.image());
    EXPECT_EQ(l.stored, (ColourSettings{1, 2, 3, 4, 5})) << "loading does not recolour";
    EXPECT_TRUE(lib.messages.empty());
}

TEST(PartLibrary, OddSizedPartsAreAnchoredTopLeft) {
    struct Row {
        int width;
        int height;
    };
    for (const Row r : {Row{300, 100}, Row{100, 300}, Row{1, 1}, Row{230, 231}}) {
        Library lib;
        writeArgbPng(lib.part("face", 0), r.width, r.height, patternPixel);
        ASSERT_TRUE(loadLayer(lib.state, kFace, 0, lib.sink)) << r.width << "x" << r.height;
        const PartPixels& image = *lib.state.layer(kFace).image();
        int wrong = 0;
        for (int y = 0; y < kPartSize; ++y) {
            for (int x = 0; x < kPartSize; ++x) {
                const Argb expected = (x < r.width && y < r.height) ? patternPixel(x, y) : 0u;
                wrong += image[y * kPartSize + x] != expected;
            }
        }
        EXPECT_EQ(wrong, 0) << r.width << "x" << r.height;
        EXPECT_EQ(*lib.state.layer(kFace).loaded, image);
    }
}

// A PNG whose header declares width x height, with a small valid-looking data stream.
std::string pngDeclaring(std::uint32_t width, std::uint32_t height) {
    const auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray body(type, 4);
        body += data;
        std::uint32_t crc = 0xffffffffu;
        for (const char c : body) {
            crc ^= static_cast<std::uint8_t>(c);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        QByteArray out(4, '\0');
        qToBigEndian(static_cast<std::uint32_t>(data.size()), out.data());
        out += body;
        QByteArray crcBytes(4, '\0');
        qToBigEndian(~crc, crcBytes.data());
        return out + crcBytes;
    };
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8;  // bit depth
    header[9] = 6;  // RGBA
    const QByteArray zlib = qCompress(QByteArray(1 << 20, '\0')).mid(4);
    const QByteArray file = QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) +
                            chunk("IDAT", zlib) + chunk("IEND", {});
    return file.toStdString();
}

TEST(PartLibrary, BrokenPartsFallBackToTheDummySilently) {
    Library valid;
    writeArgbPng(valid.part("face", 0), kPartSize, kPartSize, patternPixel);
    const std::string good = test::readBytes(valid.part("face", 0));
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"empty file", ""},
        {"garbage", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(500, '\x5a')},
        {"truncated", good.substr(0, good.size() / 2)},
        {"without its IEND chunk", good.substr(0, good.size() - 12)},
        {"last chunk one byte short", good.substr(0, good.size() - 1)},
        {"image data cut short", good.substr(0, good.size() - 40)},
        {"bomb 60000x60000", pngDeclaring(60000, 60000)},
        {"a line of 20000 pixels", pngDeclaring(20000, 1)},
        {"a column of 20000 pixels", pngDeclaring(1, 20000)},
    };
    for (const Row& r : rows) {
        Library lib;
        lib.folder.writeFile(partPath("", "nose", 2), r.bytes);
        ASSERT_TRUE(loadLayer(lib.state, kNose, 2, lib.sink)) << r.name;
        expectSolid(*lib.state.layer(kNose).image(), kDummyColour, r.name);
        expectSolid(*lib.state.layer(kNose).loaded, kDummyColour, r.name);
        EXPECT_TRUE(lib.messages.empty()) << r.name;
    }
}

TEST(PartLibrary, MissingAndNegativePartNumbersUseTheDummy) {
    Library lib;
    writeSolidPart(lib.part("face", 0), kPartColour);
    writeSolidPart(lib.part("face", 1), kPartColour);
    for (const int n : {-1, 5, 999}) {
        ASSERT_TRUE(loadLayer(lib.state, kFace, n, lib.sink)) << n;
        expectSolid(*lib.state.layer(kFace).image(), kDummyColour, "dummy");
    }
    ASSERT_TRUE(loadLayer(lib.state, kFace, 1, lib.sink));
    expectSolid(*lib.state.layer(kFace).image(), kPartColour, "part 001");
    EXPECT_TRUE(lib.messages.empty());
}

TEST(PartLibrary, SecondaryLayersLoadWithTheirElementsPart) {
    Library lib;
    writeSolidPart(lib.part("cloth2", 3), kPartColour);
    lib.state.layer(kClothes).partNumber = 3;
    lib.state.layer(21).partNumber = 0;
    ASSERT_TRUE(loadLayerOfElement(lib.state, 21, lib.sink));
    expectSolid(*lib.state.layer(21).image(), kPartColour, "cloth2 003");
}

TEST(PartLibrary, MissingDummyIsReportedOnceWithItsPath) {
    Library lib;
    ASSERT_TRUE(loadLayer(lib.state, kMouth, 0, {}));  // the dummy
    EXPECT_EQ(lib.state.layer(kMouth).loadedTone(), (Rgb{0x10, 0x20, 0x30}));
    fs::remove(dummyPath(lib.folder.path()));
    EXPECT_FALSE(loadLayer(lib.state, kMouth, 0, lib.sink));
    EXPECT_FALSE(lib.state.layer(kMouth).hasImage);
    EXPECT_EQ(lib.state.layer(kMouth).loadedTone(), kToneOfNothing);
    const std::string expected = "部品ファイルのオープンに失敗しました\n" +
                                 (lib.folder.path() / "picture" / "dummy.png").string() +
                                 "が存在しないか、または読み込みエラーです";
    EXPECT_EQ(lib.messages, std::vector<std::string>{expected});
}

TEST(PartLibrary, MissingOrUnusableWallIsReported) {
    for (const std::optional<std::string>& bytes :
         {std::optional<std::string>(), std::optional(pngDeclaring(20000, 1))}) {
        Library lib;
        if (bytes)
            lib.folder.writeFile(wallPath(""), *bytes);
        EXPECT_FALSE(loadWall(lib.state, lib.sink));
        EXPECT_FALSE(lib.state.hasWall);
        EXPECT_EQ(lib.messages, std::vector<std::string>{"wall.pngの読み込みに失敗しました"});
    }
}

TEST(PartLibrary, WallIsStretchedOrCopiedPremultiplied) {
    Library lib;
    const auto halves = [](int x, int) { return x < 48 ? 0xffff0000u : 0xff0000ffu; };
    writeArgbPng(wallPath(lib.folder.path()), 96, 96, halves);
    ASSERT_TRUE(loadWall(lib.state, lib.sink));
    const CanvasPixels& wall = *lib.state.wall;
    for (const int y : {0, 50, 191}) {
        EXPECT_EQ(wall[y * kCanvasSize + 0], 0xffff0000u) << y;
        EXPECT_EQ(wall[y * kCanvasSize + 80], 0xffff0000u) << y;
        EXPECT_EQ(wall[y * kCanvasSize + 110], 0xff0000ffu) << y;
        EXPECT_EQ(wall[y * kCanvasSize + 191], 0xff0000ffu) << y;
    }
    // 192x192 is copied as is; straight (a, r, g, b) becomes r * a / 255 rounded.
    writeArgbPng(wallPath(lib.folder.path()), kCanvasSize, kCanvasSize,
                 [](int x, int y) { return x == 5 && y == 7 ? 0x80c86432u : 0xff010203u; });
    ASSERT_TRUE(loadWall(lib.state, lib.sink));
    const CanvasPixels& copied = *lib.state.wall;  // a load replaces the wall
    EXPECT_EQ(copied[7 * kCanvasSize + 5], 0x80643219u);
    EXPECT_EQ(copied[7 * kCanvasSize + 6], 0xff010203u);
    EXPECT_EQ(copied[0], 0xff010203u);
    EXPECT_TRUE(lib.messages.empty());
}

}  // namespace
}  // namespace kelvaro
