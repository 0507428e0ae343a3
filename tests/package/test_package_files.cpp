// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// The files of the Debian package: its fields, what it installs where, and that its icons,
// sample library, help page and man pages are the ones this build made.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>
#include <QLocale>
#include <QMimeDatabase>
#include <QProcess>
#include <set>
#include <sstream>

#include "io/file_boundary.h"
#include "tests/package/package_support.h"
#include "tests/support/fixtures.h"
#include "ui/icons.h"

namespace kelvaro::test {
namespace {

const std::filesystem::path kSource = KELVARO_SOURCE_DIR;
const QString kAppId = QStringLiteral(KELVARO_APP_ID);
constexpr bool kHaveRenderer = KELVARO_HAVE_RENDER;
constexpr bool kHaveLibraryTool = KELVARO_HAVE_LIBRARY;

// The package's control fields; continuation lines belong to the field before them.
std::map<std::string, std::string> controlFields() {
    std::map<std::string, std::string> fields;
    std::istringstream in(readBytes(std::filesystem::path(KELVARO_PACKAGE_DIR) / "control"));
    std::string line, name;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == ' ') {
            fields[name] += "\n" + line;
        } else if (const auto colon = line.find(": "); colon != std::string::npos) {
            name = line.substr(0, colon);
            fields[name] = line.substr(colon + 2);
        }
    }
    return fields;
}

// The keys of a desktop entry's [Desktop Entry] group.
std::map<std::string, std::string> desktopEntry(const std::filesystem::path& file) {
    std::map<std::string, std::string> keys;
    std::istringstream in(readBytes(file));
    std::string line, group;
    while (std::getline(in, line)) {
        if (line.starts_with('['))
            group = line;
        else if (const auto equals = line.find('=');
                 group == "[Desktop Entry]" && equals != line.npos)
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

std::string commandOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return process.readAllStandardOutput().trimmed().toStdString();
}

bool isExecutable(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IXOTH);
}

std::string gunzip(const std::filesystem::path& file) {
    QProcess gzip;
    gzip.start("gzip", {"-dc", toQtPath(file)});
    gzip.waitForFinished();
    return gzip.exitCode() == 0 ? gzip.readAllStandardOutput().toStdString() : std::string();
}

// The licence as a Debian copyright file holds it: the paragraphs after the title and the
// copyright line, each line indented by a space, an empty line as " .".
std::string copyrightLicenceText(const std::string& license) {
    std::istringstream in(license);
    std::string line, text;
    int emptyLines = 0;
    while (std::getline(in, line)) {
        if (line.empty())
            ++emptyLines;
        if (emptyLines >= 2)
            text += line.empty() ? " .\n" : " " + line + "\n";
    }
    return text.substr(3);  // from the first line after the copyright line's empty one
}

// The programs the metainfo provides.
std::set<std::string> providedBinaries(const std::string& metainfo) {
    std::set<std::string> binaries;
    const std::string open = "<binary>", close = "</binary>";
    for (auto start = metainfo.find(open); start != std::string::npos;
         start = metainfo.find(open, start + 1)) {
        const auto first = start + open.size();
        binaries.insert(metainfo.substr(first, metainfo.find(close, first) - first));
    }
    return binaries;
}

