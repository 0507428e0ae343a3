// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The part gallery "Części": its cells against the canvas after stepping with the buttons,
// choosing a cell by mouse and keys, following the element list, stale renders, many parts,
// and the size previews against the files "Zapisz" writes.
#include <gtest/gtest.h>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <chrono>
#include <set>
#include <thread>

#include "io/file_boundary.h"
#include "model/part_cache.h"
#include "model/part_library.h"
#include "model/portrait_document.h"
#include "tests/ui/gallery_driving.h"
#include "ui/companion_window.h"
#include "ui/control_ids.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_renderer.h"
#include "ui/gallery_view.h"
#include "ui/preview_strip.h"

namespace kelvaro::test {
namespace {

int highestOf(EditorFixture& editor, int element) {
    return editor.state().highestPart[static_cast<std::size_t>(element)];
}

// Every cell of the current element, then ">>" pressed through all of them: after each press the
// canvas, scaled as the export scales it, is the picture of the cell of the part reached.
void expectCellsEqualStepping(EditorFixture& editor, PartsTab& gallery, const char* what) {
    const int element = editor.state().currentElement;
    const int highest = highestOf(editor, element);
    ASSERT_EQ(gallery.cells().count(), highest + 1) << what;
    std::vector<QImage> cells;
    for (int part = 0; part <= highest; ++part) {
        cells.push_back(cellPicture(gallery, part));
        ASSERT_FALSE(cells.back().isNull()) << what << ": part " << part;
        EXPECT_EQ(cells.back().size(), QSize(96, 96));
    }
    EXPECT_NE(cells[0], cells[1]) << what << ": the parts look alike";
    for (int press = 0; press <= highest; ++press) {
        editor.click(ids::kNext);
        const int part = editor.state().elementPart(element);
        EXPECT_EQ(canvasAt96(editor), cells[static_cast<std::size_t>(part)])
            << what << ": part " << part;
    }
}

TEST(Gallery, EachCellIsTheCanvasAfterSteppingToItsPart) {
    struct Row {
        const char* what;
        int element;
        int irisMoves;  // clicks of "›" with the iris current: the mask then clips the iris
    };
    const Row rows[] = {
        {"eyes: eye and eye shape, the iris re-masked", kEyes, 0},
        {"iris, moved inside the eye shape", kIris, 3},
        {"front hair: three layers, one falling back to dummy.png", kFrontHair, 0},
        {"face: twelve parts, a recolour group of seven layers", kFace, 0},
    };
    for (const Row& row : rows) {
        EditorFixture editor([](const std::filesystem::path& base) {
            std::filesystem::remove(partPath(base, "fhair2", 1));
        });
        editor.open();
        if (row.irisMoves > 0) {
            editor.selectElement(kIris);
            for (int i = 0; i < row.irisMoves; ++i)
                editor.click(ids::kMoveRight);
        }
        editor.selectElement(row.element);
        editor.typeInto(ids::kRedEdit, "150");
        editor.typeInto(ids::kBrightnessEdit, "20");
        PartsTab* gallery = openGallery(editor);
        ASSERT_NE(gallery, nullptr) << row.what;
        expectCellsEqualStepping(editor, *gallery, row.what);
        EXPECT_TRUE(editor.modals().messages.isEmpty());
    }
}

TEST(Gallery, ChoosingACellEqualsPressingNextThatManyTimes) {
    enum class Way { Click, ArrowsAndSpace, ArrowsAndEnter };
    struct Row {
        Way way;
        int part;
    };
    const Row rows[] = {{Way::Click, 7}, {Way::ArrowsAndSpace, 3}, {Way::ArrowsAndEnter, 11}};
    for (const Row& row : rows) {
        EditorFixture editor;
        editor.open();
        editor.typeInto(ids::kGreenEdit, "90");
        editor.state().saved = true;
        const PortraitDocument start = capture(editor.state());
        const auto startCanvas = editor.canvas();
        const int steps = editor.portrait().history().count();
        PartsTab* gallery = openGallery(editor);
        ASSERT_NE(gallery, nullptr);
        if (row.way == Way::Click) {
            clickCell(*gallery, row.part);
        } else {
            GalleryView* view = gallery->view();
            view->setFocus();
            ASSERT_EQ(view->currentIndex().row(), 0);  // the current part
            for (int i = 0; i < row.part; ++i)
                QTest::keyClick(view, Qt::Key_Right);
            QTest::keyClick(view, row.way == Way::ArrowsAndSpace ? Qt::Key_Space : Qt::Key_Enter);
        }
        const PortraitDocument chosen = capture(editor.state());
        const auto chosenCanvas = editor.canvas();
        const QString counter = editor.widget<QLabel>(ids::kCounter)->text();
        EXPECT_EQ(editor.state().elementPart(kFace), row.part);
        EXPECT_FALSE(editor.state().saved);
        ASSERT_EQ(editor.portrait().history().count(), steps + 1);
        EXPECT_EQ(editor.portrait().history().undoText(), QStringLiteral("Wybór części"));
        // One step: undoing it (Ctrl+Z, here with the focus in the gallery) shows the start.
        activateWindowOf(gallery->view());
        QTest::keyClick(gallery->view(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(capture(editor.state()), start);
        EXPECT_EQ(*editor.canvas(), *startCanvas);
        for (int i = 0; i < row.part; ++i)
            editor.click(ids::kNext);
        EXPECT_EQ(capture(editor.state()), chosen) << row.part;
        EXPECT_EQ(*editor.canvas(), *chosenCanvas) << row.part;
        EXPECT_EQ(editor.widget<QLabel>(ids::kCounter)->text(), counter);
        // The gallery marks the part chosen.
        ASSERT_TRUE(waitUntilUpToDate(*gallery));
        EXPECT_TRUE(gallery->cells().index(row.part).data(GalleryCells::CurrentPartRole).toBool());
    }
}

TEST(Gallery, FollowsTheElementList) {
    EditorFixture editor([](const std::filesystem::path& base) {
        for (int n = 0; n < kOtherParts; ++n)
            std::filesystem::remove(partPath(base, "nose", n));
    });
    editor.open();
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    const auto marked = [&] {
        std::vector<int> parts;
        for (int part = 0; part < gallery->cells().count(); ++part) {
            if (gallery->cells().index(part).data(GalleryCells::CurrentPartRole).toBool())
                parts.push_back(part);
        }
        return parts;
    };
    EXPECT_EQ(gallery->cells().count(), kFaceParts);
    EXPECT_EQ(marked(), std::vector<int>{0});

    editor.selectElement(kMouth);
    ASSERT_TRUE(waitUntilUpToDate(*gallery));
    EXPECT_EQ(gallery->cells().count(), kOtherParts);
    editor.click(ids::kNext);
    ASSERT_TRUE(waitUntilUpToDate(*gallery));
    EXPECT_EQ(marked(), std::vector<int>{1});
    EXPECT_EQ(gallery->view()->currentIndex().row(), 1);
    expectCellsEqualStepping(editor, *gallery, "mouth after switching");

    editor.selectElement(kNose);  // no parts at all
    ASSERT_TRUE(waitUntilUpToDate(*gallery));
    EXPECT_EQ(gallery->cells().count(), 0);
    EXPECT_FALSE(gallery->view()->isVisible());
    auto* empty = gallery->findChild<QLabel*>();
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->isVisible());
    EXPECT_EQ(empty->text(), QStringLiteral("Ten element nie ma żadnej części."));

    editor.selectElement(kFace);
    ASSERT_TRUE(waitUntilUpToDate(*gallery));
    EXPECT_EQ(gallery->cells().count(), kFaceParts);
    EXPECT_TRUE(gallery->view()->isVisible());
    EXPECT_FALSE(empty->isVisible());
}

// A renderer of its own draws the face's parts for an older portrait, then, once the first of
// them has arrived, for the portrait as it is, the first `inView` parts as the cells in view:
// every part arrives once, drawn for the newer portrait only.
void expectOnlyNewestCellsArrive(EditorFixture& editor, PartsTab& gallery, std::size_t inView) {
    GalleryRenderer renderer(editor.state().baseDirectory, &sharedPartCache());
    renderer.setThreadCount(1);
    QSignalSpy spy(&renderer, &GalleryRenderer::cellReady);
    std::vector<int> parts;
    for (int part = 0; part < kFaceParts; ++part)
        parts.push_back(part);
    PortraitDocument older = capture(editor.state());
    older.current.red = 30;
    renderer.setSnapshot(older);
    renderer.request(parts, inView);
    // The first older cell has arrived; others are being drawn or wait to be delivered.
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.count() > 0; }, 30000)) << inView;
    spy.clear();
    const std::uint64_t newest = renderer.setSnapshot(capture(editor.state()));
    renderer.request(parts, inView);
    ASSERT_TRUE(QTest::qWaitFor([&] { return spy.count() >= kFaceParts; }, 30000)) << inView;
    QTest::qWait(50);
    std::set<int> delivered;
    for (const QList<QVariant>& signal : spy) {
        EXPECT_EQ(signal.at(0).toULongLong(), newest) << inView;
        const int part = signal.at(1).toInt();
        EXPECT_TRUE(delivered.insert(part).second) << "part " << part << " twice, " << inView;
        EXPECT_EQ(signal.at(2).value<QImage>(), cellPicture(gallery, part)) << part;
    }
    EXPECT_EQ(delivered.size(), static_cast<std::size_t>(kFaceParts)) << inView;
}

