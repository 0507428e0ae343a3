// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The owner's life: opening the library, the data exchange's reading, and the undo history.
#include "editing/portrait_editor.h"

#include <QUndoStack>
#include <utility>

#include "editing/part_prefetch.h"
#include "editing/portrait_step.h"
#include "model/part_cache.h"
#include "model/part_preview.h"
#include "model/pattern.h"
#include "model/portrait_ops.h"

namespace kelvaro {
namespace {

const PortraitStep* stepAt(const QUndoStack& history, int index) {
    return dynamic_cast<const PortraitStep*>(history.command(index));
}

}  // namespace

PortraitEditor::PortraitEditor(std::filesystem::path settingsFile, QObject* parent)
    : QObject(parent),
      m_state(readPattern(settingsFile)),
      m_settingsFile(std::move(settingsFile)),
      m_clock([] { return std::time(nullptr); }),
      m_history(new QUndoStack(this)) {
    m_history->setUndoLimit(kHistoryLimit);
}

PortraitEditor::~PortraitEditor() = default;

bool PortraitEditor::hasUnsavedSteps() const {
    return !m_history->isClean();
}

void PortraitEditor::compose(CanvasPixels& out) const {
    composePortrait(m_state, out);
}

void PortraitEditor::keepPreparedOpening(OpeningPortrait prepared) {
    m_prepared.reset();
    if (prepared.state && prepared.settingsFile == m_settingsFile &&
        prepared.state->pattern == m_state.pattern)
        m_prepared = std::make_unique<OpeningPortrait>(std::move(prepared));
}

bool PortraitEditor::adoptsPreparedOpening(const std::filesystem::path& baseDirectory) const {
    return m_prepared && m_prepared->baseDirectory == baseDirectory;
}

void PortraitEditor::countParts(const std::filesystem::path& baseDirectory) {
    m_imagesAdopted = adoptsPreparedOpening(baseDirectory);
    if (m_imagesAdopted)
        m_state = std::move(*m_prepared->state);
    else
        openLibrary(m_state, baseDirectory, sharedPartCache());
    m_prepared.reset();
    m_partsCounted = true;
    emit changed(Change::Parts);
}

void PortraitEditor::prefetchParts(const std::filesystem::path& baseDirectory) {
    if (adoptsPreparedOpening(baseDirectory))
        return;
    m_prefetch =
        std::make_unique<PartPrefetch>(sharedPartCache(), layerPartFiles(m_state, baseDirectory));
}

bool PortraitEditor::loadImages() {
    if (m_prefetch) {
        m_prefetch->finish();
        m_prefetch.reset();
    }
    if (std::exchange(m_imagesAdopted, false))
        return true;
    return loadOpeningImages(m_state, reporter());
}

void PortraitEditor::release() {
    m_state.release();
}

void PortraitEditor::takeControlValues(const ControlValues& values) {
    m_state.current = values.current;
    m_state.currentElement = values.currentElement;
    m_state.scroll = values.scroll;
    m_state.sizeChoice = values.sizeChoice;
}

void PortraitEditor::recordStep(const StepKind& kind, const std::function<void()>& command) {
    const PortraitDocument before = capture(m_state);
    const ShownFace shownBefore = shownFace(m_state);
    command();
    settleShown(kind, shownBefore);
    const PortraitDocument after = capture(m_state);
    if (!kind.merges)
        endGesture();
    if (after == before)
        return;
    m_history->push(new PortraitStep(
        kind, documentDelta(before, after), m_gesture, [this] { return capture(m_state); },
        [this](const PortraitDocument& d) { showDocument(d); }));
    if (!kind.merges)
        endGesture();
    emit changed(Change::History);
}

void PortraitEditor::settleShown(const StepKind& kind, const ShownFace& before) {
    if (kind.routing == ShownRouting::Document || !editedExpression(m_state.expressions))
        return;
    const int acting = kind.routing == ShownRouting::EachLayer ? -1 : m_state.currentElement;
    settleShownChange(m_state, before, acting);
    apply(capture(m_state), m_state, reporter());
}

void PortraitEditor::showDocument(const PortraitDocument& document) {
    if (m_restoring)
        return;
    apply(document, m_state, reporter());
    emit changed(kWholePortrait);
}

// Undoing or redoing a step does to the saved flag what the step does, but reaching the state
// that was last saved again sets it.
void PortraitEditor::stepHistory(bool back) {
    endGesture();
    const PortraitStep* step = stepAt(*m_history, m_history->index() - (back ? 1 : 0));
    if (!step)
        return;
    if (back)
        m_history->undo();
    else
        m_history->redo();
    m_state.saved = m_history->isClean() || (step->kind().keepsSaved && m_state.saved);
    emit changed(ChangeSet(Change::History) | Change::Document);
}

void PortraitEditor::undo() {
    stepHistory(true);
}

void PortraitEditor::redo() {
    stepHistory(false);
}

void PortraitEditor::markSaved() {
    m_state.saved = true;
    m_history->setClean();
    emit changed(Change::Document);
}

MessageSink PortraitEditor::reporter() {
    return [this](const std::string& message) { report(QString::fromStdString(message)); };
}

void PortraitEditor::report(const QString& message) {
    emit problem(message);
}

}  // namespace kelvaro
