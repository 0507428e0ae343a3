// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/scroll_adapter.h"

#include <QEvent>
#include <QScrollBar>
#include <array>
#include <utility>

namespace kelvaro {
namespace {

// Qt slider actions and the requests they stand for.
constexpr std::array<std::pair<int, ScrollRequest>, 6> kActionRequests = {{
    {QAbstractSlider::SliderSingleStepSub, ScrollRequest::LineLeft},
    {QAbstractSlider::SliderSingleStepAdd, ScrollRequest::LineRight},
    {QAbstractSlider::SliderPageStepSub, ScrollRequest::PageLeft},
    {QAbstractSlider::SliderPageStepAdd, ScrollRequest::PageRight},
    {QAbstractSlider::SliderToMinimum, ScrollRequest::Left},
    {QAbstractSlider::SliderToMaximum, ScrollRequest::Right},
}};

}  // namespace

ScrollAdapter::ScrollAdapter(QScrollBar* bar, Handler handler)
    : QObject(bar), m_bar(bar), m_handler(std::move(handler)) {
    connect(bar, &QAbstractSlider::actionTriggered, this, &ScrollAdapter::onAction);
    bar->installEventFilter(this);
}

void ScrollAdapter::onAction(int action) {
    if (action == QAbstractSlider::SliderMove) {
        m_handler(m_bar, ScrollRequest::ThumbTrack, m_bar->sliderPosition());
        return;
    }
    for (const auto& [qtAction, request] : kActionRequests) {
        if (qtAction == action)
            m_handler(m_bar, request, m_bar->sliderPosition());
    }
}

bool ScrollAdapter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_bar && event->type() == QEvent::MouseButtonRelease) {
        if (m_bar->isSliderDown()) {
            m_handler(m_bar, ScrollRequest::ThumbPosition, m_bar->sliderPosition());
        }
        m_handler(m_bar, ScrollRequest::EndScroll, m_bar->value());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvaro
