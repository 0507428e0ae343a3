// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/canvas_frame.h"

#include <QImage>
#include <QPainter>

namespace kelvaro {
namespace {

// The one-pixel frame as four filled sides, so that it stays whole pixels wide on a screen of
// any density (a stroked rectangle is one device pixel wide and shifted there).
void drawFrame(QPainter& painter) {
    constexpr int kEdge = kCanvasSize + 2;
    for (const QRect& side : {QRect(0, 0, kEdge, 1), QRect(0, kEdge - 1, kEdge, 1),
                              QRect(0, 0, 1, kEdge), QRect(kEdge - 1, 0, 1, kEdge)}) {
        painter.fillRect(side, Qt::black);
    }
}

}  // namespace

CanvasFrame::CanvasFrame(Composer composer, QWidget* parent)
    : QWidget(parent), m_composer(std::move(composer)), m_buffer(makeCanvasPixels()) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CanvasFrame::paintEvent(QPaintEvent*) {
    ++m_paintCount;
    m_composer(*m_buffer);
    const QImage canvas(reinterpret_cast<const uchar*>(m_buffer->data()), kCanvasSize, kCanvasSize,
                        kCanvasSize * static_cast<int>(sizeof(Argb)),
                        QImage::Format_ARGB32_Premultiplied);
    QPainter painter(this);
    drawFrame(painter);
    // On a high-density screen each canvas pixel becomes a crisp square of device pixels.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(1, 1, canvas);
}

}  // namespace kelvaro
