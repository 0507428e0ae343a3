// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Portrait documents as files: the JSON text, the recipe in PNGs, the part hashes, and bad
// files, each of which gives one clear error and nothing else.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>

#include "io/file_boundary.h"
#include "io/png_recipe.h"
#include "model/colour_links.h"
#include "model/document_file.h"
#include "model/expression_ops.h"
#include "model/portrait_commands.h"
#include "model/portrait_document.h"
#include "model/portrait_export.h"
#include "model/portrait_ops.h"
#include "tests/model/library_portrait.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

using test::openedPortrait;
using test::readBytes;
using test::TempFolder;

DocumentFile sampleDocument() {
    auto state = openedPortrait();
    state->currentElement = kMouth;
    state->current = {255, 0, 128, -40, 60};
    recolourCurrentElement(*state);
    moveCurrentElement(*state, -7, 3);
    rotateCurrentElement(*state, 350);
    chooseGeneratedParts(*state, [](int highest) { return highest / 2; });
    loadGeneratedParts(*state, {});
    state->layer(17).partNumber = 42;  // a secondary layer's own value
    state->sizeChoice = 1;
    setLinked(*state, kBackHair, true);
    setLinked(*state, kFrontHair, true);
    return documentOf(*state);
}

TEST(DocumentJson, WritesAndReadsEveryValue) {
    DocumentFile document = sampleDocument();
    document.seed = 18446744073709551615ull;
    const auto read = readDocumentJson(writeDocumentJson(document));
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(read));
    const DocumentFile& back = std::get<DocumentFile>(read);
    EXPECT_EQ(back.portrait, document.portrait);
    EXPECT_EQ(back.parts, document.parts);
    EXPECT_EQ(back.seed, document.seed);
    EXPECT_EQ(back.parts[kMouth].path, "picture/mouth/001.png");
    EXPECT_EQ(back.parts[kMouth].sha256->size(), 64u);
}

// `text` with `from` replaced by `to` (once).
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The sample document's text with `from` replaced by `to` (once).
std::string edited(const std::string& from, const std::string& to) {
    return replaced(writeDocumentJson(sampleDocument()), from, to);
}

TEST(DocumentJson, BadTextsGiveOneErrorEach) {
    struct Row {
        std::string text;
        std::optional<DocumentError> error;  // none: read, values limited as the controls do
    };
    const std::string good = writeDocumentJson(sampleDocument());
    const Row rows[] = {
        {"", DocumentError::NotADocument},
        {"[1, 2]", DocumentError::NotADocument},
        {good.substr(0, good.size() / 2), DocumentError::NotADocument},
        {std::string(1 << 20, 'x'), DocumentError::NotADocument},
        {edited("Kelvaro portrait", "Other"), DocumentError::NotADocument},
        {edited("\"1.1\"", "\"2.0\""), DocumentError::NewerVersion},
        {edited("\"1.1\"", "\"1.7\""), std::nullopt},  // a later minor version reads
        {edited("\"1.1\"", "1"), DocumentError::BadValues},
        {edited("\"element\": 5", "\"element\": 15"), DocumentError::BadValues},
        {edited("\"element\": 5", "\"element\": \"5\""), DocumentError::BadValues},
        {edited("\"size\": 1", "\"size\": 3"), DocumentError::BadValues},
        {edited("\"part\": 42", "\"part\": 4.5"), DocumentError::BadValues},
        {edited("\"part\": 42", "\"part\": 1e12"), DocumentError::BadValues},
        {edited("\"part\": 42", "\"part\": null"), DocumentError::BadValues},
        {edited("\"recoloured\": true", "\"recoloured\": 1"), DocumentError::BadValues},
        {edited("\"layers\": [", "\"layers\": [{},"), DocumentError::BadValues},
        {edited("\"bars\": {", "\"unknown\": [1, {}], \"bars\": {"), std::nullopt},
        {edited("\"linked\": [", "\"linked\": [15,"), DocumentError::BadValues},
        {edited("\"linked\": [", "\"linked\": [-1,"), DocumentError::BadValues},
        {edited("\"linked\": [", "\"linked\": [10,"), DocumentError::BadValues},  // twice
        {edited("\"linked\": [", "\"linked\": [\"3\","), DocumentError::BadValues},
        {edited("\"linked\": [", "\"linked\": 9, \"x\": ["), DocumentError::BadValues},
        {edited("\"linked\": [", "\"linked\": [3,"), std::nullopt},
    };
    for (const Row& row : rows) {
        const auto read = readDocumentJson(row.text);
        if (row.error) {
            ASSERT_TRUE(std::holds_alternative<DocumentError>(read)) << row.text.substr(0, 300);
            EXPECT_EQ(std::get<DocumentError>(read), *row.error) << row.text.substr(0, 300);
        } else {
            EXPECT_TRUE(std::holds_alternative<DocumentFile>(read)) << row.text.substr(0, 300);
        }
    }
}

