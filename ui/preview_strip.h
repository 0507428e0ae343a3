// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait at the three export sizes, 48x48, 96x96 and 192x192, each picture exactly the
// image "Zapisz" encodes at that size, shown at its own pixel size (on a dense screen each
// picture pixel is a crisp square of device pixels, as on the canvas). The size chosen for
// saving is framed; a click on a picture asks for its size.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "imaging/pixels.h"

namespace kelvaro {

inline constexpr int kExportSizeCount = 3;

class PreviewStrip : public QWidget {
    Q_OBJECT
public:
    explicit PreviewStrip(QWidget* parent = nullptr);

    // Draws the pictures of `canvas` and frames size choice `sizeChoice` (none outside 0..2).
    void showPortrait(const CanvasPixels& canvas, int sizeChoice);
    const QImage& picture(int sizeChoice) const;
    // Where the picture of `sizeChoice` lies in the strip.
    QRect pictureRect(int sizeChoice) const;

    QSize sizeHint() const override;

signals:
    void sizeClicked(int sizeChoice);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A change of language shows the name and tooltip anew.
    void changeEvent(QEvent* event) override;

private:
    // The accessible name and the tooltip in the language the program speaks.
    void showTexts();
    std::array<QImage, kExportSizeCount> m_pictures;
    int m_sizeChoice = -1;
};

}  // namespace kelvaro
