// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The notifications whose command needs the window before the portrait's owner runs it: the
// element list, the bars and edits and the size buttons read the controls first.
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "ui/kelvaro_dlg.h"
#include "ui/number_reading.h"

namespace kelvaro {
namespace {

// Moves the bar as the request asks. Steps were already applied by the bar, limited to its
// range; the thumb follows the drag; every other request leaves the bar where it was.
void applyScrollRequest(QScrollBar* bar, ScrollRequest request, int thumbPosition) {
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

}  // namespace

void CKelvaroDlg::onSelectElement() {
    ControlValues read;
    readControls(read);
    m_editor.selectElement(read);
}

void CKelvaroDlg::onScroll(QScrollBar* bar, ScrollRequest request, int thumbPosition) {
    const auto setting = std::find(m_ui.bars.begin(), m_ui.bars.end(), bar) - m_ui.bars.begin();
    applyScrollRequest(bar, request, thumbPosition);
    ControlValues read;
    readControls(read);
    m_editor.colourFromBars(static_cast<int>(setting), read);
}

// The edits take 0 up to the bar's highest value; what is no number becomes a selected 0.
void CKelvaroDlg::onEditChanged(int setting) {
    QLineEdit* edit = m_ui.edits.at(static_cast<std::size_t>(setting));
    const auto number = readEditNumber(edit->text().toStdString());
    const int limited = std::clamp(number.value_or(0), 0, colourSetting(setting).high);
    if (!number || limited != *number)
        writeEdit(setting, limited);
    if (!number)
        edit->selectAll();
    ControlValues read;
    readControls(read);
    m_editor.colourFromEdit(setting, read);
}

void CKelvaroDlg::onSizeChosen() {
    ControlValues read;
    readControls(read);
    m_editor.chooseSize(read);
}

}  // namespace kelvaro
