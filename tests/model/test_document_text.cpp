// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The text of portrait documents stays as it is: a document with every kind of value is written
// byte for byte as recorded, and every file of the reader's fuzz corpus reads to the values (and
// writes to the text) recorded for it.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include "model/document_json.h"
#include "tests/support/fixtures.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

const fs::path kDataFolder = fs::path(KELVARO_SOURCE_DIR) / "tests" / "model" / "data";

// Distinct values in every field, the ends of int's range, a mask and a seed.
DocumentFile richDocument() {
    DocumentFile file;
    PortraitDocument& portrait = file.portrait;
    for (int i = 0; i < kLayerCount; ++i) {
        LayerRecord& layer = portrait.layers[static_cast<std::size_t>(i)];
        layer = {i * 3 % 7,
                 -19 + 5 * i,
                 40 - 2 * i,
                 i * 37 % 360,
                 {255 - i, i * 10, 128 + i, i - 12, 50 - 4 * i},
                 i % 3 != 0};
        file.parts[static_cast<std::size_t>(i)] = {
            "picture/layer" + std::to_string(i) + "/00" + std::to_string(i % 10) + ".png",
            i % 2 == 0 ? std::optional<std::string>(std::string(64, "0123456789abcdef"[i % 16]))
                       : std::nullopt};
    }
    portrait.layers[0].x = std::numeric_limits<int>::min();
    portrait.layers[0].y = std::numeric_limits<int>::max();
    portrait.currentElement = kBand;
    portrait.sizeChoice = 2;
    portrait.current = {12, 34, 56, -78, 90};
    portrait.scroll = {0, 255, 1, 100, -100};
    portrait.irisMask = IrisMaskOffset{-kPartSize, 17};
    portrait.linkedElements = 1u << kFace | 1u << kBrows | 1u << kBand;
    file.seed = std::numeric_limits<std::uint64_t>::max();
    return file;
}

std::string sha256Of(const std::string& text) {
    return QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// The SHA-256 of the text the writer gives for the rich document (440 lines of indented JSON):
// the text recorded before the fields came from tables, with version "1.1" and its "linked"
// entry.
constexpr const char* kRichDocumentSha256 =
    "8731ce6867b32a618174f1497ae091d3cfe1c079351bae728a417b959658a609";

TEST(DocumentText, ARichDocumentIsWrittenAsRecordedAndReadsBack) {
    const DocumentFile rich = richDocument();
    const std::string written = writeDocumentJson(rich);
    EXPECT_EQ(sha256Of(written), kRichDocumentSha256) << written;
    const auto read = readDocumentJson(written);
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(read));
    const DocumentFile& back = std::get<DocumentFile>(read);
    EXPECT_EQ(back.portrait, rich.portrait);
    EXPECT_EQ(back.parts, rich.parts);
    EXPECT_EQ(back.seed, rich.seed);
}

// Every value of a document read, one after another (kept apart from the reader's own tables).
std::string valuesOf(const DocumentFile& file) {
    std::ostringstream out;
    const auto colours = [&out](const ColourSettings& s) {
        out << s.red << ',' << s.green << ',' << s.blue << ',' << s.brightness << ',' << s.contrast
            << ' ';
    };
    const PortraitDocument& p = file.portrait;
    out << p.currentElement << ' ' << p.sizeChoice << ' ';
    colours(p.current);
    colours(p.scroll);
    if (p.irisMask)
        out << p.irisMask->dx << ',' << p.irisMask->dy << ' ';
    if (p.linkedElements != 0)
        out << "linked " << p.linkedElements << ' ';
    for (std::size_t i = 0; i < kLayerCount; ++i) {
        const LayerRecord& l = p.layers[i];
        out << l.partNumber << ' ' << l.x << ' ' << l.y << ' ' << l.angle << ' ' << l.recoloured
            << ' ';
        colours(l.stored);
        out << file.parts[i].path << ' ' << file.parts[i].sha256.value_or("-") << ' ';
    }
    out << (file.seed ? std::to_string(*file.seed) : "-");
    return out.str();
}

std::string shortHash(const std::string& text) {
    return sha256Of(text).substr(0, 16);
}

// By DocumentError.
constexpr const char* kErrorNames[] = {"NotADocument", "NewerVersion", "BadValues"};

// "error <name>", or "read <hash of the values> <hash of the text written from them>".
std::string outcomeOf(const std::string& bytes) {
    const auto read = readDocumentJson(bytes);
    if (const auto* error = std::get_if<DocumentError>(&read))
        return std::string("error ") + kErrorNames[static_cast<int>(*error)];
    const DocumentFile& file = std::get<DocumentFile>(read);
    return "read " + shortHash(valuesOf(file)) + " " + shortHash(writeDocumentJson(file));
}

TEST(DocumentText, EveryCorpusFileReadsAndWritesAsRecorded) {
    std::map<std::string, std::string> recorded;  // file name -> outcome
    std::ifstream table(kDataFolder / "document_corpus_outcomes.txt");
    std::string name;
    std::string outcome;
    while (table >> name && std::getline(table >> std::ws, outcome))
        recorded[name] = outcome;
    int count = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(KELVARO_SOURCE_DIR) / "fuzz" / "corpus" / "document")) {
        const std::string file = entry.path().filename().string();
        EXPECT_EQ(outcomeOf(test::readBytes(entry.path())), recorded[file]) << file;
        ++count;
    }
    EXPECT_EQ(count, static_cast<int>(recorded.size()));
    EXPECT_GT(count, 80);
}

}  // namespace
}  // namespace kelvaro
