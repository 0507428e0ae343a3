// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Palette files on disk: the messages for files that cannot be used, the set of bundled and
// user palettes, importing into the user's folder, and the palettes the program ships.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "io/file_boundary.h"
#include "model/palette_library.h"
#include "tests/support/fixtures.h"
#include "tests/support/processes.h"

namespace kelvaro {
namespace {

using test::readBytes;
using test::TempFolder;

std::string paletteText(const std::string& name, int red) {
    return "GIMP Palette\nName: " + name + "\n" + std::to_string(red) + " 0 0 Kolor\n";
}

std::string failureOf(const std::filesystem::path& file) {
    const auto read = readPaletteFile(file);
    return std::holds_alternative<PaletteFailure>(read) ? std::get<PaletteFailure>(read).message
                                                        : "read";
}

std::vector<std::string> namesOf(const PaletteSet& set) {
    std::vector<std::string> names;
    for (const Palette& palette : set.palettes)
        names.push_back(palette.name);
    return names;
}

TEST(PaletteLibrary, FilesThatCannotBeUsedSayWhyWithoutBlocking) {
    const TempFolder folder;
    const auto fifo = folder.path() / "fifo.gpl";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string header = "GIMP Palette\n";
    std::string manyColours;
    for (int i = 0; i <= kMaxPaletteColours; ++i)
        manyColours += "0 0 0\n";
    const struct {
        std::filesystem::path file;
        std::string reason;
    } cases[] = {
        {fifo, std::string(kNotARegularFile)},
        {folder.path(), systemFailure(EISDIR).reason},
        {folder.path() / "missing.gpl", systemFailure(ENOENT).reason},
        {folder.writeFile("a.gpl", "JASC-PAL\n"), "GIMP パレットではありません"},
        {folder.writeFile("b.gpl", header + "1 2 256\n"), "色の値が正しくありません"},
        {folder.writeFile("c.gpl", header + manyColours), "色が多すぎます（4096 色まで）"},
        {folder.writeFile("e.gpl", header + "1 2 3 \xFE\n"), "UTF-8 のテキストではありません"},
        {folder.writeFile("f.gpl", std::string(3 << 20, 'G')), "ファイルが大きすぎます"},
        {folder.writeFile("g.gpl", header), "色がひとつもありません"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(failureOf(c.file),
                  "パレットを読み込めません\n" + c.file.string() + "\n" + c.reason);
}

TEST(PaletteLibrary, SetHoldsTheKindsFirstThenOtherFilesAndOneMessagePerBrokenFile) {
    const TempFolder bundled, user;
    bundled.writeFile("skin.gpl", paletteText("Skóra", 1));
    bundled.writeFile("hair.gpl", paletteText("Włosy", 2));
    bundled.writeFile("general.gpl", paletteText("Ogólna", 3));
    bundled.writeFile("b.gpl", paletteText("B", 4));
    bundled.writeFile("a.txt", paletteText("not a palette file", 5));
    user.writeFile("z.gpl", paletteText("Z", 6));
    user.writeFile("A.GPL", paletteText("A", 7));
    const auto broken = user.writeFile("broken.gpl", "GIMP Palette\n1 2\n");

    const PaletteSet set = loadPaletteSet(bundled.path(), user.path());
    EXPECT_EQ(namesOf(set), (std::vector<std::string>{"Skóra", "Włosy", "Ogólna", "B", "A", "Z"}));
    EXPECT_EQ(set.byKind, (std::array<int, kPaletteKindCount>{0, 1, -1, 2}));
    EXPECT_EQ(set.palette(PaletteKind::General)->swatches.at(0).colour, (Rgb{3, 0, 0}));
    EXPECT_EQ(set.palette(PaletteKind::Eyes), nullptr);
    EXPECT_EQ(set.failures, (std::vector<std::string>{failureOf(broken)}));

    const PaletteSet none = loadPaletteSet(bundled.path() / "no", user.path() / "no");
    EXPECT_TRUE(none.palettes.empty() && none.failures.empty());
}

TEST(PaletteLibrary, ImportCopiesTheBytesUnderAFreeName) {
    const TempFolder from, home;
    const std::string bytes = paletteText("Moja", 9) + "# kept as it was\r\n";
    const auto source = from.writeFile("moja.gpl", bytes);
    const auto folder = home.path() / "kelvaro" / "palettes";
    for (const char* name : {"moja.gpl", "moja-2.gpl", "moja-3.gpl"}) {
        const PaletteImport imported = importPalette(source, folder);
        EXPECT_TRUE(imported.ok) << imported.message;
        EXPECT_EQ(imported.written, folder / name);
        EXPECT_EQ(readBytes(folder / name), bytes);
    }

    const auto bad = from.writeFile("zla.gpl", "GIMP Palette\n");
    const PaletteImport refused = importPalette(bad, folder);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, failureOf(bad));
    EXPECT_EQ(test::namesIn(folder),
              (std::vector<std::string>{"moja-2.gpl", "moja-3.gpl", "moja.gpl"}));
}

TEST(PaletteLibrary, ImportIntoAFolderThatCannotBeWrittenIsRefusedAndWritesNothing) {
    const TempFolder top;
    test::handToUnprivilegedUser(top.path());
    const auto source = top.writeFile("nowa.gpl", paletteText("Nowa", 1));
    const auto folder = top.path() / "locked";
    std::filesystem::create_directory(folder);
    test::handToUnprivilegedUser(folder);
    test::handToUnprivilegedUser(source);
    std::filesystem::permissions(folder, std::filesystem::perms(0555));
    EXPECT_TRUE(test::runUnprivileged([&] {
        const PaletteImport imported = importPalette(source, folder);
        const PaletteImport below = importPalette(source, folder / "palettes");
        return !imported.ok &&
               imported.message == "パレットを取り込めません\n" + (folder / "nowa.gpl").string() +
                                       "\n" + systemFailure(EACCES).reason &&
               !below.ok && below.message.starts_with("パレットを取り込めません\n");
    }));
    std::filesystem::permissions(folder, std::filesystem::perms(0755));
    EXPECT_TRUE(test::namesIn(folder).empty());
}

TEST(PaletteLibrary, FoldersFollowTheProgramAndTheDesktopsRules) {
    const TempFolder top;
    const auto program = top.path() / "bin" / "kelvaro";
    EXPECT_EQ(bundledPaletteFolderFor(program), top.path() / "share" / "kelvaro" / "palettes");
    std::filesystem::create_directories(top.path() / "bin" / "palettes");
    EXPECT_EQ(bundledPaletteFolderFor(program), top.path() / "bin" / "palettes");

    const QByteArray home = qgetenv("HOME"), dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", "/home/ola");
    const struct {
        const char* dataHome;
        const char* folder;
    } cases[] = {
        {"/data", "/data/kelvaro/palettes"},
        {"relative/data", "/home/ola/.local/share/kelvaro/palettes"},
        {"", "/home/ola/.local/share/kelvaro/palettes"},
    };
    for (const auto& c : cases) {
        qputenv("XDG_DATA_HOME", c.dataHome);
        EXPECT_EQ(userPaletteFolder(), c.folder) << c.dataHome;
    }
    qputenv("HOME", home);
    if (dataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", dataHome);
}

TEST(PaletteLibrary, BundledPalettesAreCompleteAndNamed) {
    const auto folder = std::filesystem::path(KELVARO_SOURCE_DIR) / "data" / "palettes";
    const PaletteSet set = loadPaletteSet(folder, folder / "none");
    EXPECT_TRUE(set.failures.empty());
    ASSERT_EQ(set.palettes.size(), 4u);
    const struct {
        PaletteKind kind;
        const char* name;
        std::size_t atLeast;
    } kinds[] = {{PaletteKind::Skin, "Skóra", 16},
                 {PaletteKind::Hair, "Włosy", 20},
                 {PaletteKind::Eyes, "Oczy", 12},
                 {PaletteKind::General, "Ogólna", 24}};
    for (const auto& k : kinds) {
        const Palette* palette = set.palette(k.kind);
        ASSERT_NE(palette, nullptr) << k.name;
        EXPECT_EQ(palette->name, k.name);
        EXPECT_GE(palette->swatches.size(), k.atLeast) << k.name;
        for (const Swatch& swatch : palette->swatches)
            EXPECT_FALSE(swatch.name.empty()) << k.name;
    }
    // Skin tones run from the lightest to the darkest.
    const auto& skin = set.palette(PaletteKind::Skin)->swatches;
    const auto lightness = [](const Rgb& c) { return 299 * c.red + 587 * c.green + 114 * c.blue; };
    for (std::size_t i = 1; i < skin.size(); ++i)
        EXPECT_LT(lightness(skin[i].colour), lightness(skin[i - 1].colour)) << skin[i].name;
}

}  // namespace
}  // namespace kelvaro
