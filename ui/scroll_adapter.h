// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Turns what the user does to a scroll bar into the classic scroll requests: line and page
// steps, thumb tracking, thumb release, jumps to either end, and the end-of-scroll request that
// follows every mouse action on the bar. A step at the end of the range still reports its
// request, although it moves nothing.
#pragma once

#include <QObject>
#include <functional>

class QScrollBar;

namespace kelvaro {

enum class ScrollRequest {
    LineLeft,
    LineRight,
    PageLeft,
    PageRight,
    ThumbPosition,  // the thumb was released
    ThumbTrack,     // the thumb is being dragged (or the wheel turned) to `position`
    Left,
    Right,
    EndScroll,
};

class ScrollAdapter : public QObject {
    Q_OBJECT
public:
    // Receives the bar, the request and, for ThumbTrack, the thumb position.
    using Handler = std::function<void(QScrollBar* bar, ScrollRequest request, int position)>;

    ScrollAdapter(QScrollBar* bar, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onAction(int action);

    QScrollBar* m_bar;
    Handler m_handler;
};

}  // namespace kelvaro
