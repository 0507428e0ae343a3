// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The commands on the portrait's expressions: choosing the face edited and the set operations,
// each of those one step of the history.
#include "editing/portrait_editor.h"
#include "model/document_file.h"
#include "model/expression_ops.h"

namespace kelvaro {
namespace {

// What showing another face, or the same face after its set changed, may change.
constexpr ChangeSet kFaceShown =
    ChangeSet(Change::Expressions) | Change::Parts | Change::Placement | Change::Picture;

}  // namespace

void PortraitEditor::changeExpressions(Step step,
                                       const std::function<bool(ExpressionSet&)>& change) {
    endGesture();
    recordStep(stepKind(step), [this, &change] {
        PortraitDocument document = capture(m_state);
        if (!change(document.expressions))
            return;
        m_state.saved = false;
        apply(document, m_state, reporter());
        emit changed(kFaceShown);
    });
}

void PortraitEditor::chooseFace(int face) {
    endGesture();
    PortraitDocument document = capture(m_state);
    if (!chooseEditedFace(document.expressions, face))
        return;
    apply(document, m_state, reporter());
    emit changed(kFaceShown);
}

void PortraitEditor::addExpression(const QString& name) {
    changeExpressions(Step::AddExpression, [&name](ExpressionSet& set) {
        return kelvaro::addExpression(set, name.toStdString());
    });
}

void PortraitEditor::removeExpression(int face) {
    changeExpressions(Step::RemoveExpression,
                      [face](ExpressionSet& set) { return kelvaro::removeExpression(set, face); });
}

void PortraitEditor::renameExpression(int face, const QString& name) {
    changeExpressions(Step::RenameExpression, [face, &name](ExpressionSet& set) {
        return kelvaro::renameExpression(set, face, name.toStdString());
    });
}

void PortraitEditor::moveExpression(int face, int direction) {
    changeExpressions(Step::MoveExpression, [face, direction](ExpressionSet& set) {
        return kelvaro::moveExpression(set, face, direction);
    });
}

void PortraitEditor::showElementAsBase() {
    const int element = m_state.currentElement;
    changeExpressions(Step::ExpressionAsBase,
                      [element](ExpressionSet& set) { return dropOverride(set, element); });
}

bool PortraitEditor::loadExpressions(const std::filesystem::path& file) {
    auto read = readDocumentFile(file);
    if (const auto* failure = std::get_if<OpenFailure>(&read)) {
        report(QString::fromStdString(openErrorMessage(*failure, file)));
        return false;
    }
    const ExpressionSet& other = std::get<DocumentFile>(read).portrait.expressions;
    changeExpressions(Step::LoadExpressions,
                      [&other](ExpressionSet& set) { return takeExpressions(set, other); });
    return true;
}

void PortraitEditor::addBasicExpressions() {
    changeExpressions(Step::BasicExpressions,
                      [](ExpressionSet& set) { return kelvaro::addBasicExpressions(set); });
}

}  // namespace kelvaro
