// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The library the renderer reads without --library: the current folder, the user's library (as
// kelvaro-launcher chooses it from XDG_DATA_HOME and HOME), then the installed sample library.
#include <gtest/gtest.h>

#include "model/data_folders.h"
#include "tests/support/environment_value.h"
#include "tests/support/fixtures.h"

namespace kelvaro::render {
namespace {

namespace fs = std::filesystem;

TEST(DefaultLibrary, FirstFolderThatHoldsPicture) {
    enum Folder { Current, XdgData, HomeData, Installed };
    struct Row {
        const char* name;
        std::vector<Folder> libraries;  // the folders given a picture/
        const char* xdgDataHome;        // "abs": the test's data folder; nullptr: unset
        Folder chosen;
    };
    const std::vector<Row> rows = {
        {"current first", {Current, XdgData, Installed}, "abs", Current},
        {"then the user's", {XdgData, HomeData, Installed}, "abs", XdgData},
        {"unset: ~/.local/share", {XdgData, HomeData, Installed}, nullptr, HomeData},
        {"empty: ~/.local/share", {XdgData, HomeData, Installed}, "", HomeData},
        {"relative: ~/.local/share", {XdgData, HomeData, Installed}, "data", HomeData},
        {"then the installed", {HomeData, Installed}, "abs", Installed},
        {"a link counts, as for the launcher", {XdgData, Installed}, "abs", XdgData},
        {"none: the current folder", {}, "abs", Current},
    };
    for (const Row& row : rows) {
        test::TempFolder temp;
        const fs::path home = temp.path() / "home";
        const std::map<Folder, fs::path> folders = {
            {Current, temp.path() / "work"},
            {XdgData, temp.path() / "data" / "kelvaro"},
            {HomeData, home / ".local" / "share" / "kelvaro"},
            {Installed, temp.path() / "usr" / "share" / "kelvaro"},
        };
        for (const auto& [folder, path] : folders)
            fs::create_directories(path);
        for (Folder folder : row.libraries) {
            if (std::string(row.name).starts_with("a link") && folder == XdgData)
                fs::create_directory_symlink(temp.path() / "gone", folders.at(folder) / "picture");
            else
                fs::create_directory(folders.at(folder) / "picture");
        }
        const std::string data = (temp.path() / "data").string();
        const bool absolute = row.xdgDataHome != nullptr && std::string(row.xdgDataHome) == "abs";
        const test::EnvironmentValue setHome("HOME", home.c_str());
        const test::EnvironmentValue setXdg("XDG_DATA_HOME",
                                            absolute ? data.c_str() : row.xdgDataHome);
        EXPECT_EQ(defaultLibrary(folders.at(Current), folders.at(Installed)),
                  folders.at(row.chosen))
            << row.name;
    }
}

}  // namespace
}  // namespace kelvaro::render
