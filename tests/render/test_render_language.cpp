// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The renderer in the user's language: a line with values inside, composed in the language
// installed when it is made, and the program's own choice of the desktop's language. The
// English lines come from the English catalogue (i18n/kelvaro_en.ts).
#include <gtest/gtest.h>

#include "i18n/interface_language.h"
#include "render/render_options.h"
#include "tests/support/render_process.h"

namespace kelvaro::render {
namespace {

using L = InterfaceLanguage;

const std::vector<std::string> kTooLargeSheet = {"--sheet", "64x64", "--size",   "512",
                                                 "-o",      "x",     "a.kelvaro"};
constexpr const char* kTooLargeInEnglish =
    "Sheet too large: 32768x32768 pixels (at most 16777216 pixels)";

TEST(RenderLanguage, AMistakeWithValuesIsComposedInTheInstalledLanguage) {
    const std::pair<L, const char*> rows[] = {
        {L::English, kTooLargeInEnglish},
        {L::Source, "シートが大きすぎます: 32768x32768 ピクセル (上限 16777216 ピクセル)"},
    };
    Translations translations;  // removes what it installed when the test ends
    for (const auto& [language, expected] : rows) {
        translations.install(language);
        const auto parsed = parseOptions(kTooLargeSheet);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
        EXPECT_EQ(std::get<std::string>(parsed), expected) << languageCode(language).toStdString();
    }
}

TEST(RenderLanguage, TheProgramSpeaksTheDesktopsLanguage) {
    QStringList arguments;
    for (const std::string& argument : kTooLargeSheet)
        arguments << QString::fromStdString(argument);
    const auto result = test::runRenderer(arguments, {}, {}, {"LANG=en_US.UTF-8"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, std::string("kelvaro-render: ") + kTooLargeInEnglish + "\n");
}

}  // namespace
}  // namespace kelvaro::render
