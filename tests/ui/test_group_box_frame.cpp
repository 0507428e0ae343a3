// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The style's group-box frame decoded by the program: Qt's own loading of the file must find it,
// with the very pixels Qt's reader gives.
#include <gtest/gtest.h>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>

#include "app/group_box_frame.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

// QPixmap's loading files each file's pixmap under the key worked out here, for Qt's resources and
// for files on disk alike.
TEST(GroupBoxFrame, PixmapLoadingFilesUnderTheKeyWorkedOut) {
    TempFolder folder;
    const QString drawn = QString::fromStdString((folder.path() / "drawn.png").string());
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(0x80402010);
    ASSERT_TRUE(image.save(drawn, "PNG"));
    for (const QString& fileName : {QString::fromLatin1(kGroupBoxFrameFile), drawn}) {
        QPixmapCache::clear();
        const QPixmap loaded(fileName);
        ASSERT_FALSE(loaded.isNull()) << fileName.toStdString();
        QPixmap filed;
        ASSERT_TRUE(QPixmapCache::find(pixmapCacheKey(fileName), &filed)) << fileName.toStdString();
        EXPECT_EQ(filed.cacheKey(), loaded.cacheKey()) << fileName.toStdString();
    }
}

TEST(GroupBoxFrame, TheStyleLoadsThePreloadedPixmapWithQtsPixels) {
    const QString fileName = QString::fromLatin1(kGroupBoxFrameFile);
    QPixmapCache::clear();
    ASSERT_TRUE(preloadGroupBoxFrame());
    QPixmap preloaded;
    ASSERT_TRUE(QPixmapCache::find(pixmapCacheKey(fileName), &preloaded));
    EXPECT_EQ(QPixmap(fileName).cacheKey(), preloaded.cacheKey());
    const QImage read = QImageReader(fileName).read();
    EXPECT_EQ(read.format(), QImage::Format_ARGB32);
    const QImage expected = QPixmap::fromImage(read).toImage();
    const QImage shown = preloaded.toImage();
    EXPECT_EQ(shown.size(), QSize(98, 38));
    EXPECT_EQ(shown.format(), expected.format());
    EXPECT_TRUE(shown == expected);
    QPixmapCache::clear();
}

}  // namespace
}  // namespace kelvaro::test
