// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// One step of the portrait's undo history: what one user gesture changed in the portrait
// document (no pixels). Undoing or redoing it shows the document before or after it.
#pragma once

#include <QUndoCommand>
#include <cstddef>
#include <functional>
#include <string>

#include "editing/step_kinds.h"
#include "model/document_delta.h"

namespace kelvaro {

class PortraitStep : public QUndoCommand {
public:
    // The live portrait's document, and how to make the portrait show another one.
    using Live = std::function<PortraitDocument()>;
    using Show = std::function<void(const PortraitDocument&)>;

    // A step that already ran: the first redo, which QUndoStack::push makes, does nothing.
    PortraitStep(const StepKind& kind, DocumentDelta delta, unsigned gesture, Live live, Show show);

    void undo() override;
    void redo() override;
    int id() const override { return mergeKey(m_kind); }
    // Takes in a later step of the same kind and gesture; a merged step that changes nothing
    // becomes obsolete and leaves the history.
    bool mergeWith(const QUndoCommand* other) override;

    const StepKind& kind() const { return m_kind; }
    const DocumentDelta& delta() const { return m_delta; }
    // The step as a recovery file holds it (recoveryStepText), made on first use and kept until
    // a later step merges into this one.
    const std::string& recoveryText() const;
    // The memory the step holds, in bytes: itself, its caption and what its delta keeps.
    std::size_t size() const;

private:
    StepKind m_kind;
    DocumentDelta m_delta;
    unsigned m_gesture;
    Live m_live;
    Show m_show;
    mutable std::string m_recoveryText;  // empty until asked for
    bool m_pushed = false;  // the first redo comes from the push, after the command already ran
};

}  // namespace kelvaro
