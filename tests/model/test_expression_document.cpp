// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Expression sets in documents and undo steps: a document with expressions round-trips as version
// 1.2, one without is written as before, bad sets make the file unreadable, and a step copies the
// set only when it changed it.
#include <gtest/gtest.h>

#include "model/document_delta.h"
#include "model/document_json.h"

namespace kelvaro {
namespace {

DocumentFile documentWithExpressions() {
    DocumentFile file;
    Expression smile{"Radość", {}};
    smile.overrides[kEyes] = ElementOverride{3, -2, 1, 15};
    smile.overrides[kBand] = ElementOverride{0, 2147483647, -2147483647 - 1, 0};
    Expression sleep{"Sen", {}};
    sleep.overrides[kMouth] = ElementOverride{1, 0, 0, 355};
    file.portrait.expressions = {{smile, sleep}, 2};
    return file;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ExpressionDocument, ExpressionsRoundTripAndOlderFilesOpenWithTheBaseAlone) {
    const DocumentFile with = documentWithExpressions();
    const std::string text = writeDocumentJson(with);
    EXPECT_NE(text.find("\"version\": \"1.2\""), std::string::npos);
    EXPECT_NE(text.find("\"editedExpression\": 2"), std::string::npos);
    const auto read = readDocumentJson(text);
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(read));
    EXPECT_EQ(std::get<DocumentFile>(read).portrait, with.portrait);

    const std::string plain = writeDocumentJson(DocumentFile{});
    EXPECT_NE(plain.find("\"version\": \"1.1\""), std::string::npos);
    EXPECT_EQ(plain.find("expressions"), std::string::npos);
    const auto old = readDocumentJson(plain);
    ASSERT_TRUE(std::holds_alternative<DocumentFile>(old));
    EXPECT_EQ(std::get<DocumentFile>(old).portrait.expressions, ExpressionSet{});
}

TEST(ExpressionDocument, BadSetsMakeTheFileUnreadable) {
    const std::string good = writeDocumentJson(documentWithExpressions());
    std::string sixteen = "\"expressions\": [";
    for (int i = 0; i < kMaxFaces; ++i)
        sixteen += std::string(i ? "," : "") + "{\"name\": \"a\", \"overrides\": {}}";
    const struct Row {
        std::string text;
        bool readable;
    } rows[] = {
        {replaced(good, "\"editedExpression\": 2", "\"editedExpression\": 3"), false},
        {replaced(good, "\"editedExpression\": 2", "\"editedExpression\": -1"), false},
        {replaced(good, "\"editedExpression\": 2", "\"editedExpression\": 1"), true},
        {replaced(good, "\"name\": \"Sen\"", "\"name\": \"\""), false},
        {replaced(good, "\"name\": \"Sen\"", "\"name\": 5"), false},
        {replaced(good, "\"2\": {", "\"15\": {"), false},
        {replaced(good, "\"2\": {", "\"02\": {"), false},
        {replaced(good, "\"2\": {", "\"x\": {"), false},
        {replaced(good, "\"part\": 3", "\"part\": 3.5"), false},
        {replaced(good, "\"part\": 3", "\"part\": \"3\""), false},
        {replaced(good, "\"turn\": 15", "\"turn\": -15"), true},  // brought into 0..359
        {replaced(good, "\"expressions\": [", "\"expressions\": 3, \"x\": ["), false},
        {replaced(good, "\"expressions\": [", sixteen + ","), false},
        {replaced(good, "\"expressions\": [", sixteen.substr(0, sixteen.rfind(",{")) + ","),
         false},  // fifteen and the two: seventeen faces
    };
    for (const Row& row : rows) {
        const auto read = readDocumentJson(row.text);
        EXPECT_EQ(std::holds_alternative<DocumentFile>(read), row.readable) << row.text;
        if (!row.readable && std::holds_alternative<DocumentError>(read)) {
            EXPECT_EQ(std::get<DocumentError>(read), DocumentError::BadValues) << row.text;
        }
    }
}

TEST(ExpressionDocument, AStepCopiesTheSetOnlyWhenItChangedIt) {
    const PortraitDocument before = documentWithExpressions().portrait;
    PortraitDocument moved = before;
    moved.layers[0].x += 1;
    const DocumentDelta move = documentDelta(before, moved);
    EXPECT_FALSE(move.expressionsBefore);
    EXPECT_EQ(byteSize(move), byteSize(documentDelta(PortraitDocument{}, [] {
                  PortraitDocument d;
                  d.layers[0].x += 1;
                  return d;
              }())));

    PortraitDocument renamed = moved;
    renamed.expressions.expressions[1].name = "Sen głęboki i długi jak noc zimowa";
    const DocumentDelta rename = documentDelta(moved, renamed);
    ASSERT_TRUE(rename.expressionsBefore && rename.expressionsAfter);
    EXPECT_GE(byteSize(rename), sizeof(DocumentDelta) + 4 * sizeof(Expression));
    EXPECT_EQ(documentBefore(rename, renamed), moved);
    EXPECT_EQ(documentAfter(rename, moved), renamed);

    const DocumentDelta both = mergedDelta(move, rename);
    EXPECT_EQ(documentBefore(both, renamed), before);
    EXPECT_EQ(documentAfter(both, before), renamed);
    EXPECT_TRUE(changesNothing(mergedDelta(rename, documentDelta(renamed, moved))));
}

}  // namespace
}  // namespace kelvaro
