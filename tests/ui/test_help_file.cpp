// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// Where the help page is looked for: beside the program (the build tree), then in the data
// folder of an installed program (share/kelvaro/ beside bin/).
#include <gtest/gtest.h>

#include "i18n/interface_language.h"
#include "tests/support/fixtures.h"
#include "ui/help_window.h"

namespace kelvaro::test {
namespace {

TEST(HelpFile, FoundBesideTheProgramOrInTheInstalledDataFolder) {
    struct Row {
        bool beside, besideIsFolder, installed;
        const char* expected;  // below bin/
    };
    const Row rows[] = {
        {true, false, true, "kelvaro.html"},
        {false, false, true, KELVARO_BIN_TO_DATA "/kelvaro.html"},
        {true, false, false, "kelvaro.html"},
        {false, true, true, KELVARO_BIN_TO_DATA "/kelvaro.html"},  // a folder is no page
        {false, false, false, "kelvaro.html"},  // missing: the failure message names this one
    };
    for (const Row& row : rows) {
        TempFolder root;
        const auto bin = root.path() / "bin";
        const auto program = root.writeFile("bin/kelvaro", "program");
        if (row.beside)
            root.writeFile("bin/kelvaro.html", "<html></html>");
        if (row.besideIsFolder)
            std::filesystem::create_directories(bin / "kelvaro.html");
        if (row.installed) {
            std::filesystem::create_directories(bin / KELVARO_BIN_TO_DATA);
            root.writeFile(bin / KELVARO_BIN_TO_DATA / "kelvaro.html", "<html></html>");
        }
        EXPECT_EQ(helpFileFor(program), (bin / row.expected).lexically_normal())
            << row.beside << row.besideIsFolder << row.installed;
    }
}

// The page of the installed language lies beside the Polish one; a language whose page is missing
// gets the Polish page. The endings come from the catalogues (i18n/kelvaro_*.ts).
TEST(HelpFile, ThePageOfTheInstalledLanguageElseThePolishOne) {
    using L = InterfaceLanguage;
    struct Row {
        L language;
        std::vector<const char*> pages;  // beside kelvaro.html
        const char* expected;
    };
    const Row rows[] = {
        {L::Source, {"kelvaro.en.html", "kelvaro.ja.html"}, "kelvaro.html"},
        {L::English, {"kelvaro.en.html", "kelvaro.ja.html"}, "kelvaro.en.html"},
        {L::Japanese, {"kelvaro.en.html", "kelvaro.ja.html"}, "kelvaro.ja.html"},
        {L::English, {"kelvaro.ja.html"}, "kelvaro.html"},
        {L::Japanese, {"kelvaro.en.html"}, "kelvaro.html"},
    };
    Translations translations;  // removes what it installed when the test ends
    for (const Row& row : rows) {
        TempFolder folder;
        const auto polish = folder.writeFile("kelvaro.html", "<html></html>");
        for (const char* page : row.pages)
            folder.writeFile(page, "<html></html>");
        translations.install(row.language);
        EXPECT_EQ(pageInLanguage(polish), folder.path() / row.expected)
            << languageCode(row.language).toStdString() << " " << row.pages.size();
    }
}

}  // namespace
}  // namespace kelvaro::test
