// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The decoded-part cache: kept pixels are reused only while the file is the same version, the
// byte bound holds, and loads through a portrait take their pixels from it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <QImage>

#include "model/document_file.h"
#include "model/part_cache.h"
#include "model/part_hash.h"
#include "model/part_library.h"
#include "tests/model/library_portrait.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::writeArgbPng;
using test::writeSolidPart;

constexpr Argb kRed = 0xffff0000;
constexpr Argb kBlue = 0xff0000ff;
constexpr Argb kGreen = 0xff00ff00;

// Moves the file's modification time, so a rewrite within one clock tick is still a new version.
void setModified(const fs::path& file, long seconds) {
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

// Parts 0.png .. count-1.png in the folder, part i solid in the colour 0xff000000 + i * step.
std::vector<fs::path> solidParts(const TempFolder& folder, int count, int step) {
    std::vector<fs::path> files;
    for (int i = 0; i < count; ++i) {
        files.push_back(folder.path() / (std::to_string(i) + ".png"));
        writeSolidPart(files.back(), 0xff000000u | static_cast<Argb>(i * step));
    }
    return files;
}

TEST(PartCache, KeptPixelsServeOnlyTheSameVersionOfTheFile) {
    // Each row changes the file after a first decode of red, then decodes again.
    struct Row {
        const char* name;
        void (*change)(const fs::path& file);
        Argb expected;
        std::uint64_t decodes;
    };
    const Row rows[] = {
        {"unchanged", [](const fs::path&) {}, kRed, 1},
        {"rewritten in place with another time",
         [](const fs::path& f) {
             writeSolidPart(f, kBlue);
             setModified(f, 2000000000);
         },
         kBlue, 2},
        {"replaced by a rename",
         [](const fs::path& f) {
             const fs::path other = f.parent_path() / "other.png";
             writeSolidPart(other, kBlue);
             setModified(other, 1000000000);  // the same time as the first: identity tells
             fs::rename(other, f);
         },
         kBlue, 2},
    };
    for (const Row& r : rows) {
        const TempFolder folder;
        const fs::path file = folder.path() / "part.png";
        writeSolidPart(file, kRed);
        setModified(file, 1000000000);
        PartCache cache;
        const auto first = cache.decode(file);
        ASSERT_TRUE(first) << r.name;
        EXPECT_EQ(first->at(0, 0), kRed) << r.name;
        r.change(file);
        const auto second = cache.decode(file);
        ASSERT_TRUE(second) << r.name;
        EXPECT_EQ(second->at(115, 115), r.expected) << r.name;
        EXPECT_EQ(cache.figures().decodes, r.decodes) << r.name;
        EXPECT_EQ(cache.figures().hits, 2 - r.decodes) << r.name;
        EXPECT_EQ(cache.figures().entries, 1u) << r.name;
    }
}

// The wall is decoded once per file version and shared; a wall that is gone or does not decode
// gives nothing.
TEST(PartCache, TheWallIsDecodedOncePerVersion) {
    const TempFolder folder;
    const fs::path file = wallPath(folder.path());
    const auto writeWall = [&](Argb colour, long seconds) {
        writeArgbPng(file, 8, 8, [colour](int, int) { return colour; });
        setModified(file, seconds);
    };
    PartCache cache;
    writeWall(kRed, 1000000000);
    const auto first = cache.wall(file);
    ASSERT_TRUE(first);
    EXPECT_EQ((*first)[0], kRed);
    EXPECT_EQ(cache.wall(file), first);
    writeWall(kBlue, 2000000000);
    const auto second = cache.wall(file);
    ASSERT_TRUE(second);
    EXPECT_EQ((*second)[kCanvasSize * kCanvasSize - 1], kBlue);
    EXPECT_EQ((*first)[0], kRed) << "a wall handed out stays as it was";
    std::ofstream(file, std::ios::trunc) << "no picture";
    EXPECT_FALSE(cache.wall(file));
    fs::remove(file);
    EXPECT_FALSE(cache.wall(file));
}

TEST(PartCache, FileHashesAreWorkedOutOncePerVersion) {
    const TempFolder folder;
    const fs::path file = folder.path() / "part.png";
    writeSolidPart(file, kRed);
    setModified(file, 1000000000);
    PartCache cache;
    int computed = 0;
    const auto hash = [&](const fs::path& f) -> std::optional<std::string> {
        ++computed;
        return fs::exists(f) ? std::optional<std::string>("h" + std::to_string(computed))
                             : std::nullopt;
    };
    EXPECT_EQ(cache.hashOf(file, hash), "h1");
    EXPECT_EQ(cache.hashOf(file, hash), "h1");  // kept
    EXPECT_EQ(computed, 1);
    writeSolidPart(file, kBlue);
    setModified(file, 2000000000);
    EXPECT_EQ(cache.hashOf(file, hash), "h2");  // a new version is hashed again
    EXPECT_EQ(cache.hashOf(file, hash), "h2");
    fs::remove(file);
    EXPECT_EQ(cache.hashOf(file, hash), std::nullopt);  // nothing to hash, nothing kept
    EXPECT_EQ(cache.hashOf(file, hash), std::nullopt);
    EXPECT_EQ(computed, 4);
    // documentOf takes the parts' hashes through the portrait's cache: the same hashes as without.
    auto state = test::openedPortrait();
    const DocumentFile uncached = documentOf(*state);
    state->partCache = &cache;
    EXPECT_TRUE(documentOf(*state).parts == uncached.parts);
    EXPECT_TRUE(documentOf(*state).parts == uncached.parts);
    EXPECT_TRUE(uncached.parts[0].sha256.has_value());
}

// The same decode, field by field.
void expectSameDecode(const DecodedPart* got, const DecodedPart* expected) {
    ASSERT_EQ(got == nullptr, expected == nullptr);
    if (!got)
        return;
    EXPECT_EQ(got->pixels, expected->pixels);
    EXPECT_EQ(got->stored, expected->stored);
    EXPECT_EQ(got->box, expected->box);
    EXPECT_EQ(got->tone(), expected->tone());
}

// A part file that only Qt's reader decodes (8-bit colour map), with a translucent pixel.
void writeMappedPart(const fs::path& file) {
    QImage image(230, 230, QImage::Format_ARGB32);
    image.fill(0);
    image.setPixel(40, 50, 0x80ff8000u);
    image.setPixel(41, 50, 0xff00ff00u);
    ASSERT_TRUE(image.convertToFormat(QImage::Format_Indexed8).save(QString::fromStdString(file)));
}

TEST(PartCache, WhileFilesAreFixedADecodeTakesTheBytesItsHashRead) {
    struct Row {
        const char* name;
        bool fixed;
        void (*write)(const fs::path& file);
        bool rewrittenAfterHash;
        std::uint64_t fromHashRead;
    };
    const auto red = [](const fs::path& f) { writeSolidPart(f, kRed); };
    const auto broken = [](const fs::path& f) { std::ofstream(f) << "not a picture"; };
    const Row rows[] = {
        {"fixed", true, red, false, 1},
        {"fixed, read by Qt", true, writeMappedPart, false, 1},
        {"fixed, broken", true, broken, false, 1},
        {"fixed, rewritten after the hash", true, red, true, 0},
        {"files may change", false, red, false, 0},
    };
    for (const Row& r : rows) {
        const TempFolder folder;
        const fs::path file = folder.path() / "part.png";
        r.write(file);
        setModified(file, 1000000000);
        PartCache cache;
        cache.setFilesFixed(r.fixed);
        EXPECT_EQ(partFileHash(file, cache), fileSha256(file)) << r.name;
        if (r.rewrittenAfterHash) {
            writeSolidPart(file, kBlue);
            setModified(file, 2000000000);
        }
        const auto expected = decodePartFile(file);
        expectSameDecode(cache.decode(file).get(), expected.get());
        EXPECT_EQ(cache.figures().decodedFromHashRead, r.fromHashRead) << r.name;
        EXPECT_EQ(cache.figures().decodes, 1u) << r.name;
    }
}

TEST(PartCache, FailuresAreKeptButMissingFilesAreNot) {
    const TempFolder folder;
    const fs::path broken = folder.writeFile("broken.png", "not a picture");
    PartCache cache;
    EXPECT_FALSE(cache.decode(broken));
    EXPECT_FALSE(cache.decode(broken));
    EXPECT_EQ(cache.figures().decodes, 1u);
    EXPECT_EQ(cache.figures().entries, 1u);

    EXPECT_FALSE(cache.decode(folder.path() / "missing.png"));
    EXPECT_FALSE(cache.decode(folder.path()));  // a folder
    EXPECT_EQ(cache.figures().entries, 1u);
}

TEST(PartCache, TheByteBoundDropsTheLeastRecentlyUsed) {
    const TempFolder folder;
    const std::vector<fs::path> files = solidParts(folder, 4, 1);
    PartCache cache(3 * sizeof(PartPixels) + 3000);  // three parts and their bookkeeping
    for (int i = 0; i < 3; ++i)
        cache.decode(files[static_cast<std::size_t>(i)]);
    cache.decode(files[0]);  // 0 is now the most recent: 1 goes next
    cache.decode(files[3]);
    EXPECT_EQ(cache.figures().entries, 3u);
    EXPECT_LE(cache.figures().bytes, cache.figures().bound);
    const auto decodesBefore = cache.figures().decodes;
    cache.decode(files[0]);
    cache.decode(files[2]);
    cache.decode(files[3]);
    EXPECT_EQ(cache.figures().decodes, decodesBefore);  // all three still kept
    cache.decode(files[1]);
    EXPECT_EQ(cache.figures().decodes, decodesBefore + 1);

    cache.setBound(0);
    EXPECT_EQ(cache.figures().entries, 0u);
    EXPECT_EQ(cache.figures().bytes, 0u);
}

TEST(PartCache, ThreadsShareOneCacheWithoutLosingPixels) {
    const TempFolder folder;
    const std::vector<fs::path> files = solidParts(folder, 8, 17);
    PartCache cache(4 * sizeof(PartPixels));  // small, so threads also evict each other's
    std::vector<int> wrong(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 50; ++round) {
                const auto i = static_cast<std::size_t>((round * 3 + t) % 8);
                const auto pixels = cache.decode(files[i]);
                if (!pixels || pixels->at(1000 % kPartSize, 1000 / kPartSize) !=
                                   (0xff000000u | static_cast<Argb>(i * 17)))
                    ++wrong[static_cast<std::size_t>(t)];
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
    EXPECT_LE(cache.figures().bytes, cache.figures().bound);
}

TEST(PartCache, PortraitLoadsTakeTheirPixelsFromTheCache) {
    const TempFolder folder;
    writeSolidPart(folder.path() / partPath("", "nose", 3), kRed);
    writeSolidPart(folder.path() / dummyPath(""), kBlue);
    PartCache cache;
    PortraitState state;
    state.baseDirectory = folder.path();
    state.partCache = &cache;
    ASSERT_TRUE(loadLayer(state, kNose, 3, {}));
    ASSERT_TRUE(loadLayer(state, kNose, 3, {}));
    EXPECT_EQ((*state.layer(kNose).loaded)[0], kRed);
    ASSERT_TRUE(loadLayer(state, kNose, 7, {}));  // missing: the substitute, through the cache
    EXPECT_EQ((*state.layer(kNose).image())[0], kBlue);
    EXPECT_EQ(cache.figures().decodes, 2u);
    EXPECT_EQ(cache.figures().hits, 1u);
}

TEST(PartCache, LayersShowTheDecodedPartAndItsBox) {
    const TempFolder folder;
    const fs::path file = folder.path() / partPath("", "nose", 0);
    // Opaque only in columns 40..59 of rows 100..109.
    test::writeArgbPng(file, kPartSize, kPartSize, [](int x, int y) {
        return x >= 40 && x < 60 && y >= 100 && y < 110 ? kRed : 0u;
    });
    PartCache cache;
    PortraitState state;
    PortraitState other;  // another portrait on the same cache, as a gallery worker's
    for (PortraitState* s : {&state, &other}) {
        s->baseDirectory = folder.path();
        s->partCache = &cache;
        ASSERT_TRUE(loadLayer(*s, kNose, 0, {}));
    }
    const auto part = cache.decode(file);
    ASSERT_TRUE(part);
    EXPECT_EQ(cache.figures().decodes, 1u);     // both portraits took the kept part
    EXPECT_EQ(part->pixels.size(), 20u * 10u);  // the box alone is kept
    EXPECT_EQ(*state.layer(kNose).loaded, *other.layer(kNose).loaded);
    EXPECT_EQ(state.layer(kNose).loadedBox, part->box);
    EXPECT_EQ(part->box, visibleBounds(*state.layer(kNose).loaded));
    EXPECT_EQ(part->box, (PixelBox{40, 100, 60, 110}));
    EXPECT_EQ(part->tone(), (Rgb{255, 0, 0}));
    EXPECT_EQ(other.layer(kNose).loadedTone(), part->tone());
    // The layer shows its loaded pixels themselves until they are written; writing them makes a
    // copy of its own and leaves the loaded pixels as they were.
    EXPECT_EQ(state.layer(kNose).image(), state.layer(kNose).loaded.get());
    state.layer(kNose).writableImage()[100 * kPartSize + 40] = kBlue;
    EXPECT_NE(state.layer(kNose).image(), state.layer(kNose).loaded.get());
    EXPECT_EQ((*state.layer(kNose).image())[100 * kPartSize + 40], kBlue);
    EXPECT_EQ((*state.layer(kNose).image())[100 * kPartSize + 41], kRed);
    EXPECT_EQ((*state.layer(kNose).loaded)[100 * kPartSize + 40], kRed);
    EXPECT_EQ(part->at(40, 100), kRed);
    state.layer(kNose).showLoaded();
    EXPECT_EQ((*state.layer(kNose).image())[100 * kPartSize + 40], kRed);

    cache.setBound(0);  // the cache lets go; the layers keep what they hold
    EXPECT_EQ((*other.layer(kNose).loaded)[100 * kPartSize + 40], kRed);
    EXPECT_EQ(other.layer(kNose).loadedTone(), (Rgb{255, 0, 0}));
    // Released portraits let go of the decoded part too: only `part` holds it then.
    state.release();
    other.release();
    EXPECT_EQ(part.use_count(), 1);
}

TEST(PartCache, FixedFilesAreExaminedOncePerSpan) {
    // Each row decodes and hashes the file (the hash: its first pixel as decoded without a cache)
    // at a first and a second look, the file rewritten in blue between them.
    struct Row {
        const char* name;
        bool seenBeforeSpan;  // looked at in red, then rewritten in green, before the span
        bool fixed;           // both looks inside a fixed-files span
        Argb first;
        Argb second;
        std::uint64_t decodes;
    };
    const Row rows[] = {
        {"files may change", false, false, kRed, kBlue, 2},
        {"fixed: the kept part and hash are taken", false, true, kRed, kRed, 1},
        {"fixed: a file seen before is examined once", true, true, kGreen, kGreen, 2},
    };
    const auto firstPixel = [](const fs::path& f) -> std::optional<std::string> {
        return std::to_string(decodePartFile(f)->at(0, 0));
    };
    for (const Row& r : rows) {
        const TempFolder folder;
        const fs::path file = folder.path() / "part.png";
        PartCache cache;
        const auto rewrite = [&](Argb colour, long seconds) {
            writeSolidPart(file, colour);
            setModified(file, seconds);
        };
        const auto look = [&](Argb expected) {
            EXPECT_EQ(cache.decode(file)->at(0, 0), expected) << r.name;
            EXPECT_EQ(cache.hashOf(file, firstPixel), std::to_string(expected)) << r.name;
        };
        rewrite(kRed, 1000000000);
        if (r.seenBeforeSpan) {
            look(kRed);
            rewrite(kGreen, 1500000000);
        }
        cache.setFilesFixed(r.fixed);
        look(r.first);
        rewrite(kBlue, 2000000000);
        look(r.second);
        EXPECT_EQ(cache.figures().decodes, r.decodes) << r.name;
        cache.setFilesFixed(false);  // the span ends: the next look examines the file again
        look(kBlue);
    }
}

TEST(PartCache, TheBoundCountsTheBytesOfEachStoredBox) {
    const TempFolder folder;
    // Opaque squares of these sides at the top left: entries of very different sizes.
    const int sides[] = {2, 200, 10, 30};
    std::vector<fs::path> files;
    for (int side : sides) {
        files.push_back(folder.path() / (std::to_string(side) + ".png"));
        test::writeArgbPng(files.back(), kPartSize, kPartSize,
                           [side](int x, int y) { return x < side && y < side ? kRed : 0u; });
    }
    PartCache cache;
    std::vector<std::size_t> costs;
    for (const fs::path& file : files) {
        const auto part = cache.decode(file);
        ASSERT_TRUE(part);
        costs.push_back(PartCache::costOf(file.native().size(), part.get()));
    }
    const std::size_t side200 = 200 * 200 * sizeof(Argb);
    EXPECT_GT(costs[1], side200);
    EXPECT_LT(costs[1], side200 + 1000);
    EXPECT_EQ(cache.figures().bytes, costs[0] + costs[1] + costs[2] + costs[3]);
    cache.decode(files[0]);  // most recent first: 2, 30, 10, 200
    // One byte short of all four: the big one, least recently used, goes alone.
    cache.setBound(cache.figures().bytes - 1);
    EXPECT_EQ(cache.figures().entries, 3u);
    EXPECT_EQ(cache.figures().bytes, costs[0] + costs[2] + costs[3]);
    // Room for the two most recent: 10 goes, though 2 is smaller.
    cache.setBound(costs[0] + costs[3]);
    EXPECT_EQ(cache.figures().bytes, costs[0] + costs[3]);
    const auto decodesBefore = cache.figures().decodes;
    cache.decode(files[0]);
    cache.decode(files[3]);
    EXPECT_EQ(cache.figures().decodes, decodesBefore);
    cache.decode(files[2]);
    EXPECT_EQ(cache.figures().decodes, decodesBefore + 1);
}

}  // namespace
}  // namespace kelvaro
