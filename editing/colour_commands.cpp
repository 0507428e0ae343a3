// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The colour commands: the five settings from the bars or the edits recolour the current element
// and the elements linked with it; and the size the portrait is saved at.
#include "editing/portrait_editor.h"
#include "model/colour_links.h"
#include "model/portrait_ops.h"

namespace kelvaro {

void PortraitEditor::colourFromBars(int setting, const ControlValues& read) {
    recordStep(stepKind(Step::BarColour, setting), [this, &read] {
        m_state.saved = false;
        takeControlValues(read);
        m_state.current = m_state.scroll;
        recolourCurrentElement(m_state);
        shareCurrentSettings(m_state);
        emit changed(ChangeSet(Change::Colours) | Change::Picture);
    });
}

void PortraitEditor::colourFromEdit(int setting, const ControlValues& read) {
    recordStep(stepKind(Step::EditColour, setting), [this, &read] {
        m_state.saved = false;
        takeControlValues(read);
        recolourCurrentElement(m_state);
        shareCurrentSettings(m_state);
        emit changed(ChangeSet(Change::Colours) | Change::Picture);
    });
}

void PortraitEditor::chooseSize(const ControlValues& read) {
    endGesture();
    takeControlValues(read);
    emit changed(Change::Size);
}

void PortraitEditor::chooseSize(int sizeChoice) {
    endGesture();
    m_state.sizeChoice = sizeChoice;
    emit changed(Change::Size);
}

}  // namespace kelvaro
