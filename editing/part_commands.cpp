// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The commands that choose which parts the portrait shows: select element, previous and next
// part, a part chosen in the gallery, Generate, Reset, Set pattern and pictures added as parts.
#include "editing/portrait_editor.h"
#include "model/part_import.h"
#include "model/pattern.h"
#include "model/portrait_commands.h"

namespace kelvaro {

// The element's own settings become the current ones, in the edits and on the bars.
void PortraitEditor::selectElement(const ControlValues& read) {
    endGesture();
    takeControlValues(read);
    const int element = m_state.currentElement;
    if (isValidElement(element))
        m_state.current = m_state.layer(element).stored;
    m_state.scroll = clampedSettings(m_state.current);
    emit changed(ChangeSet(Change::Element) | Change::Colours);
}

// After the current element's part number changed: the counter, its load group, the iris mask,
// its recolour group, the canvas.
void PortraitEditor::showChosenPart() {
    emit changed(Change::Parts);
    loadCurrentPart(m_state, reporter());
    emit changed(ChangeSet(Change::Parts) | Change::Colours | Change::Picture);
}

void PortraitEditor::previousPart() {
    recordStep(stepKind(Step::PreviousPart), [this] {
        if (stepCurrentPart(m_state, -1))
            showChosenPart();
    });
}

void PortraitEditor::nextPart() {
    recordStep(stepKind(Step::NextPart), [this] {
        if (stepCurrentPart(m_state, +1))
            showChosenPart();
    });
}

void PortraitEditor::choosePart(int part) {
    recordStep(stepKind(Step::ChoosePart), [this, part] {
        if (setCurrentPart(m_state, part))
            showChosenPart();
    });
}

void PortraitEditor::showDrawnParts(const std::function<void()>& load) {
    load();
    emit changed(ChangeSet(Change::Parts) | Change::Picture);
}

void PortraitEditor::generate() {
    recordStep(stepKind(Step::Generate), [this] {
        chooseGeneratedParts(m_state, seededPartDraw(static_cast<unsigned>(m_clock())));
        showDrawnParts([this] { loadGeneratedParts(m_state, reporter()); });
    });
}

void PortraitEditor::reset() {
    recordStep(stepKind(Step::Reset), [this] {
        choosePatternParts(m_state);
        showDrawnParts([this] { loadAllParts(m_state, reporter()); });
    });
}

void PortraitEditor::setPattern() {
    endGesture();
    Pattern parts{};
    for (int layer = 0; layer < kLayerCount; ++layer)
        parts[static_cast<std::size_t>(layer)] = m_state.layer(layer).partNumber;
    if (const FileResult written = writePattern(m_settingsFile, parts); !written) {
        report(QString::fromStdString(fileFailureMessage(
            tr("設定ファイルの書き込みに失敗しました").toStdString(), m_settingsFile, written)));
    }
    m_state.pattern = parts;
}

bool PortraitEditor::addPictures(std::span<const std::filesystem::path> pictures) {
    endGesture();
    const int element = m_state.currentElement;
    if (!isValidElement(element) || pictures.empty())
        return false;
    const PartImport added = importParts(m_state.baseDirectory, element, pictures);
    if (!added.ok()) {
        report(QString::fromStdString(added.failure));
        return false;
    }
    m_state.highestPart[static_cast<std::size_t>(element)] =
        kelvaro::countParts(m_state.baseDirectory, element);
    emit changed(Change::Parts);
    if (!added.skipped.empty())
        report(QString::fromStdString(skippedNumbersNote(added.skipped)));
    choosePart(added.numbers.front());
    return true;
}

}  // namespace kelvaro
