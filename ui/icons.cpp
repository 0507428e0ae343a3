// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/icons.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <optional>

namespace kelvaro {
namespace {

struct DiscColours {
    int number;
    QColor top, bottom;  // a plain disc when equal
};

constexpr std::array<DiscColours, 4> kDiscs = {{
    {129, QColor(220, 30, 30), QColor(220, 30, 30)},
    {130, QColor(30, 170, 40), QColor(30, 170, 40)},
    {131, QColor(30, 70, 220), QColor(30, 70, 220)},
    {132, QColor(20, 20, 20), QColor(245, 245, 245)},
}};

// An empty image `size` logical pixels square, `ratio` device pixels to the logical pixel: a
// painter on it draws in logical pixels.
QImage blank(int size, qreal ratio) {
    const int edge = qRound(size * ratio);
    QImage image(edge, edge, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    return image;
}

QRectF discRect(int size) {
    return QRectF(1, 1, size - 2, size - 2);
}

QImage disc(const DiscColours& colours, int size, qreal ratio) {
    QImage image = blank(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 1, 0, size - 1);
    gradient.setColorAt(0, colours.top);
    gradient.setColorAt(1, colours.bottom);
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(gradient);
    p.drawEllipse(discRect(size));
    return image;
}

QImage halfDisc(int size, qreal ratio) {
    QImage image = blank(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = discRect(size);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPie(r, 90 * 16, 180 * 16);
    p.setBrush(Qt::black);
    p.drawPie(r, -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    return image;
}

// A round face with hair, eyes and a smile.
QImage portraitIcon(int size, qreal ratio) {
    QImage image = blank(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 210));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    p.setBrush(QColor(110, 70, 40));
    p.drawEllipse(QRectF(5, 3, 22, 22));
    p.setBrush(QColor(250, 215, 185));
    p.drawEllipse(QRectF(8, 8, 16, 18));
    p.setBrush(QColor(40, 40, 60));
    p.drawEllipse(QRectF(11.5, 14, 2.5, 3.5));
    p.drawEllipse(QRectF(18, 14, 2.5, 3.5));
    p.setPen(QPen(QColor(170, 60, 60), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12.5, 17, 7, 5), -20 * 16, -140 * 16);
    return image;
}

}  // namespace

QImage iconImage(int number, int size, qreal devicePixelRatio) {
    if (number == kApplicationIcon)
        return portraitIcon(size, devicePixelRatio);
    for (const DiscColours& colours : kDiscs) {
        if (colours.number == number)
            return disc(colours, size, devicePixelRatio);
    }
    return halfDisc(size, devicePixelRatio);
}

QPixmap iconPixmap(int number, int size, qreal devicePixelRatio) {
    return QPixmap::fromImage(iconImage(number, size, devicePixelRatio));
}

namespace {

// The application icon drawn once per application, with its first-frame sizes alone and whole
// (made on first use from the larger images): the program and its window both show it.
struct ApplicationIcons {
    QIcon firstFrame;
    std::shared_future<std::vector<QImage>> larger;
    std::optional<QIcon> whole;
};

ApplicationIcons*& drawnApplicationIcons() {
    static ApplicationIcons* icons = nullptr;
    return icons;
}

void forgetApplicationIcon() {
    delete drawnApplicationIcons();
    drawnApplicationIcons() = nullptr;
}

// Draws what nobody gave: the larger images only when the whole icon is first asked for.
ApplicationIcons& applicationIcons() {
    if (!drawnApplicationIcons()) {
        useApplicationIconImages({applicationIconImages(0, kFirstFrameIconSizeCount),
                                  std::async(std::launch::deferred, [] {
                                      return applicationIconImages(kFirstFrameIconSizeCount);
                                  }).share()});
    }
    return *drawnApplicationIcons();
}

}  // namespace

std::vector<QImage> applicationIconImages(std::size_t from, std::size_t to) {
    std::vector<QImage> images;
    for (std::size_t i = from; i < to; ++i)
        images.push_back(iconImage(kApplicationIcon, kApplicationIconSizes[i]));
    return images;
}

void useApplicationIconImages(ApplicationIconImages images) {
    ApplicationIcons*& drawn = drawnApplicationIcons();
    if (drawn)
        return;
    drawn = new ApplicationIcons;
    for (const QImage& image : images.firstFrame)
        drawn->firstFrame.addPixmap(QPixmap::fromImage(image));
    drawn->larger = std::move(images.larger);
    // Its pixmaps go with the application that drew them.
    qAddPostRoutine(forgetApplicationIcon);
}

QIcon applicationIcon() {
    ApplicationIcons& icons = applicationIcons();
    if (!icons.whole) {
        icons.whole = icons.firstFrame;
        for (const QImage& image : icons.larger.get())
            icons.whole->addPixmap(QPixmap::fromImage(image));
    }
    return *icons.whole;
}

QIcon firstFrameApplicationIcon() {
    return applicationIcons().firstFrame;
}

}  // namespace kelvaro