TEST(Gallery, StaleRendersNeverOverwriteNewerOnes) {
    EditorFixture editor;
    editor.open();
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    gallery->renderer().setThreadCount(1);  // a long queue, so changes land while it draws
    const std::uint64_t before = gallery->renderer().generation();
    // Each key and click is a change of its own, each taken in while cells are drawn.
    for (const char* text : {"1", "12", "120"}) {
        editor.typeInto(ids::kRedEdit, text);
        QTest::qWait(1);
        editor.click(ids::kMoveRight);
    }
    ASSERT_TRUE(waitUntilUpToDate(*gallery));
    EXPECT_GT(gallery->renderer().generation(), before + 1);
    expectCellsEqualStepping(editor, *gallery, "after quick changes");

    // The renderer alone, with the parts split between the cells in view and those beyond at
    // several points: after a second snapshot only cells of that one arrive, each once.
    for (const std::size_t inView : {std::size_t{kFaceParts}, std::size_t{2}, std::size_t{0}})
        expectOnlyNewestCellsArrive(editor, *gallery, inView);
}

// A renderer keeps its idle worker for the next request while the keep lasts, and lets it go
// once the keep has passed.
TEST(Gallery, IdleWorkersAreKeptForTheNextRequestThenLetGo) {
    EditorFixture editor;
    editor.open();
    GalleryRenderer renderer(editor.state().baseDirectory, &sharedPartCache());
    renderer.setThreadCount(1);
    renderer.setWorkerKeep(std::chrono::hours(1));
    QSignalSpy spy(&renderer, &GalleryRenderer::cellReady);
    renderer.setSnapshot(capture(editor.state()));
    const auto drawAndKeep = [&](std::vector<int> parts) {
        spy.clear();
        renderer.request(parts);
        return QTest::qWaitFor(
            [&] {
                return spy.count() == static_cast<int>(parts.size()) && renderer.idle() &&
                       renderer.keptWorkers() == 1;
            },
            30000);
    };
    ASSERT_TRUE(drawAndKeep({0, 1, 2}));
    QTest::qWait(50);
    EXPECT_EQ(renderer.keptWorkers(), 1u);
    ASSERT_TRUE(drawAndKeep({3}));
    renderer.setWorkerKeep(std::chrono::milliseconds(0));
    spy.clear();
    renderer.request({4});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return spy.count() == 1 && renderer.idle() && renderer.keptWorkers() == 0; }, 30000));
}

