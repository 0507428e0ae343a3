// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The commands that place the current element: move by one pixel, centre, rotate by 5 degrees.
#include <array>

#include "model/portrait_commands.h"
#include "ui/control_ids.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {
namespace {

struct MoveStep {
    int buttonId, dx, dy;
    Step step;
};
constexpr std::array<MoveStep, 4> kMoveSteps = {{
    {ids::kMoveUp, 0, -1, Step::MoveUp},
    {ids::kMoveDown, 0, 1, Step::MoveDown},
    {ids::kMoveLeft, -1, 0, Step::MoveLeft},
    {ids::kMoveRight, 1, 0, Step::MoveRight},
}};

}  // namespace

void CKelvaroDlg::onMove(int buttonId) {
    for (const MoveStep& move : kMoveSteps) {
        if (move.buttonId != buttonId)
            continue;
        recordStep(move.step, [this, move] {
            if (moveCurrentElement(m_state, move.dx, move.dy))
                redraw();
        });
    }
}

void CKelvaroDlg::onCentre() {
    recordStep(Step::Centre, [this] {
        if (centreCurrentElement(m_state))
            redraw();
    });
}

void CKelvaroDlg::onRotateRight() {
    recordStep(Step::RotateRight, [this] {
        if (rotateCurrentElement(m_state, kRotationStep))
            redraw();
    });
}

void CKelvaroDlg::onRotateLeft() {
    recordStep(Step::RotateLeft, [this] {
        if (rotateCurrentElement(m_state, -kRotationStep))
            redraw();
    });
}

}  // namespace kelvaro
