// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The recovery file's text: a portrait with expressions and links, its document file and a
// history with undone steps come back exactly; a broken text gives its one error.
#include <gtest/gtest.h>

#include <string>

#include "model/recovery_json.h"

namespace kelvaro {
namespace {

// Kinds the tests' history knows: 1 and 2 without a setting, 11 with settings 0..4.
bool knownKind(int kind, int setting) {
    return (kind == 1 || kind == 2) ? setting == -1 : kind == 11 && setting >= 0 && setting < 5;
}

ExpressionSet twoExpressions(int edited) {
    ExpressionSet set;
    set.expressions.push_back({"Radość", {}});
    set.expressions.push_back({"Złość", {}});
    set.expressions[1].overrides[5] = ElementOverride{2, -3, 4, 350};
    set.edited = edited;
    return set;
}

PortraitDocument richDocument() {
    PortraitDocument document;
    document.currentElement = 4;
    document.sizeChoice = 2;
    document.current.red = 180;
    document.scroll.contrast = -40;
    document.irisMask = IrisMaskOffset{2, -1};
    document.linkedElements = (1u << 9) | (1u << 10);
    for (int i = 0; i < kLayerCount; ++i)
        document.layers[static_cast<std::size_t>(i)] = {
            i % 3, i, -i, (i * 20) % 360, {200, 100 + i, 50, -i, i}, i % 2 == 0};
    document.expressions = twoExpressions(2);
    return document;
}

// Three steps: a part change, a colour change of two layers, and the expression set's change.
std::vector<RecoveredStep> threeSteps() {
    DocumentDelta part;
    part.valuesAfter.currentElement = 4;
    part.layerChanges = {{3, 0, 0, 2}};
    DocumentDelta colour;
    colour.valuesBefore.current.red = 255;
    colour.valuesAfter.current.red = 180;
    colour.layerChanges = {{2, 4, 255, 180}, {7, 4, 255, 180}, {7, 9, 0, 1}};
    DocumentDelta expressions;
    expressions.expressionsBefore = ExpressionSet{};
    expressions.expressionsAfter = twoExpressions(2);
    return {{1, -1, part}, {11, 0, colour}, {2, -1, expressions}};
}

std::string textOf(const PortraitDocument& portrait, const std::vector<RecoveredStep>& steps,
                   int index, std::string_view documentFile = "/home/ala/twarz.kelvaro") {
    DocumentFile document;
    document.portrait = portrait;
    std::vector<std::string> texts;
    for (const RecoveredStep& step : steps)
        texts.push_back(recoveryStepText(step.kind, step.setting, step.delta));
    std::vector<const std::string*> pointers;
    for (const std::string& text : texts)
        pointers.push_back(&text);
    return recoveryText(writeDocumentJson(document), documentFile, false, index, pointers);
}

void expectSameDelta(const DocumentDelta& read, const DocumentDelta& written) {
    EXPECT_EQ(read.valuesBefore, written.valuesBefore);
    EXPECT_EQ(read.valuesAfter, written.valuesAfter);
    EXPECT_EQ(read.layerChanges, written.layerChanges);
    EXPECT_EQ(read.expressionsBefore, written.expressionsBefore);
    EXPECT_EQ(read.expressionsAfter, written.expressionsAfter);
}

TEST(RecoveryJson, PortraitHistoryAndDocumentFileComeBackExactly) {
    const PortraitDocument portrait = richDocument();
    const std::vector<RecoveredStep> steps = threeSteps();
    const auto read = readRecoveryText(textOf(portrait, steps, 2), &knownKind, 3);
    ASSERT_TRUE(std::holds_alternative<RecoveryFile>(read));
    const RecoveryFile& file = std::get<RecoveryFile>(read);
    EXPECT_EQ(file.portrait, portrait);
    EXPECT_EQ(file.documentFile, "/home/ala/twarz.kelvaro");
    EXPECT_FALSE(file.saved);
    EXPECT_EQ(file.index, 2);
    ASSERT_EQ(file.steps.size(), 3u);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(file.steps[i].kind, steps[i].kind) << i;
        EXPECT_EQ(file.steps[i].setting, steps[i].setting) << i;
        expectSameDelta(file.steps[i].delta, steps[i].delta);
    }
}

// `text` with the first `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(RecoveryJson, BrokenTextsGiveTheirOneError) {
    const std::string good = textOf(richDocument(), threeSteps(), 2);
    struct Row {
        std::string text;
        RecoveryError error;
    };
    const Row rows[] = {
        {"", RecoveryError::NotARecovery},
        {good.substr(0, good.size() / 2), RecoveryError::NotARecovery},
        {"[1, 2]", RecoveryError::NotARecovery},
        {replaced(good, "Kelvaro recovery", "Kelvaro portrait"), RecoveryError::NotARecovery},
        {replaced(good, "\"version\":1", "\"version\":2"), RecoveryError::WrongVersion},
        {replaced(good, "\"version\":1", "\"version\":\"1\""), RecoveryError::WrongVersion},
        {replaced(good, "Kelvaro portrait", "Kelvaro portret"), RecoveryError::BadDocument},
        {replaced(good, "\"document\":{", "\"document\":[{"), RecoveryError::NotARecovery},
        {replaced(good, "\"index\":2", "\"index\":4"), RecoveryError::BadValues},
        {replaced(good, "\"index\":2", "\"index\":-1"), RecoveryError::BadValues},
        {replaced(good, "\"index\":2", "\"index\":1.5"), RecoveryError::BadValues},
        {replaced(good, "\"kind\":1,", "\"kind\":99,"), RecoveryError::BadValues},
        {replaced(good, "\"setting\":0", "\"setting\":5"), RecoveryError::BadValues},
        {replaced(good, "[3,0,0,2]", "[24,0,0,2]"), RecoveryError::BadValues},
        {replaced(good, "[3,0,0,2]", "[3,10,0,2]"), RecoveryError::BadValues},
        {replaced(good, "[3,0,0,2]", "[3,0,0]"), RecoveryError::BadValues},
        {replaced(good, "[2,4,255,180],[7,4,255,180]", "[7,4,255,180],[2,4,255,180]"),
         RecoveryError::BadValues},
        {replaced(good, "[2,4,255,180],[7,4,255,180]", "[2,4,255,180],[2,4,255,180]"),
         RecoveryError::BadValues},
        {replaced(good, "\"expressionsAfter\"", "\"expressionsLater\""), RecoveryError::BadValues},
        {replaced(good, "\"saved\":false", "\"saved\":0"), RecoveryError::BadValues},
        {replaced(good, "\"documentFile\":\"/home", "\"documentFile\":7,\"x\":\"/home"),
         RecoveryError::BadValues},
        {replaced(good, "\"steps\":[", "\"steps\":7,\"old\":["), RecoveryError::BadValues},
        {replaced(good, "\"element\": 4", "\"element\": 15"), RecoveryError::BadDocument},
        {replaced(good, "\"element\":0", "\"element\":15"), RecoveryError::BadValues},
    };
    for (const Row& row : rows) {
        const auto read = readRecoveryText(row.text, &knownKind, 3);
        ASSERT_TRUE(std::holds_alternative<RecoveryError>(read)) << row.text.substr(0, 300);
        EXPECT_EQ(std::get<RecoveryError>(read), row.error) << row.text.substr(0, 300);
        EXPECT_FALSE(recoveryErrorReason(row.error).empty());
    }
    // More steps than the history holds.
    const auto read = readRecoveryText(good, &knownKind, 2);
    ASSERT_TRUE(std::holds_alternative<RecoveryError>(read));
    EXPECT_EQ(std::get<RecoveryError>(read), RecoveryError::BadValues);
}

}  // namespace
}  // namespace kelvaro