TEST(DocumentJson, LinksAreReadInAnyOrderAndAreNoneInVersionOneZero) {
    const struct {
        std::string text;
        unsigned linked;
    } rows[] = {
        {writeDocumentJson(sampleDocument()), 1u << kFrontHair | 1u << kBackHair},
        {edited("\"linked\": [", "\"linked\": [14, 0,"),
         1u << 14 | 1u << kFrontHair | 1u << kBackHair | 1u},
        {replaced(edited("\"linked\": [", "\"written before links\": ["), "\"1.1\"", "\"1.0\""), 0},
    };
    for (const auto& row : rows) {
        const auto read = readDocumentJson(row.text);
        ASSERT_TRUE(std::holds_alternative<DocumentFile>(read));
        EXPECT_EQ(std::get<DocumentFile>(read).portrait.linkedElements, row.linked);
    }
}

TEST(DocumentJson, ValuesAreLimitedAsTheControlsLimitThem) {
    const std::string text = edited("\"angle\": 350", "\"angle\": -365");
    auto first = readDocumentJson(text);
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(first));
    EXPECT_EQ(std::get<DocumentFile>(first).portrait.layers[kMouth].angle, 355);

    std::string colours = writeDocumentJson(sampleDocument());
    const auto at = colours.find("\"brightness\": -40");
    ASSERT_NE(at, std::string::npos);
    colours.replace(at, 17, "\"brightness\": -900");
    const auto red = colours.find("\"red\": 255");
    ASSERT_NE(red, std::string::npos);
    colours.replace(red, 10, "\"red\": 2147483647");
    auto second = readDocumentJson(colours);
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(second));
    // Keys are written in alphabetical order: the first settings are the bars'.
    const ColourSettings& bars = std::get<DocumentFile>(second).portrait.scroll;
    EXPECT_EQ(bars.brightness, -100);
    EXPECT_EQ(bars.red, 255);
}

TEST(DocumentFile, SavedAndOpenedAsDocumentAndAsPngRecipe) {
    TempFolder folder;
    const DocumentFile document = sampleDocument();
    const auto file = folder.path() / "face.kelvaro";
    ASSERT_TRUE(writeDocumentFile(file, document));
    auto opened = readDocumentFile(file);
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(opened));
    EXPECT_EQ(std::get<DocumentFile>(opened).portrait, document.portrait);

    auto state = openedPortrait();
    apply(document.portrait, *state, {}, ApplyScope::Everything);
    auto canvas = makeCanvasPixels();
    composePortrait(*state, *canvas);
    const auto png = folder.path() / "face.png";
    const std::string recipe = writeDocumentJson(document);
    ASSERT_TRUE(exportPortrait(*canvas, 1, png, recipe));
    auto fromPng = readDocumentFile(png);
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(fromPng));
    EXPECT_EQ(std::get<DocumentFile>(fromPng).portrait, document.portrait);

    // The recipe changes no pixel: the file decodes as the export without it.
    const auto plain = folder.path() / "plain.png";
    ASSERT_TRUE(exportPortrait(*canvas, 1, plain));
    const QImage withRecipe(toQtPath(png));
    const QImage without(toQtPath(plain));
    ASSERT_FALSE(withRecipe.isNull());
    EXPECT_EQ(withRecipe, without);
    EXPECT_GT(readBytes(png).size(), readBytes(plain).size() + recipe.size());

    // A BMP carries nothing.
    const auto bmp = folder.path() / "face.bmp";
    ASSERT_TRUE(exportPortrait(*canvas, 1, bmp, recipe));
    EXPECT_EQ(readBytes(bmp).find("Kelvaro portrait"), std::string::npos);
}

