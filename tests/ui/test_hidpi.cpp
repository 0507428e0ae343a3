// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// High-density screens: the canvas shows every composed pixel as a crisp square of device
// pixels, and the colour icons are drawn at the screen's density. These tests also run on a
// screen of device pixel ratio 2 (QT_SCALE_FACTOR=2, tests named scale2.HiDpi.*).
#include <gtest/gtest.h>
#include <QLabel>

#include "tests/ui/editor_fixture.h"
#include "tests/ui/gallery_driving.h"
#include "ui/control_ids.h"
#include "ui/dialog_template.h"
#include "ui/icons.h"
#include "ui/preview_strip.h"

namespace kelvaro::test {
namespace {

// The canvas frame drawn at `ratio` device pixels per pixel.
QImage drawnCanvas(QWidget* canvas, int ratio) {
    QImage image(canvas->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    canvas->render(&image);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Counts the device pixels of the frame and canvas in `image` (its top left) that differ from
// the composed pixel or the black frame they stand for, at `ratio` device pixels per pixel.
int blurredPixels(const QImage& image, int ratio, const CanvasPixels& composed) {
    const int edge = (kCanvasSize + 2) * ratio;
    if (image.width() < edge || image.height() < edge)
        return edge * edge;
    int wrong = 0;
    for (int y = 0; y < edge; ++y) {
        for (int x = 0; x < edge; ++x) {
            const int cx = x / ratio - 1, cy = y / ratio - 1;
            const bool frame = cx < 0 || cy < 0 || cx >= kCanvasSize || cy >= kCanvasSize;
            const Argb expected =
                frame ? 0xff000000 : composed[static_cast<std::size_t>(cy * kCanvasSize + cx)];
            wrong += image.pixel(x, y) != expected;
        }
    }
    return wrong;
}

TEST(HiDpi, CanvasShowsEachComposedPixelAsASquareOfDevicePixels) {
    EditorFixture editor;
    editor.open();
    editor.click(ids::kRotateLeft);  // edges at every angle, where smoothing would show
    auto composed = makeCanvasPixels();
    editor.portrait().compose(*composed);
    QWidget* canvas = editor.dialog().control(ids::kCanvas);
    for (int ratio : {1, 2, 3}) {
        const QImage image = drawnCanvas(canvas, ratio);
        EXPECT_EQ(blurredPixels(image, ratio, *composed), 0) << "ratio " << ratio;
    }
    // On this screen, as the window system receives it.
    const qreal screenRatio = editor.dialog().devicePixelRatio();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(screenRatio, 2.0);
    }
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown.width(), qRound((kCanvasSize + 2) * screenRatio));
    EXPECT_EQ(blurredPixels(shown, qRound(screenRatio), *composed), 0);
}

// The gallery's size previews at their own pixel size: each picture pixel a square of device
// pixels, nothing smoothed, nothing scaled beyond the ratio.
TEST(HiDpi, SizePreviewsShowEachPixelAsASquareOfDevicePixels) {
    EditorFixture editor;
    editor.open();
    editor.click(ids::kRotateLeft);
    PartsTab* gallery = openGallery(editor);
    ASSERT_NE(gallery, nullptr);
    PreviewStrip* previews = gallery->previews();
    const int screenRatio = qRound(previews->devicePixelRatio());
    for (int ratio : {1, 2, 3, screenRatio}) {
        QImage drawn =
            ratio == screenRatio ? previews->grab().toImage() : drawnCanvas(previews, ratio);
        drawn = drawn.convertToFormat(QImage::Format_ARGB32);
        for (int size = 0; size < kExportSizeCount; ++size) {
            const QImage picture = previews->picture(size).convertToFormat(QImage::Format_ARGB32);
            const QRect rect = previews->pictureRect(size);
            ASSERT_EQ(rect.size(), picture.size());
            int wrong = 0;
            for (int y = 0; y < rect.height() * ratio; ++y) {
                for (int x = 0; x < rect.width() * ratio; ++x) {
                    wrong += drawn.pixel(rect.left() * ratio + x, rect.top() * ratio + y) !=
                             picture.pixel(x / ratio, y / ratio);
                }
            }
            EXPECT_EQ(wrong, 0) << "size " << size << ", ratio " << ratio;
        }
    }
}

TEST(HiDpi, ColourIconsAreDrawnAtTheScreensDensity) {
    EditorFixture editor;
    editor.open();
    const qreal ratio = editor.dialog().devicePixelRatio();
    std::vector<int> numbers;
    for (const ControlTemplate& row : editorTemplate().controls) {
        if (row.kind == ControlKind::Icon)
            numbers.push_back(std::stoi(std::string(row.caption)));
    }
    std::vector<QPixmap> shown;
    for (QLabel* label : editor.dialog().findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->pixmap().isNull())
            shown.push_back(label->pixmap());
    }
    ASSERT_EQ(shown.size(), numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(shown[i].devicePixelRatio(), ratio) << numbers[i];
        EXPECT_EQ(shown[i].width(), qRound(16 * ratio)) << numbers[i];
        EXPECT_TRUE(shown[i].toImage() == iconImage(numbers[i], 16, ratio)) << numbers[i];
    }
}

TEST(HiDpi, IconsAtTwiceTheDensityAreDrawnAfreshNotEnlarged) {
    for (int number : {128, 129, 132, 133}) {
        const QImage sharp = iconImage(number, 16, 2.0);
        EXPECT_EQ(sharp.size(), QSize(32, 32));
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        const QImage enlarged = iconImage(number, 16).scaled(32, 32);
        EXPECT_FALSE(sharp.convertToFormat(QImage::Format_ARGB32) ==
                     enlarged.convertToFormat(QImage::Format_ARGB32))
            << number;
    }
}

}  // namespace
}  // namespace kelvaro::test
