// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// The installed thumbnailer as a file manager runs it: its Exec line with the size, the document
// and the output filled in, in a home folder of its own, against the renderer's own output.
#include <gtest/gtest.h>

#include <QProcess>
#include <QUrl>
#include <sstream>

#include "io/file_boundary.h"
#include "tests/render/render_fixture.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

const fs::path kStagedRoot = fs::path(KELVARO_PACKAGE_DIR) / "root";

// The value of `key` in the installed kelvaro.thumbnailer.
std::string thumbnailerKey(const std::string& key) {
    std::istringstream in(readBytes(kStagedRoot / "usr/share/thumbnailers/kelvaro.thumbnailer"));
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(key + "="))
            return line.substr(key.size() + 1);
    }
    return {};
}

// The Exec line with %s, %i and %o replaced, its program found in the package's bin/; run in
// `home`, which is also HOME and the current folder, with XDG_DATA_HOME `dataHome`.
RenderResult runThumbnailer(int size, const QString& input, const fs::path& output,
                            const fs::path& home, const fs::path& dataHome) {
    QStringList words = QString::fromStdString(thumbnailerKey("Exec")).split(' ');
    for (QString& word : words) {
        if (word == "%s")
            word = QString::number(size);
        else if (word == "%i")
            word = input;
        else if (word == "%o")
            word = toQtPath(output);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", toQtPath(home));
    env.insert("XDG_DATA_HOME", toQtPath(dataHome));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(toQtPath(home));
    process.start(toQtPath(kStagedRoot / "usr/bin" / words.takeFirst().toStdString()), words);
    RenderResult result;
    if (process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

TEST(Thumbnailer, ExecLineGivesTheRenderersPixelsAtTheAskedSize) {
    EXPECT_EQ(thumbnailerKey("TryExec"), "kelvaro-render");
    EXPECT_EQ(thumbnailerKey("MimeType"), "application/x-kelvaro-portrait;");
    TempFolder temp;
    const fs::path home = temp.path() / "home";
    fs::create_directories(home);
    const fs::path portrait = temp.path() / "Portret ż 1.kelvaro";
    writePortrait(portrait, 1);
    // A user's library without parts: every layer is drawn with the dummy.
    const fs::path userData = temp.path() / "user-data";
    const fs::path noParts = userData / "kelvaro";
    fs::create_directories(noParts / "picture");
    for (const char* file : {"wall.png", "dummy.png"})
        fs::copy_file(sampleLibrary() / "picture" / file, noParts / "picture" / file);
    const fs::path notPortrait = temp.writeFile("notes.kelvaro", "not a portrait\n");

    struct Row {
        const char* name;
        int size;
        fs::path document;
        bool asUri;
        fs::path dataHome;  // no library there: the installed sample library is read
        fs::path library;   // what --library names for the renderer's own output; empty: none
    };
    const std::vector<Row> rows = {
        {"a path, the installed library", 128, portrait, false, temp.path() / "none",
         sampleLibrary()},
        {"a URI, the installed library", 256, portrait, true, temp.path() / "none",
         sampleLibrary()},
        {"missing parts from the user's library", 96, portrait, true, userData, noParts},
        {"not a portrait", 128, notPortrait, false, temp.path() / "none", {}},
    };
    for (const Row& row : rows) {
        const fs::path output = temp.path() / (std::string(row.name) + ".png");
        const QString input =
            row.asUri ? QUrl::fromLocalFile(toQtPath(row.document)).toString(QUrl::FullyEncoded)
                      : toQtPath(row.document);
        const RenderResult thumbnail = runThumbnailer(row.size, input, output, home, row.dataHome);
        if (row.library.empty()) {
            EXPECT_NE(thumbnail.exitCode, 0) << row.name;
            EXPECT_FALSE(fs::exists(output)) << row.name;
            continue;
        }
        EXPECT_EQ(thumbnail.exitCode, 0) << row.name << ": " << thumbnail.err;
        EXPECT_EQ(thumbnail.err, "") << row.name;
        const fs::path reference = temp.path() / "reference.png";
        // Its own run may note the parts missing since the save; a thumbnail does not.
        const RenderResult own =
            runRenderer({"--library", q(row.library), "--size", QString::number(row.size), "-o",
                         q(reference), q(row.document)});
        EXPECT_EQ(own.exitCode, 0) << row.name << ": " << own.err;
        const QImage picture = argbImage(output);
        EXPECT_EQ(picture.size(), QSize(row.size, row.size)) << row.name;
        EXPECT_TRUE(picture == argbImage(reference)) << row.name;
    }
}

}  // namespace
}  // namespace kelvaro::test
