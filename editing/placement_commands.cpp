// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The commands that place the current element: move by one pixel, centre, rotate by 5 degrees.
#include "editing/portrait_editor.h"
#include "model/portrait_commands.h"

namespace kelvaro {

void PortraitEditor::place(Step step, const std::function<bool()>& command) {
    recordStep(stepKind(step), [this, &command] {
        if (command())
            emit changed(ChangeSet(Change::Placement) | Change::Picture);
    });
}

void PortraitEditor::move(Step step, int dx, int dy) {
    place(step, [this, dx, dy] { return moveCurrentElement(m_state, dx, dy); });
}

void PortraitEditor::moveUp() {
    move(Step::MoveUp, 0, -1);
}
void PortraitEditor::moveDown() {
    move(Step::MoveDown, 0, 1);
}
void PortraitEditor::moveLeft() {
    move(Step::MoveLeft, -1, 0);
}
void PortraitEditor::moveRight() {
    move(Step::MoveRight, 1, 0);
}

void PortraitEditor::centre() {
    place(Step::Centre, [this] { return centreCurrentElement(m_state); });
}

void PortraitEditor::rotateRight() {
    place(Step::RotateRight, [this] { return rotateCurrentElement(m_state, kRotationStep); });
}

void PortraitEditor::rotateLeft() {
    place(Step::RotateLeft, [this] { return rotateCurrentElement(m_state, -kRotationStep); });
}

}  // namespace kelvaro
