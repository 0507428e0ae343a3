// The commands that place the current element: move by one pixel, centre, rotate by 5 degrees.
#include <array>

#include "model/portrait_ops.h"
#include "ui/control_ids.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {
namespace {

struct MoveStep {
    int buttonId, dx, dy;
};
constexpr std::array<MoveStep, 4> kMoveSteps = {{
    {ids::kMoveUp, 0, -1},
    {ids::kMoveDown, 0, 1},
    {ids::kMoveLeft, -1, 0},
    {ids::kMoveRight, 1, 0},
}};

constexpr int kRotationStep = 5;

void setGroupPosition(PortraitState& state, int x, int y) {
    for (int layer : moveGroup(state.currentElement)) {
        state.layer(layer).x = x;
        state.layer(layer).y = y;
    }
}

void setGroupAngle(PortraitState& state, int angle) {
    for (int layer : rotationGroup(state.currentElement))
        state.layer(layer).angle = angle;
}

// The iris mask follows the offset between iris and eye shape; the face and the eyes move both
// to one position, the iris moves alone, so all three change it.
bool movesIrisOffset(int element) {
    return element == kIris || element == kFace || element == kEyes;
}

// Modulo 360 rounding towards minus infinity: -5 becomes 355, 360 becomes 0.
int wrapAngle(int angle) {
    return ((angle % 360) + 360) % 360;
}

// Turns the current element's rotation group by `delta` from its primary layer's angle.
bool rotateCurrentElement(PortraitState& state, int delta) {
    const int element = state.currentElement;
    if (!isValidElement(element))
        return false;
    setGroupAngle(state, wrapAngle(state.layer(element).angle + delta));
    return true;
}

}  // namespace

void CKelvaroDlg::onMove(int buttonId) {
    const int element = m_state.currentElement;
    if (!isValidElement(element))
        return;
    m_state.saved = false;
    for (const MoveStep& step : kMoveSteps) {
        if (step.buttonId != buttonId)
            continue;
        const LayerState& primary = m_state.layer(element);
        setGroupPosition(m_state, primary.x + step.dx, primary.y + step.dy);
    }
    if (movesIrisOffset(element))
        maskIris(m_state);
    redraw();
}

void CKelvaroDlg::onCentre() {
    const int element = m_state.currentElement;
    if (!isValidElement(element))
        return;
    m_state.saved = false;
    setGroupPosition(m_state, kDefaultLayerPosition, kDefaultLayerPosition);
    setGroupAngle(m_state, 0);
    if (movesIrisOffset(element))
        maskIris(m_state);
    redraw();
}

void CKelvaroDlg::onRotateRight() {
    if (rotateCurrentElement(m_state, kRotationStep))
        redraw();
}

void CKelvaroDlg::onRotateLeft() {
    if (rotateCurrentElement(m_state, -kRotationStep))
        redraw();
}

}  // namespace kelvaro
