// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The colour controls: five scroll bars and five edits that recolour the current element, and
// the size buttons.
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "model/portrait_ops.h"
#include "ui/kelvaro_dlg.h"
#include "ui/number_reading.h"

namespace kelvaro {

// Moves the bar as the request asks. Steps were already applied by the bar, limited to its
// range; the thumb follows the drag; every other request leaves the bar where it was.
void CKelvaroDlg::applyScrollRequest(QScrollBar* bar, ScrollRequest request, int thumbPosition) {
    switch (request) {
        case ScrollRequest::LineLeft:
        case ScrollRequest::LineRight:
        case ScrollRequest::PageLeft:
        case ScrollRequest::PageRight:
            bar->setValue(bar->sliderPosition());
            break;
        case ScrollRequest::ThumbTrack:
            bar->setValue(thumbPosition);
            break;
        default:
            bar->setSliderPosition(bar->value());
            break;
    }
}

void CKelvaroDlg::onScroll(QScrollBar* bar, ScrollRequest request, int thumbPosition) {
    const auto index = std::find(m_bars.begin(), m_bars.end(), bar) - m_bars.begin();
    recordStep(Step::BarColour, static_cast<int>(index), [&] {
        m_state.saved = false;
        applyScrollRequest(bar, request, thumbPosition);
        readControls();
        m_state.current = m_state.scroll;
        writeControls();
        recolourCurrentElement(m_state);
        writeControls();
        redraw();
    });
}

// The edits take 0 up to the bar's highest value; what is no number becomes a selected 0.
void CKelvaroDlg::onEditChanged(int index) {
    recordStep(Step::EditColour, index, [this, index] {
        m_state.saved = false;
        QLineEdit* edit = m_edits.at(static_cast<std::size_t>(index));
        const auto number = readEditNumber(edit->text().toStdString());
        const int value = number.value_or(0);
        const int limit = colourSetting(index).high;
        if (!number) {
            settingAt(m_state.current, index) = 0;
            writeControls();
            edit->selectAll();
        }
        if (value > limit) {
            settingAt(m_state.current, index) = limit;
            writeControls();
        }
        if (value < 0) {
            settingAt(m_state.current, index) = 0;
            writeControls();
        }
        readControls();
        recolourCurrentElement(m_state);
        writeControls();
        redraw();
    });
}

void CKelvaroDlg::onSizeChosen() {
    endGesture();
    readControls();
    emit portraitShown();
}

}  // namespace kelvaro