TEST(DocumentFile, BadFilesGiveOneClearError) {
    TempFolder folder;
    const auto base = folder.path();
    auto canvas = makeCanvasPixels();
    canvas->fill(0xff102030u);
    ASSERT_TRUE(exportPortrait(*canvas, 0, base / "plain.png"));
    std::string truncatedPng = readBytes(base / "plain.png");
    ASSERT_TRUE(
        exportPortrait(*canvas, 0, base / "recipe.png", writeDocumentJson(sampleDocument())));
    std::string brokenRecipe = readBytes(base / "recipe.png");
    brokenRecipe[brokenRecipe.find("Kelvaro portrait")] = 'k';  // the chunk's CRC fails
    std::filesystem::create_directory(base / "folder.kelvaro");
    ASSERT_EQ(::mkfifo((base / "fifo.kelvaro").c_str(), 0600), 0);
    struct Row {
        std::string name;
        std::optional<std::string> bytes;  // none: made above
        OpenError error;
    };
    const Row rows[] = {
        {"missing.kelvaro", std::nullopt, OpenError::Unreadable},
        {"folder.kelvaro", std::nullopt, OpenError::Unreadable},
        {"fifo.kelvaro", std::nullopt, OpenError::Unreadable},
        {"huge.kelvaro", std::string(kLargestDocumentFile + 1, '{'), OpenError::Unreadable},
        {"garbage.kelvaro", std::string(10'000'000, '\x7f'), OpenError::NotADocument},
        {"empty.kelvaro", "", OpenError::NotADocument},
        {"plain.png", std::nullopt, OpenError::NoRecipe},
        {"short.png", truncatedPng.substr(0, 40), OpenError::NoRecipe},
        {"broken.png", brokenRecipe, OpenError::NoRecipe},
    };
    for (const Row& row : rows) {
        if (row.bytes)
            folder.writeFile(row.name, *row.bytes);
        const auto read = readDocumentFile(base / row.name);
        ASSERT_TRUE(std::holds_alternative<OpenFailure>(read)) << row.name;
        EXPECT_EQ(std::get<OpenFailure>(read).error, row.error) << row.name;
    }
}

TEST(DocumentFile, ChangedAndMissingPartsAreListedOnce) {
    TempFolder folder;
    const auto base = folder.path();
    std::filesystem::copy(test::libraryBase() / "picture", base / "picture",
                          std::filesystem::copy_options::recursive);
    auto state = openedPortrait(base);
    const DocumentFile document = documentOf(*state);
    EXPECT_TRUE(changedPartFiles(document, base).empty());

    folder.writeFile("picture/nose/000.png", "changed");
    std::filesystem::remove(base / "picture/fhair2/000.png");
    EXPECT_EQ(changedPartFiles(document, base),
              (std::vector<std::string>{"picture/nose/000.png", "picture/fhair2/000.png"}));
    EXPECT_EQ(libraryChangedMessage({"a", "b"}),
              "ポートレートを保存した後に部品ライブラリが変更されました\na\nb");
}

TEST(DocumentFile, WhileAnExpressionIsEditedTheBasesPartFilesAreRecorded) {
    auto state = openedPortrait();
    PortraitDocument withFace = capture(*state);
    ASSERT_TRUE(addExpression(withFace.expressions, "Sen"));
    withFace.expressions.expressions.back().overrides[kMouth] = ElementOverride{1, 0, 0, 0};
    withFace.expressions.edited = 1;
    apply(withFace, *state, {}, ApplyScope::Everything);
    ASSERT_EQ(state->elementPart(kMouth), 1);  // the face shows another mouth
    const DocumentFile document = documentOf(*state);
    EXPECT_EQ(document.parts[kMouth].path, "picture/mouth/000.png");
    EXPECT_TRUE(changedPartFiles(document, test::libraryBase()).empty());
}

TEST(DocumentFile, AFailedWriteLeavesTheOldFileWhole) {
    TempFolder folder;
    const auto file = folder.path() / "kept.kelvaro";
    folder.writeFile("kept.kelvaro", "old");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0500), 0);
    const bool written = writeDocumentFile(file, sampleDocument()).ok;
    ::chmod(folder.path().c_str(), 0700);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_FALSE(written);
    }
    EXPECT_FALSE(writeDocumentFile(folder.path() / "no" / "such.kelvaro", sampleDocument()));
    EXPECT_EQ(readBytes(folder.path() / "no" / "such.kelvaro"), "");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "no"));
}

}  // namespace
}  // namespace kelvaro
