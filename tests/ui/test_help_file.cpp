// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// Where the help page is looked for: beside the program (the build tree), then in the data
// folder of an installed program (share/kelvaro/ beside bin/).
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kelvaro::test
