// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "editing/portrait_step.h"

#include "model/recovery_json.h"

namespace kelvaro {

PortraitStep::PortraitStep(const StepKind& kind, DocumentDelta delta, unsigned gesture, Live live,
                           Show show)
    : QUndoCommand(QString::fromUtf8(kind.text)),
      m_kind(kind),
      m_delta(std::move(delta)),
      m_gesture(gesture),
      m_live(std::move(live)),
      m_show(std::move(show)) {}

void PortraitStep::undo() {
    m_show(documentBefore(m_delta, m_live()));
}

void PortraitStep::redo() {
    if (m_pushed)
        m_show(documentAfter(m_delta, m_live()));
    m_pushed = true;
}

bool PortraitStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const PortraitStep*>(other);
    if (next->m_gesture != m_gesture)
        return false;
    m_delta = mergedDelta(m_delta, next->m_delta);
    m_recoveryText.clear();
    setObsolete(changesNothing(m_delta));
    return true;
}

const std::string& PortraitStep::recoveryText() const {
    if (m_recoveryText.empty())
        m_recoveryText = recoveryStepText(static_cast<int>(m_kind.step), m_kind.setting, m_delta);
    return m_recoveryText;
}

std::size_t PortraitStep::size() const {
    const QString caption = text();
    return sizeof(*this) + static_cast<std::size_t>(caption.capacity()) * sizeof(QChar) +
           byteSize(m_delta) - sizeof(m_delta);
}

}  // namespace kelvaro
