// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The commands that choose which parts the portrait shows: select element, previous and next
// part, Generate, Reset and Set pattern.
#include <QScrollBar>

#include "model/portrait_commands.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {

void CKelvaroDlg::updateCounter() {
    m_state.counterText = counterTextFor(m_state);
}

MessageSink CKelvaroDlg::reporter() {
    return [this](const std::string& message) { reportText(message); };
}

void CKelvaroDlg::onSelectElement() {
    endGesture();
    readControls();
    updateCounter();
    const int element = m_state.currentElement;
    if (isValidElement(element))
        m_state.current = m_state.layer(element).stored;
    writeControls();
    const auto values = toArray(m_state.current);
    for (std::size_t i = 0; i < m_bars.size(); ++i)
        m_bars[i]->setValue(values[i]);
    readControls();
    emit portraitShown();
}

// After the current element's part number changed: the counter, its load group, the iris mask,
// its recolour group, the canvas.
void CKelvaroDlg::showChosenPart() {
    updateCounter();
    writeControls();
    loadCurrentPart(m_state, reporter());
    writeControls();
    redraw();
}

void CKelvaroDlg::stepPart(int direction) {
    if (stepCurrentPart(m_state, direction))
        showChosenPart();
}

void CKelvaroDlg::onChoosePart(int part) {
    recordStep(Step::ChoosePart, [this, part] {
        if (setCurrentPart(m_state, part))
            showChosenPart();
    });
}

void CKelvaroDlg::onPreviousPart() {
    recordStep(Step::PreviousPart, [this] { stepPart(-1); });
}
void CKelvaroDlg::onNextPart() {
    recordStep(Step::NextPart, [this] { stepPart(+1); });
}

void CKelvaroDlg::onGenerate() {
    recordStep(Step::Generate, [this] {
        chooseGeneratedParts(m_state, seededPartDraw(static_cast<unsigned>(m_clock())));
        loadGeneratedParts(m_state, reporter());
        updateCounter();
        writeControls();
        redraw();
    });
}

void CKelvaroDlg::onReset() {
    recordStep(Step::Reset, [this] {
        choosePatternParts(m_state);
        loadAllParts(m_state, reporter());
        updateCounter();
        writeControls();
        redraw();
    });
}

void CKelvaroDlg::onSetPattern() {
    endGesture();
    Pattern parts{};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        parts[static_cast<std::size_t>(layer)] = m_state.layer(layer).partNumber;
    }
    if (const FileResult written = writePattern(m_settingsFile, parts); !written)
        reportText(
            fileFailureMessage("設定ファイルの書き込みに失敗しました", m_settingsFile, written));
    m_state.pattern = parts;
}

}  // namespace kelvaro