TEST(Package, FieldsNameTheRunTimeLibrariesTheProgramsUse) {
    const auto fields = controlFields();
    EXPECT_EQ(fields.at("Package"), "kelvaro");
    EXPECT_EQ(fields.at("Version"), KELVARO_VERSION "-1");  // the package's first revision
    EXPECT_EQ(fields.at("Architecture"), commandOutput("dpkg", {"--print-architecture"}));
    EXPECT_EQ(fields.at("Section"), "graphics");
    // Found by dpkg-shlibdeps in the programs, not written by hand.
    const std::string& depends = fields.at("Depends");
    for (const char* library :
         {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
    }
    EXPECT_NE(fields.at("Recommends").find("qt6-translations-l10n"), std::string::npos);
    EXPECT_NE(fields.at("Recommends").find("fonts-ipafont-gothic"), std::string::npos);
    EXPECT_FALSE(fields.at("Maintainer").empty());
    EXPECT_NE(fields.at("Description").find("\n "), std::string::npos);  // a long description
}

TEST(Package, InstallsEveryFileADesktopExpectsAndNoOtherProgram) {
    const std::filesystem::path usr = stagedRoot() / "usr";
    std::set<std::string> programs = {"kelvaro", "kelvaro-launcher"};
    if (kHaveRenderer)
        programs.insert("kelvaro-render");
    if (kHaveLibraryTool)
        programs.insert("kelvaro-library");
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(usr / "bin")) {
        found.insert(entry.path().filename().string());
        EXPECT_TRUE(isExecutable(entry.path())) << entry.path();
    }
    EXPECT_EQ(found, programs);

    std::vector<std::string> files = {
        "share/applications/" + kAppId.toStdString() + ".desktop",
        "share/metainfo/" + kAppId.toStdString() + ".metainfo.xml",
        "share/mime/packages/kelvaro.xml",
        "share/kelvaro/kelvaro.html",
        "share/kelvaro/kelvaro.en.html",
        "share/kelvaro/kelvaro.ja.html",
        "share/kelvaro/picture/wall.png",
        "share/kelvaro/picture/dummy.png",
        "share/kelvaro/picture/face/000.png",
        "share/kelvaro/palettes/skin.gpl",
        "share/kelvaro/palettes/hair.gpl",
        "share/kelvaro/palettes/eyes.gpl",
        "share/kelvaro/palettes/general.gpl",
        "share/man/man1/kelvaro.1.gz",
        "share/man/man1/kelvaro-launcher.1.gz",
        "share/doc/kelvaro/copyright",
        "share/doc/kelvaro/changelog.Debian.gz",
    };
    if (kHaveRenderer) {
        files.push_back("share/man/man1/kelvaro-render.1.gz");
        files.push_back("share/thumbnailers/kelvaro.thumbnailer");
        files.push_back("share/bash-completion/completions/kelvaro-render");
    }
    if (kHaveLibraryTool) {
        files.push_back("share/man/man1/kelvaro-library.1.gz");
        files.push_back("share/bash-completion/completions/kelvaro-library");
    }
    for (const std::string& file : files)
        EXPECT_TRUE(std::filesystem::is_regular_file(usr / file)) << file;
    // Everything below usr/, nothing beside the program in bin/ but programs.
    for (const auto& entry : std::filesystem::directory_iterator(stagedRoot()))
        EXPECT_EQ(entry.path().filename(), "usr");
    // Debian's machine-readable format, with the licence of LICENSE.
    const std::string copyright = readBytes(usr / "share/doc/kelvaro/copyright");
    EXPECT_TRUE(copyright.starts_with(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"));
    EXPECT_TRUE(copyright.ends_with("\nLicense: Expat\n" +
                                    copyrightLicenceText(readBytes(kSource / "LICENSE"))));
    EXPECT_TRUE(gunzip(usr / "share/doc/kelvaro/changelog.Debian.gz")
                    .starts_with("kelvaro (" KELVARO_VERSION "-1) unstable; urgency=medium\n"));
}

TEST(Package, SampleLibraryIsTheOneTheBuildDrew) {
    const auto built = filesBelow(std::filesystem::path(KELVARO_BINARY_DIR) / "sample" / "picture");
    const auto staged = filesBelow(stagedShare() / "kelvaro" / "picture");
    EXPECT_GT(built.size(), 100u);
    EXPECT_EQ(staged.size(), built.size());
    EXPECT_TRUE(staged == built);
}

TEST(Package, IconsAreTheProgramsOwnDrawingAtEverySize) {
    for (int size : kApplicationIconSizes) {
        const auto file = stagedShare() / "icons/hicolor" /
                          (std::to_string(size) + "x" + std::to_string(size)) / "apps" /
                          (kAppId.toStdString() + ".png");
        const QImage icon = QImage(toQtPath(file)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << file;
        const QImage drawn =
            iconImage(kApplicationIcon, size).convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(icon == drawn) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;  // not an empty image
    }
}

TEST(Package, DesktopEntryStartsTheLauncherOnPortraitDocumentsWithTheIcon) {
    const auto entry =
        desktopEntry(stagedShare() / "applications" / (kAppId.toStdString() + ".desktop"));
    EXPECT_EQ(entry.at("Exec"), "kelvaro-launcher %f");
    EXPECT_EQ(entry.at("Icon"), kAppId.toStdString());
    EXPECT_EQ(entry.at("Type"), "Application");
    EXPECT_EQ(entry.at("MimeType"), "application/x-kelvaro-portrait;");
    EXPECT_EQ(entry.at("StartupWMClass"), "kelvaro");
    // The metainfo names this entry and the same type.
    const std::string metainfo =
        readBytes(stagedShare() / "metainfo" / (kAppId.toStdString() + ".metainfo.xml"));
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" + kAppId.toStdString() +
                            ".desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(metainfo.find("<mediatype>application/x-kelvaro-portrait</mediatype>"),
              std::string::npos);
    EXPECT_NE(metainfo.find("<release version=\"" KELVARO_VERSION "\""), std::string::npos);
    // It provides every installed program.
    std::set<std::string> programs;
    for (const auto& program : std::filesystem::directory_iterator(stagedRoot() / "usr/bin"))
        programs.insert(program.path().filename().string());
    EXPECT_EQ(providedBinaries(metainfo), programs);
}

TEST(Package, PortraitDocumentsHaveTheirMimeType) {
    // Qt reads the installed type; the system's database is kept out of the way.
    TempFolder empty;
    qputenv("XDG_DATA_HOME", empty.path().c_str());
    qputenv("XDG_DATA_DIRS", stagedShare().c_str());
    QLocale::setDefault(QLocale(QLocale::Polish));
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile("cast/villager.kelvaro", QMimeDatabase::MatchExtension);
    EXPECT_EQ(type.name(), "application/x-kelvaro-portrait");
    EXPECT_EQ(type.comment(), "Portret Kelvaro");
    EXPECT_TRUE(type.inherits("application/json"));

    // shared-mime-info's own compiler accepts the file and maps the extension.
    std::filesystem::copy(stagedShare() / "mime", empty.path() / "mime",
                          std::filesystem::copy_options::recursive);
    QProcess update;
    update.start("update-mime-database", {toQtPath(empty.path() / "mime")});
    ASSERT_TRUE(update.waitForFinished());
    EXPECT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
    EXPECT_EQ(update.readAllStandardError().toStdString(), "");
    EXPECT_NE(readBytes(empty.path() / "mime" / "globs2")
                  .find("application/x-kelvaro-portrait:*.kelvaro"),
              std::string::npos);
}

TEST(Package, HelpPageAndManPagesAreTheSources) {
    for (const char* page : {"kelvaro.html", "kelvaro.en.html", "kelvaro.ja.html"})
        EXPECT_EQ(readBytes(stagedShare() / "kelvaro" / page), readBytes(kSource / "data" / page))
            << page;
    std::vector<std::string> pages = {"kelvaro.1", "kelvaro-launcher.1"};
    if (kHaveRenderer)
        pages.push_back("kelvaro-render.1");
    if (kHaveLibraryTool)
        pages.push_back("kelvaro-library.1");
    for (const std::string& page : pages) {
        EXPECT_EQ(gunzip(stagedShare() / "man" / "man1" / (page + ".gz")),
                  readBytes(kSource / "data" / page))
            << page;
    }
    // man finds the launcher's page through its link to the editor's.
    QProcess man;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MANPATH", toQtPath(stagedShare() / "man"));
    env.insert("MANWIDTH", "80");
    man.setProcessEnvironment(env);
    man.start("man", {"-P", "cat", "kelvaro-launcher"});
    ASSERT_TRUE(man.waitForFinished());
    // Justified text: the words may stand any number of spaces apart.
    const QString shown = QString::fromUtf8(man.readAllStandardOutput()).simplified();
    EXPECT_TRUE(shown.contains("kelvaro-launcher is what")) << shown.left(400).toStdString();
}

TEST(Package, RendererRunsWhenItIsPartOfTheBuild) {
    if (!kHaveRenderer)
        GTEST_SKIP() << "this tree has no kelvaro-render";
    QProcess render;
    render.setProcessChannelMode(QProcess::MergedChannels);
    render.start(toQtPath(stagedRoot() / "usr/bin/kelvaro-render"), {"--help"});
    ASSERT_TRUE(render.waitForFinished());
    EXPECT_EQ(render.exitCode(), 0);
    EXPECT_NE(render.readAll().indexOf("kelvaro-render"), -1);
}

}  // namespace
}  // namespace kelvaro::test
