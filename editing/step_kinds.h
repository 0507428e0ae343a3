// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The kinds of step the undo history records, as the editor's commands make them, and what the
// history knows about each: its caption, whether it leaves the saved flag alone, and whether steps
// of the same kind within one gesture merge into one.
#pragma once

#include <QString>
#include <cstddef>

namespace kelvaro {

enum class Step {
    PreviousPart,
    NextPart,
    Generate,
    Reset,
    MoveUp,
    MoveDown,
    MoveLeft,
    MoveRight,
    Centre,
    RotateRight,
    RotateLeft,
    BarColour,   // one of the five settings, from its scroll bar
    EditColour,  // one of the five settings, typed into its edit
    OpenPortrait,
    ChoosePart,
    Colour,       // a colour chosen as a colour (swatch, picker)
    LinkColours,  // the current element linked or unlinked
    DrawColours,  // "Losuj kolory"
    AddExpression,
    RemoveExpression,
    RenameExpression,
    MoveExpression,
    ExpressionAsBase,  // the current element shown as in the base again
    LoadExpressions,   // the set of another portrait
    BasicExpressions,
};

// Where a step's change of the shown face goes while an expression is shown.
enum class ShownRouting {
    CurrentElement,  // decided by the current element (settleShownChange)
    EachLayer,       // a command on the whole portrait: each layer's own element decides
    Document,        // the step sets the document itself (base and set): nothing to route
};

struct StepKind {
    Step step;
    int setting;       // the colour setting 0..4 of a colour step; -1 for every other step
    const char* text;  // shown in "Cofnij: ..." and "Ponów: ..."; the source text (stepText)
    bool keepsSaved;   // the command leaves the saved flag alone (the rotations)
    bool merges;       // steps of this kind within one gesture merge into one
    ShownRouting routing;
};

// The kind of `step` (for a colour step, of its setting 0..4). Throws std::out_of_range for a
// pair the table does not hold.
const StepKind& stepKind(Step step, int setting = -1);

// True when the table holds step `step` (a Step's value) with colour setting `setting`, as a
// recovery file names a step's kind.
bool isStepKind(int step, int setting);

// A step's text as the program now speaks it, from the source text the history keeps (`text` of
// its kind): the history's texts stay as written, so that they follow a change of language.
QString stepText(const QString& sourceText);

// The key under which steps of `kind` merge (QUndoCommand::id): distinct for every kind that
// merges, -1 for the others.
int mergeKey(const StepKind& kind);

}  // namespace kelvaro
