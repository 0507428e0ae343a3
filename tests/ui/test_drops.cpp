// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Drops on the editor window: which are taken, and a taken one opening its portrait.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "io/file_boundary.h"
#include "tests/ui/editor_fixture.h"
#include "ui/dropped_file.h"

namespace kelvaro::test {
namespace {

std::unique_ptr<QMimeData> urls(const QStringList& names) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> list;
    for (const QString& name : names)
        list << QUrl(name);
    data->setUrls(list);
    return data;
}

TEST(Drops, OneLocalPortraitFileIsTaken) {
    const struct {
        QStringList urls;
        const char* file;  // null: refused
    } rows[] = {
        {{"file:///home/ala/twarz.kelvaro"}, "/home/ala/twarz.kelvaro"},
        {{"file:///home/ala/TWARZ.PNG"}, "/home/ala/TWARZ.PNG"},
        {{"file:///home/ala/twarz.jpg"}, nullptr},
        {{"https://example.org/twarz.kelvaro"}, nullptr},
        {{"file:///a.kelvaro", "file:///b.kelvaro"}, nullptr},
        {{}, nullptr},
    };
    for (const auto& row : rows) {
        const auto taken = droppedPortraitFile(*urls(row.urls));
        EXPECT_EQ(taken.has_value(), row.file != nullptr) << row.urls.join(' ').toStdString();
        if (taken && row.file) {
            EXPECT_EQ(*taken, std::filesystem::path(row.file));
        }
    }
    QMimeData text;
    text.setText("/home/ala/twarz.kelvaro");
    EXPECT_FALSE(droppedPortraitFile(text)) << "text is no file";
}

TEST(Drops, ADroppedDocumentOpensAndOtherDropsAreRefused) {
    const TempFolder out;
    const std::filesystem::path document = out.path() / "drop.kelvaro";
    EditorFixture editor;
    editor.open();
    ASSERT_TRUE(editor.portrait().saveDocument(document));
    editor.restart();
    ASSERT_TRUE(editor.portrait().documentFile().empty());
    QWidget& window = editor.dialog();
    const QPoint at = editor.dialog().canvas()->geometry().center();

    const auto refused = urls({"https://example.org/x.kelvaro"});
    QDragEnterEvent enterRefused(at, Qt::CopyAction, refused.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enterRefused);
    EXPECT_FALSE(enterRefused.isAccepted());

    const auto taken = urls({QUrl::fromLocalFile(toQtPath(document)).toString()});
    QDragEnterEvent enter(at, Qt::CopyAction, taken.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, taken.get(), Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    EXPECT_TRUE(drop.isAccepted());
    QCoreApplication::processEvents();  // the portrait opens once the drop is over
    EXPECT_EQ(editor.portrait().documentFile(), document);
}

}  // namespace
}  // namespace kelvaro::test
