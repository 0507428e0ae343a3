// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the renderer says besides failures: a line for each document whose part files changed
// since it was saved, the run still a success; and for broken part files its own lines only,
// none of the image library's warnings.
#include <gtest/gtest.h>

#include <functional>

#include "model/document_file.h"
#include "tests/render/render_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

// A copy of the sample library in `folder`: the folder that holds its picture/.
fs::path copiedLibrary(const TempFolder& folder) {
    const fs::path library = folder.path() / "library";
    fs::copy(sampleLibrary(), library, fs::copy_options::recursive);
    return library;
}

// Damages the image data of `file` in `folder`: one byte in the middle changes, so that the chunk
// no longer matches its checksum; the chunks themselves stay complete. The file cannot be used.
void damageImageData(const TempFolder& folder, const fs::path& file) {
    std::string bytes = readBytes(file);
    char& middle = bytes[bytes.size() / 2];
    middle = static_cast<char>(middle ^ 0x5a);
    folder.writeFile(fs::relative(file, folder.path()), bytes);
}

// Puts a text chunk with a wrong checksum after the header of `file` in `folder`: the picture
// still decodes, with a warning of the image library.
void addDamagedText(const TempFolder& folder, const fs::path& file) {
    const std::string bytes = readBytes(file);
    const std::size_t afterHeader = 8 + 12 + 13;  // signature, IHDR chunk
    const std::string text("\0\0\0\5tEXta\0bcd\xde\xad\xbe\xef", 17);
    folder.writeFile(fs::relative(file, folder.path()),
                     bytes.substr(0, afterHeader) + text + bytes.substr(afterHeader));
}

TEST(RenderMessages, EachDocumentWhosePartsChangedIsNamedOnceAndTheRunSucceeds) {
    TempFolder folder;
    const fs::path library = copiedLibrary(folder);
    const fs::path kept = folder.path() / "kept.kelvaro";
    const fs::path changed = folder.path() / "changed.kelvaro";
    writePortrait(kept, 0);     // clothes 000
    writePortrait(changed, 2);  // clothes 002
    writeSolidPart(library / "picture/cloth1/002.png", makeArgb(255, 10, 20, 30));
    const std::string line =
        "kelvaro-render: ポートレートを保存した後に部品ライブラリが変更されました: " +
        changed.string() + ": picture/cloth1/002.png\n";
    const auto out = [&](const char* name) { return q(folder.path() / name); };
    struct Row {
        QStringList arguments;
        std::string err;
        const char* written;
    };
    const std::vector<Row> rows = {
        {{"-o", out("a"), q(kept), q(changed)}, line, "a/changed.png"},
        {{"--sheet", "mz", "-o", out("s.png"), q(changed), q(kept), q(changed)}, line, "s.png"},
        {{"--random", "2", "--seed", "1", "--base", q(changed), "-o", out("cast")},
         line,
         "cast/0002.png"},
        {{"--expressions", "-o", out("faces"), q(changed)}, line, "faces/Neutralna.png"},
        {{"-o", out("k.png"), q(kept)}, "", "k.png"},
    };
    for (const Row& row : rows) {
        const auto result = runRenderer(QStringList{"--library", q(library)} + row.arguments);
        EXPECT_EQ(result.exitCode, 0) << row.written;
        EXPECT_EQ(result.err, row.err) << row.written;
        EXPECT_TRUE(fs::is_regular_file(folder.path() / row.written)) << row.written;
    }
}

TEST(RenderMessages, ARenumberedPartIsDrawnFromItsNewNumberAndNamed) {
    TempFolder folder;
    const fs::path library = copiedLibrary(folder);
    const fs::path saved = folder.path() / "saved.kelvaro";
    writePortrait(saved, 2);  // clothes 002, whose files then become 001 and 001 002
    for (const char* clothes : {"picture/cloth1/", "picture/cloth2/"}) {
        const fs::path part = library / clothes;
        fs::rename(part / "002.png", part / "moved.png");
        fs::rename(part / "001.png", part / "002.png");
        fs::rename(part / "moved.png", part / "001.png");
    }
    DocumentFile expected{variedPortrait(2), {}, std::nullopt};  // no records: nothing to follow
    expected.portrait.layers[kClothes].partNumber = 1;
    ASSERT_TRUE(writeDocumentFile(folder.path() / "expected.kelvaro", expected));

    const auto result = runRenderer({"--library", q(library), "-o", q(folder.path() / "out"),
                                     q(saved), q(folder.path() / "expected.kelvaro")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err,
              "kelvaro-render: ポートレートを保存した後に部品ライブラリが変更されました: " +
                  saved.string() + ": cloth1: 002 \u2192 001\n");
    const QImage drawn = argbImage(folder.path() / "out/saved.png");
    EXPECT_FALSE(drawn.isNull());
    EXPECT_TRUE(drawn == argbImage(folder.path() / "out/expected.png"));
}

TEST(RenderMessages, BrokenPartFilesGiveOurOwnLinesOnly) {
    TempFolder folder;
    const fs::path library = copiedLibrary(folder);
    const fs::path faces = library / "picture/face";
    const fs::path dummy = library / "picture/dummy.png";
    const std::string line =
        "kelvaro-render: 部品ファイルのオープンに失敗しました: " + dummy.string() +
        "が存在しないか、または読み込みエラーです\n";
    const auto eachFace = [&](void (*damage)(const TempFolder&, const fs::path&)) {
        for (const auto& entry : fs::directory_iterator(faces))
            damage(folder, entry.path());
    };
    struct Row {
        const char* damaged;
        std::function<void()> damage;  // on top of the rows before
        int exitCode;
        std::string err;
    };
    const std::vector<Row> rows = {
        {"text chunks", [&] { eachFace(addDamagedText); }, 0, ""},  // they still decode
        {"image data", [&] { eachFace(damageImageData); }, 0, ""},  // the dummy stands in
        {"the dummy", [&] { damageImageData(folder, dummy); }, 1, line + line + line},
    };
    for (const Row& row : rows) {
        row.damage();
        const auto result = runRenderer({"--library", q(library), "--random", "3", "--seed", "7",
                                         "-o", q(folder.path() / "cast")});
        EXPECT_EQ(result.exitCode, row.exitCode) << row.damaged;
        EXPECT_EQ(result.err, row.err) << row.damaged;
    }
}

}  // namespace
}  // namespace kelvaro::test
