// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The undo history of the portrait: each step keeps what one user gesture changed in the
// portrait document (no pixels), and undoing or redoing it shows the document before or after.
#pragma once

#include <QUndoCommand>
#include <functional>

#include "model/document_delta.h"

namespace kelvaro {

// What the window knows about a kind of step.
struct StepKind {
    const char* text;  // shown in "Cofnij: ..." and "Ponów: ..."
    bool keepsSaved;   // the command leaves the saved flag alone (the rotations)
    int mergeKey;      // steps of one key within one gesture merge; -1: never
};

class PortraitStep : public QUndoCommand {
public:
    // The live portrait's document, and how to make the portrait show another one.
    using Live = std::function<PortraitDocument()>;
    using Show = std::function<void(const PortraitDocument&)>;

    PortraitStep(const StepKind& kind, DocumentDelta delta, unsigned gesture, Live live, Show show);

    void undo() override;
    void redo() override;
    int id() const override { return m_kind.mergeKey; }
    bool mergeWith(const QUndoCommand* other) override;

    const StepKind& kind() const { return m_kind; }

private:
    StepKind m_kind;
    DocumentDelta m_delta;
    unsigned m_gesture;
    Live m_live;
    Show m_show;
    bool m_pushed = false;  // the first redo comes from the push, after the command already ran
};

}  // namespace kelvaro
