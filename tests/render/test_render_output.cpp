// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// What the renderer writes: sizes scaled from the 192 capture, transparent portraits, face
// sheets, outputs in a folder, and the formats.
#include <gtest/gtest.h>

#include "io/file_boundary.h"
#include "tests/render/render_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {
namespace {

namespace fs = std::filesystem;

// The colour type byte of a PNG's header: 2 RGB, 6 RGBA.
int pngColourType(const fs::path& file) {
    return static_cast<unsigned char>(readBytes(file).at(25));
}

TEST(RenderOutput, EverySizeIsThe192CaptureScaledSmoothly) {
    TempFolder folder;
    const fs::path portrait = folder.path() / "face.kelvaro";
    writePortrait(portrait, 1);
    expectSuccess(
        runRenderer(onSample({"--size", "192", "-o", q(folder.path() / "192.png"), q(portrait)})));
    const QImage full(q(folder.path() / "192.png"));
    ASSERT_EQ(full.size(), QSize(192, 192));
    EXPECT_EQ(pngColourType(folder.path() / "192.png"), 2);
    for (int edge : {16, 48, 60, 96, 144, 193, 1024}) {
        const fs::path file = folder.path() / (std::to_string(edge) + ".png");
        expectSuccess(
            runRenderer(onSample({"--size", QString::number(edge), "-o", q(file), q(portrait)})));
        const QImage scaled(q(file));
        EXPECT_EQ(pngColourType(file), 2) << edge;
        EXPECT_TRUE(scaled ==
                    full.scaled(edge, edge, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
            << edge;
    }
    // Without --size: the size the portrait was saved with (variant 1: 96), as "Zapisz" writes.
    expectSuccess(runRenderer(onSample({"-o", q(folder.path() / "own.png"), q(portrait)})));
    EXPECT_EQ(QImage(q(folder.path() / "own.png")).size(), QSize(96, 96));
    EXPECT_EQ(documentIn(folder.path() / "own.png").portrait, variedPortrait(1));
}

TEST(RenderOutput, TransparentPortraitsKeepTheLayersAlphaWithoutTheWall) {
    TempFolder folder;
    const fs::path portrait = folder.path() / "face.kelvaro";
    writePortrait(portrait, 0);
    const fs::path opaqueFile = folder.path() / "opaque.png";
    const fs::path clearFile = folder.path() / "clear.png";
    expectSuccess(runRenderer(onSample({"--size", "192", "-o", q(opaqueFile), q(portrait)})));
    expectSuccess(
        runRenderer(onSample({"--size", "192", "--transparent", "-o", q(clearFile), q(portrait)})));
    EXPECT_EQ(pngColourType(clearFile), 6);
    const QImage opaque = argbImage(opaqueFile);
    const QImage clear = argbImage(clearFile);
    const QImage wall = argbImage(sampleLibrary() / "picture" / "wall.png")
                            .scaled(192, 192, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int solid = 0, empty = 0, partial = 0, exact = 0;
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 192; ++x) {
            const QRgb c = clear.pixel(x, y);
            const QRgb o = opaque.pixel(x, y);
            const int a = qAlpha(c);
            a == 255 ? ++solid : a == 0 ? ++empty : ++partial;
            exact += c == o;
            // Straight colour over the wall gives the opaque portrait, to rounding (layers that
            // add up to alpha 255 may still let a trace of the wall through).
            const auto over = [&](int cc, int wc) { return (cc * a + wc * (255 - a)) / 255.0; };
            EXPECT_NEAR(over(qRed(c), qRed(wall.pixel(x, y))), qRed(o), 2.0) << x << "," << y;
            EXPECT_NEAR(over(qBlue(c), qBlue(wall.pixel(x, y))), qBlue(o), 2.0) << x << "," << y;
        }
    }
    EXPECT_GT(exact, solid * 9 / 10);
    EXPECT_GT(solid, 10000);  // the face and the clothes
    EXPECT_GT(empty, 1000);   // beside the head: the wall left out
    EXPECT_GT(partial, 100);  // the layers' soft edges
    EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);
}

TEST(RenderOutput, SheetsHaveTheirSizeAndTheFacesInReadingOrder) {
    TempFolder folder;
    QStringList portraits;
    for (int i = 0; i < 5; ++i) {
        const fs::path file = folder.path() / ("p" + std::to_string(i) + ".kelvaro");
        writePortrait(file, i);
        portraits << q(file);
    }
    struct Row {
        QString layout;
        QStringList extra;
        int columns, rows, cell, faces;
    };
    const Row rows[] = {
        {"mz", {}, 4, 2, 144, 5},
        {"mv", {}, 4, 2, 144, 3},
        {"vxace", {}, 4, 2, 96, 5},
        {"rm2000", {}, 4, 4, 48, 5},
        {"2x3", {}, 2, 3, 144, 5},
        {"3x1", {"--size", "40"}, 3, 1, 40, 2},
        {"rm2000", {"--size", "48"}, 4, 4, 48, 1},
    };
    for (const Row& row : rows) {
        const fs::path sheetFile = folder.path() / ("sheet-" + row.layout.toStdString() + ".png");
        const QStringList faces = portraits.mid(0, row.faces);
        expectSuccess(runRenderer(
            onSample(QStringList{"--sheet", row.layout, "-o", q(sheetFile)} + row.extra + faces)));
        const QImage sheet = argbImage(sheetFile);
        ASSERT_EQ(sheet.size(), QSize(row.columns * row.cell, row.rows * row.cell))
            << row.layout.toStdString();
        for (int i = 0; i < row.columns * row.rows; ++i) {
            const QRect cell((i % row.columns) * row.cell, (i / row.columns) * row.cell, row.cell,
                             row.cell);
            const QImage shown = sheet.copy(cell);
            if (i < row.faces) {
                const fs::path single = folder.path() / "single.png";
                expectSuccess(runRenderer(
                    onSample({"--size", QString::number(row.cell), "-o", q(single), faces[i]})));
                EXPECT_TRUE(shown == argbImage(single)) << row.layout.toStdString() << " " << i;
            } else {
                QImage clear(row.cell, row.cell, QImage::Format_ARGB32);
                clear.fill(0);
                EXPECT_TRUE(shown == clear) << row.layout.toStdString() << " " << i;
            }
        }
    }
}

TEST(RenderOutput, SeveralPortraitsGoIntoTheFolderUnderTheirNames) {
    TempFolder folder;
    writePortrait(folder.path() / "in" / "anna.kelvaro", 0);
    writePortrait(folder.path() / "in" / "bolek.kelvaro", 2);
    const fs::path out = folder.path() / "out" / "faces";
    const QStringList inputs = {q(folder.path() / "in" / "anna.kelvaro"),
                                q(folder.path() / "in" / "bolek.kelvaro")};
    expectSuccess(runRenderer(onSample(QStringList{"-o", q(out)} + inputs)));
    EXPECT_EQ(QImage(q(out / "anna.png")).size(), QSize(48, 48));
    EXPECT_EQ(QImage(q(out / "bolek.png")).size(), QSize(192, 192));
    expectSuccess(runRenderer(onSample(QStringList{"--format", "bmp", "-o", q(out)} + inputs)));
    EXPECT_EQ(readBytes(out / "anna.bmp").substr(0, 2), "BM");
    // One portrait to a file: the name's extension picks BMP (in any case), --format wins.
    expectSuccess(runRenderer(onSample({"-o", q(folder.path() / "a.BMP"), inputs[0]})));
    EXPECT_EQ(readBytes(folder.path() / "a.BMP").substr(0, 2), "BM");
    expectSuccess(
        runRenderer(onSample({"--format", "png", "-o", q(folder.path() / "b.bmp"), inputs[0]})));
    EXPECT_EQ(readBytes(folder.path() / "b.bmp").substr(1, 3), "PNG");
    // The renderer reads the library from the folder it starts in, as the editor does.
    expectSuccess(runRenderer({"-o", q(folder.path() / "here.png"), inputs[0]}, sampleLibrary()));
    EXPECT_TRUE(QImage(q(folder.path() / "here.png")) == QImage(q(out / "anna.png")));
    // A name ending in "/" is a folder even for one portrait; names keep their characters.
    const fs::path odd = folder.path() / "in" / "Zażółć gęślą.kelvaro";
    writePortrait(odd, 1);
    expectSuccess(runRenderer(onSample({"-o", q(folder.path() / "odd") + "/", q(odd)})));
    EXPECT_EQ(QImage(q(folder.path() / "odd" / "Zażółć gęślą.png")).size(), QSize(96, 96));
    // A PNG the renderer wrote is a portrait too.
    expectSuccess(runRenderer(
        onSample({"--size", "48", "-o", q(folder.path() / "again.png"), q(out / "anna.png")})));
    EXPECT_EQ(readBytes(folder.path() / "again.png"), readBytes(out / "anna.png"));
}

}  // namespace
}  // namespace kelvaro::test
