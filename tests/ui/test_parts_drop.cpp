// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Files dropped on the parts tab: a picture is added as a part after the question, a portrait
// opens as it does on the editor window.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "io/file_boundary.h"
#include "model/part_library.h"
#include "tests/ui/gallery_driving.h"
#include "ui/dropped_file.h"
#include "ui/gallery_cells.h"
#include "ui/gallery_view.h"

namespace kelvaro::test {
namespace {

// Drops `file` on the middle of the tab; true when the drop was taken.
bool dropOn(QWidget& tab, const std::filesystem::path& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(toQtPath(file))});
    const QPoint at = tab.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&tab, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&tab, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

TEST(PartsDrop, LocalPicturesAreTakenAndNothingElse) {
    const struct {
        QStringList urls;
        std::vector<std::filesystem::path> taken;
    } rows[] = {
        {{"file:///a/b.jpg", "file:///a/c.PNG"}, {"/a/b.jpg", "/a/c.PNG"}},
        {{"file:///a/b.jpg", "file:///a/x.KELVARO"}, {}},
        {{"https://example.org/a.png"}, {}},
        {{"file:///a/notes.txt"}, {}},
        {{"file:///a/png"}, {}},
    };
    for (const auto& row : rows) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& url : row.urls)
            urls << QUrl(url);
        data.setUrls(urls);
        EXPECT_EQ(droppedPictureFiles(data), row.taken) << row.urls.join(' ').toStdString();
    }
}

TEST(PartsDrop, ADroppedPictureIsAddedAndChosenOnYes) {
    for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
        EditorFixture editor;
        editor.open();
        editor.selectElement(kFrontHair);
        PartsTab* gallery = openGallery(editor);
        ASSERT_TRUE(gallery);
        const int highest = editor.state().highestPart[kFrontHair];
        const int before = editor.state().elementPart(kFrontHair);
        const std::filesystem::path picture = editor.base() / "nowa grzywka.png";
        writeArgbPng(picture, 40, 20, [](int, int) { return Argb{0xff204060}; });

        editor.modals().answerMessageBox(answer);
        ASSERT_TRUE(dropOn(*gallery, picture));
        ASSERT_TRUE(QTest::qWaitFor([&] { return editor.modals().allHandled(); }));
        EXPECT_EQ(editor.modals().messages,
                  QStringList{"Dodać 1 obrazów jako nowe części elementu Grzywa?"});
        const bool added = answer == QMessageBox::Yes;
        const int chosen = added ? highest + 1 : before;
        EXPECT_EQ(std::filesystem::exists(partPath(editor.base(), "fhair1", highest + 1)), added);
        EXPECT_EQ(editor.state().elementPart(kFrontHair), chosen);
        ASSERT_TRUE(waitUntilUpToDate(*gallery));
        EXPECT_EQ(gallery->cells().count(), highest + (added ? 2 : 1));
        EXPECT_EQ(gallery->view()->currentIndex().row(), chosen);
        EXPECT_TRUE(editor.modals().unexpected.isEmpty())
            << editor.modals().unexpected.join('\n').toStdString();
    }
}

TEST(PartsDrop, ADroppedPortraitOpens) {
    EditorFixture editor;
    editor.open();
    const std::filesystem::path document = editor.base() / "upuszczony.kelvaro";
    ASSERT_TRUE(editor.portrait().saveDocument(document));
    editor.restart();
    PartsTab* gallery = openGallery(editor);
    ASSERT_TRUE(gallery);
    ASSERT_TRUE(dropOn(*gallery, document));
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor.portrait().documentFile() == document; }));
    EXPECT_TRUE(editor.modals().messages.isEmpty());
}

}  // namespace
}  // namespace kelvaro::test
