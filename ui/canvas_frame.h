// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The frame control: a one-pixel black frame with the 192x192 canvas inside it, canvas pixel
// (0, 0) at frame pixel (1, 1). Every paint composes the portrait afresh through the supplied
// function; nothing is cached between paints.
#pragma once

#include <QWidget>
#include <functional>

#include "imaging/pixels.h"

namespace kelvaro {

class CanvasFrame : public QWidget {
    Q_OBJECT
public:
    using Composer = std::function<void(CanvasPixels& out)>;

    CanvasFrame(Composer composer, QWidget* parent);

    int paintCount() const { return m_paintCount; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Composer m_composer;
    std::unique_ptr<CanvasPixels> m_buffer;
    int m_paintCount = 0;
};

}  // namespace kelvaro
