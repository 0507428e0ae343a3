// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Undo and redo: every command that changes the portrait records one step of the history, and
// "Cofnij" and "Ponów" show the portrait before or after it again.
#include <QUndoStack>
#include <array>

#include "ui/kelvaro_dlg.h"
#include "ui/portrait_history.h"

namespace kelvaro {
namespace {

// By Step. Colour steps merge within one gesture on one control: a drag of a bar, a run of
// steps on it, or what is typed into one edit.
constexpr std::array<StepKind, static_cast<std::size_t>(Step::ChoosePart) + 1> kStepKinds = {{
    {"Poprzednia część", false, -1}, {"Następna część", false, -1},  {"Generuj", false, -1},
    {"Resetuj", false, -1},          {"Przesuń w górę", false, -1},  {"Przesuń w dół", false, -1},
    {"Przesuń w lewo", false, -1},   {"Przesuń w prawo", false, -1}, {"Wyśrodkuj", false, -1},
    {"Obrót w prawo", true, -1},     {"Obrót w lewo", true, -1},     {"Czerwony", false, 100},
    {"Zielony", false, 101},         {"Niebieski", false, 102},      {"Jasność", false, 103},
    {"Kontrast", false, 104},        {"Czerwony", false, 200},       {"Zielony", false, 201},
    {"Niebieski", false, 202},       {"Jasność", false, 203},        {"Kontrast", false, 204},
    {"Otwórz portret", false, -1},   {"Wybór części", false, -1},
}};

const PortraitStep* stepAt(const QUndoStack& history, int index) {
    return dynamic_cast<const PortraitStep*>(history.command(index));
}

}  // namespace

void CKelvaroDlg::recordStep(Step kind, int offset, const std::function<void()>& command) {
    const PortraitDocument before = capture(m_state);
    command();
    const PortraitDocument after = capture(m_state);
    const StepKind& row =
        kStepKinds.at(static_cast<std::size_t>(kind) + static_cast<std::size_t>(offset));
    if (row.mergeKey < 0)
        endGesture();
    if (after == before)
        return;
    m_history->push(new PortraitStep(
        row, documentDelta(before, after), m_gesture, [this] { return capture(m_state); },
        [this](const PortraitDocument& d) { showDocument(d); }));
    if (row.mergeKey < 0)
        endGesture();
}

void CKelvaroDlg::showDocument(const PortraitDocument& document) {
    apply(document, m_state, reporter());
    writeControls();
    redraw();
}

// Undoing or redoing a step does to the saved flag what the step does, but reaching the state
// that was last saved again sets it.
void CKelvaroDlg::onUndo() {
    endGesture();
    const PortraitStep* step = stepAt(*m_history, m_history->index() - 1);
    if (!step)
        return;
    m_history->undo();
    m_state.saved = m_history->isClean() || (step->kind().keepsSaved && m_state.saved);
}

void CKelvaroDlg::onRedo() {
    endGesture();
    const PortraitStep* step = stepAt(*m_history, m_history->index());
    if (!step)
        return;
    m_history->redo();
    m_state.saved = m_history->isClean() || (step->kind().keepsSaved && m_state.saved);
}

void CKelvaroDlg::markSaved() {
    m_state.saved = true;
    m_history->setClean();
}

}  // namespace kelvaro