// A thousand parts: only the cells in view (and a row around them) are drawn; the last one is
// drawn once scrolled to, and it is what "<<" from part 0 shows.
TEST(Gallery, AThousandPartsDrawOnlyTheCellsInView) {
    EditorFixture editor([](const std::filesystem::path& base) {
        for (int n = kFaceParts; n < kMaxPartCount; ++n)
            std::filesystem::copy_file(partPath(base, "face", n % kFaceParts),
                                       partPath(base, "face", n));
    });
    editor.open();
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    ASSERT_EQ(gallery->cells().count(), kMaxPartCount);
    int ready = 0;
    for (int part = 0; part < kMaxPartCount; ++part)
        ready += gallery->cells().isReady(part) ? 1 : 0;
    EXPECT_GE(ready, 8);
    EXPECT_LE(ready, 60);
    const QImage last = cellPicture(*gallery, kMaxPartCount - 1);
    ASSERT_FALSE(last.isNull());
    EXPECT_FALSE(gallery->cells().isReady(kMaxPartCount / 2));
    editor.click(ids::kPrevious);
    EXPECT_EQ(editor.state().elementPart(kFace), kMaxPartCount - 1);
    EXPECT_EQ(canvasAt96(editor), last);
}

TEST(Gallery, CellsAreAskedForOnceTheGridIsFirstPainted) {
    // Workers drawing before the window's first paint would take the processor from it.
    EditorFixture editor;
    editor.open();
    editor.press(Qt::Key_F3);
    CompanionWindow* companion = editor.dialog().companion();
    ASSERT_NE(companion, nullptr);
    PartsTab& gallery = *companion->partsTab();
    ASSERT_TRUE(gallery.isVisible());
    EXPECT_TRUE(gallery.renderer().idle()) << "cells asked for before any paint";
    EXPECT_FALSE(gallery.upToDate());
    // Meanwhile the workers are made ready at a lower priority, and kept for the cells: without
    // the event loop turning (no paint, no request), one is there.
    for (int wait = 0; wait < 3000 && gallery.renderer().keptWorkers() == 0; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GT(gallery.renderer().keptWorkers(), 0u);
    EXPECT_TRUE(gallery.renderer().idle());
    ASSERT_TRUE(waitUntilUpToDate(gallery));
    EXPECT_TRUE(gallery.cells().isReady(editor.state().elementPart(editor.state().currentElement)));
}

TEST(Gallery, F3AndTheWindowMenuOpenAndCloseIt) {
    EditorFixture editor;
    editor.open();
    EXPECT_EQ(editor.dialog().companion(), nullptr);
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    EXPECT_EQ(gallery->windowTitle(), QStringLiteral("Części"));
    // Beside the editor where the screen has room for both, and on the screen.
    const QRect screen = editor.dialog().screen()->availableGeometry();
    const QRect editorFrame = editor.dialog().frameGeometry();
    EXPECT_TRUE(screen.contains(gallery->window()->frameGeometry()))
        << screen.width() << "x" << screen.height();
    if (screen.width() >= editorFrame.width() + gallery->window()->frameGeometry().width() + 16) {
        EXPECT_FALSE(gallery->window()->frameGeometry().intersects(editorFrame));
    }
    editor.press(Qt::Key_F3);
    EXPECT_FALSE(gallery->isVisible());
    editor.chooseFromMenu(QStringLiteral("Galeria części"));
    EXPECT_TRUE(gallery->isVisible());
    activateWindowOf(gallery->view());
    QTest::keyClick(gallery->view(), Qt::Key_F3);  // also from inside the gallery
    EXPECT_FALSE(gallery->isVisible());
    EXPECT_TRUE(editor.dialog().isVisible());
}

TEST(Gallery, PreviewsAreTheFilesZapiszWritesAndChooseTheSize) {
    struct Row {
        const char* name;
        int sizeChoice;
    };
    const Row rows[] = {{"small.png", 0}, {"middle.bmp", 1}, {"large.png", 2}, {"again.png", 0}};
    EditorFixture editor;
    editor.open();
    editor.typeInto(ids::kBlueEdit, "70");
    editor.click(ids::kMoveLeft);
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    PreviewStrip* previews = gallery->previews();
    for (const Row& row : rows) {
        editor.click(ids::kNext);  // every picture follows the change
        QTest::mouseClick(previews, Qt::LeftButton, {},
                          previews->pictureRect(row.sizeChoice).center());
        EXPECT_EQ(editor.state().sizeChoice, row.sizeChoice);
        EXPECT_TRUE(editor.widget<QRadioButton>(ids::kSize48 + row.sizeChoice)->isChecked());
        ASSERT_TRUE(waitUntilUpToDate(*gallery));
        const auto file = editor.base() / row.name;
        editor.modals().answerSaveDialog(toQtPath(file));
        editor.click(ids::kOk);
        ASSERT_TRUE(std::filesystem::exists(file)) << row.name;
        const QImage saved = QImage(toQtPath(file)).convertToFormat(QImage::Format_RGB32);
        const int edge = saved.width();
        EXPECT_EQ(edge, row.sizeChoice == 0 ? 48 : row.sizeChoice == 1 ? 96 : 192);
        for (int size = 0; size < kExportSizeCount; ++size) {
            const QImage shown = previews->picture(size).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(shown == saved, size == row.sizeChoice) << row.name << " size " << size;
        }
    }
}

}  // namespace
}  // namespace kelvaro::test
