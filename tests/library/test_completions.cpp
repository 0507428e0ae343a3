// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The bash completion files offer every option the programs take and every element's folder.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/layer_tables.h"
#include "render/option_table.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

std::string completion(const char* program) {
    return readBytes(std::filesystem::path(KELVARO_SOURCE_DIR) / "data" / "completions" / program);
}

// True when `word` stands in `text` between blanks, quotes or the ends of lines.
bool offers(const std::string& text, std::string_view word) {
    constexpr std::string_view before = " \t\n'|(";
    constexpr std::string_view after = " \t\n')|";
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const auto end = at + word.size();
        if ((at == 0 || before.find(text[at - 1]) != std::string_view::npos) &&
            (end == text.size() || after.find(text[end]) != std::string_view::npos))
            return true;
    }
    return false;
}

TEST(Completions, OfferEveryOptionAndElementFolder) {
    struct Row {
        const char* program;
        std::vector<std::string> words;
    };
    std::vector<std::string> renderWords;
    for (const render::OptionInfo& option : render::optionTable()) {
        renderWords.emplace_back(option.name);
        if (!option.alias.empty())
            renderWords.emplace_back(option.alias);
    }
    std::vector<std::string> libraryWords = {"check",  "add",      "--help",   "--version",
                                             "--json", "--decode", "--library"};
    for (int element = 0; element < kElementCount; ++element) {
        renderWords.emplace_back(countedFolder(element));
        libraryWords.emplace_back(countedFolder(element));
    }
    const std::vector<Row> rows = {{"kelvaro-render", renderWords},
                                   {"kelvaro-library", libraryWords}};
    for (const Row& row : rows) {
        const std::string text = completion(row.program);
        EXPECT_NE(text.find("complete -F "), std::string::npos) << row.program;
        for (const std::string& word : row.words)
            EXPECT_TRUE(offers(text, word)) << row.program << " " << word;
    }
}

}  // namespace
}  // namespace kelvaro::test
