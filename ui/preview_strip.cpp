// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/preview_strip.h"

#include <QMouseEvent>
#include <QPainter>

#include "imaging/export.h"
#include "imaging/export_image.h"

namespace kelvaro {
namespace {

constexpr int kMargin = 6;  // around and between the pictures; the chosen one's frame lies in it
constexpr int kFrame = 3;

}  // namespace

PreviewStrip::PreviewStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sizePreviews"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    showTexts();
}

void PreviewStrip::showTexts() {
    setAccessibleName(tr("Podgląd zapisu: 48×48, 96×96, 192×192"));
    setToolTip(tr("Portret tak, jak zapisze go „Zapisz”; kliknięcie wybiera wymiary"));
}

void PreviewStrip::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showTexts();
}

void PreviewStrip::showPortrait(const CanvasPixels& canvas, int sizeChoice) {
    for (int i = 0; i < kExportSizeCount; ++i)
        m_pictures[static_cast<std::size_t>(i)] = exportedImage(canvas, exportEdgeLength(i));
    m_sizeChoice = sizeChoice;
    update();
}

const QImage& PreviewStrip::picture(int sizeChoice) const {
    return m_pictures.at(static_cast<std::size_t>(sizeChoice));
}

// Side by side, bottoms aligned.
QRect PreviewStrip::pictureRect(int sizeChoice) const {
    int left = kMargin;
    for (int i = 0; i < sizeChoice; ++i)
        left += exportEdgeLength(i) + kMargin;
    const int edge = exportEdgeLength(sizeChoice);
    return {left, kMargin + kCanvasSize - edge, edge, edge};
}

QSize PreviewStrip::sizeHint() const {
    const QRect last = pictureRect(kExportSizeCount - 1);
    return {last.right() + 1 + kMargin, last.bottom() + 1 + kMargin};
}

void PreviewStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int i = 0; i < kExportSizeCount; ++i) {
        const QRect rect = pictureRect(i);
        if (i == m_sizeChoice) {
            painter.fillRect(rect.adjusted(-kFrame, -kFrame, kFrame, kFrame),
                             palette().color(QPalette::Link));
        }
        const QImage& shown = m_pictures[static_cast<std::size_t>(i)];
        if (shown.isNull())
            painter.fillRect(rect, palette().color(QPalette::Midlight));
        else
            painter.drawImage(rect, shown);
    }
}

void PreviewStrip::mouseReleaseEvent(QMouseEvent* event) {
    for (int i = 0; i < kExportSizeCount; ++i) {
        if (event->button() == Qt::LeftButton &&
            pictureRect(i).contains(event->position().toPoint())) {
            emit sizeClicked(i);
            return;
        }
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace kelvaro
