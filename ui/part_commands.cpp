// The commands that choose which parts the portrait shows: select element, previous and next
// part, Generate, Reset and Set pattern.
#include <QScrollBar>
#include <random>

#include "imaging/file_boundary.h"
#include "model/part_library.h"
#include "model/portrait_ops.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro {

void CKelvaroDlg::updateCounter() {
    m_state.counterText = counterTextFor(m_state);
}

void CKelvaroDlg::loadLayers(std::span<const int> layers) {
    const auto report = [this](const std::string& message) { reportText(message); };
    for (int layer : layers)
        loadLayerOfElement(m_state, layer, report);
}

void CKelvaroDlg::onSelectElement() {
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
}

void CKelvaroDlg::stepPart(int direction) {
    const int element = m_state.currentElement;
    if (!isValidElement(element))
        return;
    m_state.saved = false;
    int& part = m_state.layer(element).partNumber;
    const int highest = m_state.highestPart[static_cast<std::size_t>(element)];
    if (direction < 0) {
        part = part > 0 ? part - 1 : highest;
    } else {
        part = part < highest ? part + 1 : 0;
    }
    updateCounter();
    writeControls();
    loadLayers(loadGroup(element));
    if (element == kEyes || element == kIris)
        maskIris(m_state);
    recolourCurrentElement(m_state);
    writeControls();
    redraw();
}

void CKelvaroDlg::onPreviousPart() {
    stepPart(-1);
}
void CKelvaroDlg::onNextPart() {
    stepPart(+1);
}

void CKelvaroDlg::onGenerate() {
    m_state.saved = false;
    std::mt19937 generator(static_cast<std::mt19937::result_type>(m_clock()));
    for (int element : generatedElements()) {
        const int highest = m_state.highestPart[static_cast<std::size_t>(element)];
        std::uniform_int_distribution<int> draw(0, std::max(highest, 0));
        m_state.layer(element).partNumber = draw(generator);
    }
    loadLayers(generatedLayers());
    maskIris(m_state);
    updateCounter();
    writeControls();
    redraw();
}

void CKelvaroDlg::onReset() {
    m_state.saved = false;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        m_state.layer(layer).partNumber = m_state.pattern[static_cast<std::size_t>(layer)];
    }
    loadLayers(fullLoadOrder());
    maskIris(m_state);
    updateCounter();
    writeControls();
    redraw();
}

void CKelvaroDlg::onSetPattern() {
    Pattern parts{};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        parts[static_cast<std::size_t>(layer)] = m_state.layer(layer).partNumber;
    }
    if (!writePattern(m_settingsFile, parts)) {
        report(QStringLiteral("設定ファイルの書き込みに失敗しました\n%1")
                   .arg(toQtPath(m_settingsFile)));
    }
    m_state.pattern = parts;
}

}  // namespace kelvaro
