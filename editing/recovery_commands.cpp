// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The portrait and its history as a recovery file holds them, and back.
#include <QUndoStack>

#include "editing/portrait_editor.h"
#include "editing/portrait_step.h"
#include "editing/step_kinds.h"
#include "model/document_json.h"

namespace kelvaro {

std::string PortraitEditor::recoveryText() const {
    std::vector<const std::string*> steps;
    steps.reserve(static_cast<std::size_t>(m_history->count()));
    for (int i = 0; i < m_history->count(); ++i)
        steps.push_back(&static_cast<const PortraitStep*>(m_history->command(i))->recoveryText());
    DocumentFile document;
    document.portrait = capture(m_state);
    return kelvaro::recoveryText(writeDocumentJson(document), m_documentFile.string(),
                                 m_state.saved, m_history->index(), steps);
}

std::variant<RecoveryFile, RecoveryError> PortraitEditor::readRecovery(std::string_view text) {
    return readRecoveryText(text, &isStepKind, kHistoryLimit);
}

// The steps are pushed as steps that already ran and undone back to the index while they show
// nothing; then the portrait takes the recorded document, which is the one at that index.
void PortraitEditor::restoreRecovery(const RecoveryFile& file) {
    m_restoring = true;
    m_history->clear();
    for (const RecoveredStep& step : file.steps) {
        endGesture();  // restored steps never merge with each other
        m_history->push(new PortraitStep(
            stepKind(static_cast<Step>(step.kind), step.setting), step.delta, m_gesture,
            [this] { return capture(m_state); },
            [this](const PortraitDocument& d) { showDocument(d); }));
    }
    m_history->setIndex(file.index);
    m_history->resetClean();
    m_restoring = false;
    endGesture();
    m_documentFile = file.documentFile;
    apply(file.portrait, m_state, reporter(), ApplyScope::Everything);
    m_state.saved = false;
    emit changed(kWholePortrait);
    emit changed(ChangeSet(Change::History) | Change::Document);
}

}  // namespace kelvaro
