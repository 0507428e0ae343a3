// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Expression sets: a portrait's faces on one sheet or as files named after them, each exactly the
// portrait rendered alone while that face is edited, and drawn casts taking a template's faces.
#include <gtest/gtest.h>

#include "io/file_boundary.h"
#include "tests/render/render_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

// The picture of `document` showing face `face`, rendered alone by the single-portrait mode.
fs::path renderedAlone(const fs::path& folder, PortraitDocument document, int face,
                       const QStringList& extra) {
    document.expressions.edited = face;
    const fs::path source = folder / ("alone" + std::to_string(face) + ".kelvaro");
    const fs::path picture = folder / ("alone" + std::to_string(face) + ".png");
    writeDocument(source, document);
    expectSuccess(runRenderer(onSample(extra + QStringList{"-o", q(picture), q(source)})));
    return picture;
}

TEST(RenderExpressions, SheetCellsAreTheFacesRenderedAlone) {
    TempFolder folder;
    const PortraitDocument document = expressivePortrait(1, {"Radość", "Sen"});
    writeDocument(folder.path() / "hero.kelvaro", document);
    struct Row {
        QString layout;
        QStringList extra;  // options of the sheet and of the faces alone
        int columns, rows, cell, faces;
    };
    const Row rows[] = {
        {"mz", {}, 4, 2, 144, 3},
        {"3x2", {"--size", "48", "--transparent"}, 3, 2, 48, 3},
        {"2x1", {"--size", "40"}, 2, 1, 40, 2},  // the faces the layout has room for
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.layout.toStdString());
        const fs::path sheetFile = folder.path() / "sheet.png";
        expectSuccess(runRenderer(
            onSample(QStringList{"--expressions", "--sheet", row.layout, "-o", q(sheetFile)} +
                     row.extra + QStringList{q(folder.path() / "hero.kelvaro")})));
        const QImage sheet = argbImage(sheetFile);
        ASSERT_EQ(sheet.size(), QSize(row.columns * row.cell, row.rows * row.cell));
        EXPECT_EQ(documentIn(sheetFile).portrait, document);
        QStringList alone = row.extra;
        if (!row.extra.contains("--size"))
            alone << "--size" << QString::number(row.cell);
        std::vector<QImage> cells;
        for (int i = 0; i < row.columns * row.rows; ++i) {
            cells.push_back(sheet.copy((i % row.columns) * row.cell, (i / row.columns) * row.cell,
                                       row.cell, row.cell));
            QImage clear(row.cell, row.cell, QImage::Format_ARGB32);
            clear.fill(0);
            const QImage expected =
                i < row.faces ? argbImage(renderedAlone(folder.path(), document, i, alone)) : clear;
            EXPECT_TRUE(cells.back() == expected) << "cell " << i;
        }
        EXPECT_FALSE(cells[0] == cells[1]);  // the expressions show
    }
}

TEST(RenderExpressions, FilesAreTheFacesNamedAfterThem) {
    TempFolder folder;
    const std::vector<std::string> names = {"Radość", "zły/smutny", "..", "Radość", "Neutralna"};
    const PortraitDocument document = expressivePortrait(1, names);  // saved at 96
    writeDocument(folder.path() / "hero.kelvaro", document);
    const fs::path out = folder.path() / "faces";
    expectSuccess(
        runRenderer(onSample({"--expressions", "-o", q(out), q(folder.path() / "hero.kelvaro")})));
    const std::vector<std::string> files = {"Neutralna.png", "Radość.png",     "zły_smutny.png",
                                            "Mina.png",      "Radość (2).png", "Neutralna (2).png"};
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(out))
        written.insert(entry.path().filename().string());
    EXPECT_EQ(written, std::set<std::string>(files.begin(), files.end()));
    for (int face = 0; face < static_cast<int>(files.size()); ++face) {
        SCOPED_TRACE(files[static_cast<std::size_t>(face)]);
        const fs::path file = out / files[static_cast<std::size_t>(face)];
        EXPECT_EQ(readBytes(file), readBytes(renderedAlone(folder.path(), document, face, {})));
        EXPECT_EQ(documentIn(file).portrait.expressions.edited, face);
        EXPECT_EQ(QImage(q(file)).size(), QSize(96, 96));
    }
    expectSuccess(runRenderer(onSample({"--expressions", "--format", "bmp", "--size", "48", "-o",
                                        q(out), q(folder.path() / "hero.kelvaro")})));
    EXPECT_EQ(readBytes(out / "Radość (2).bmp").substr(0, 2), "BM");
}

TEST(RenderExpressions, CastSheetsGiveEachCharacterTheTemplatesExpressions) {
    TempFolder folder;
    const PortraitDocument pattern = expressivePortrait(2, {"Radość", "Sen", "Gniew"});
    writeDocument(folder.path() / "template.kelvaro", pattern);
    const QStringList cast = {"--random", "3", "--seed", "9", "--colours"};
    const QStringList sheets =
        cast +
        QStringList{"--expressions-from", q(folder.path() / "template.kelvaro"), "--sheet", "mz"};
    expectSuccess(runRenderer(onSample(sheets + QStringList{"-j1", "-o", q(folder.path() / "a")})));
    expectSuccess(runRenderer(onSample(sheets + QStringList{"-j2", "-o", q(folder.path() / "b")})));
    expectSuccess(runRenderer(
        onSample(cast + QStringList{"--size", "144", "-o", q(folder.path() / "plain")})));
    for (const char* name : {"0001.png", "0002.png", "0003.png"}) {
        SCOPED_TRACE(name);
        const fs::path sheetFile = folder.path() / "a" / name;
        EXPECT_EQ(readBytes(sheetFile), readBytes(folder.path() / "b" / name));
        const DocumentFile sheet = documentIn(sheetFile);
        const DocumentFile plain = documentIn(folder.path() / "plain" / name);
        EXPECT_EQ(sheet.portrait.expressions, pattern.expressions);
        EXPECT_EQ(sheet.seed, plain.seed);
        EXPECT_EQ(sheet.portrait.layers, plain.portrait.layers);  // the character drawn alone
        const QImage cells = argbImage(sheetFile);
        EXPECT_TRUE(cells.copy(0, 0, 144, 144) == argbImage(folder.path() / "plain" / name));
        EXPECT_FALSE(cells.copy(144, 0, 144, 144) == cells.copy(0, 0, 144, 144));  // Radość
        EXPECT_EQ(qAlpha(cells.pixel(144 * 3 + 70, 70)), 255);  // the last expression's cell
        EXPECT_EQ(qAlpha(cells.pixel(70, 144 + 70)), 0);        // no fifth face
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "a"), {}), 3);

    // A template that cannot be read stops the cast before anything is written.
    const fs::path missing = folder.path() / "missing.kelvaro";
    const RenderResult refused =
        runRenderer(onSample({"--random", "2", "--seed", "1", "--expressions-from", q(missing),
                              "--sheet", "mz", "-o", q(folder.path() / "refused")}));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "kelvaro-render: ポートレートファイルを読み込めませんでした: " +
                               missing.string() + ": " + systemFailure(ENOENT).reason + "\n");
    EXPECT_FALSE(fs::exists(folder.path() / "refused"));
}

}  // namespace
}  // namespace kelvaro::test
