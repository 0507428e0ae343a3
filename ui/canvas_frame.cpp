#include "ui/canvas_frame.h"

#include <QImage>
#include <QPainter>

namespace kelvaro {

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
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kCanvasSize + 1, kCanvasSize + 1);
    painter.drawImage(1, 1, canvas);
}

}  // namespace kelvaro
