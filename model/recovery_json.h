// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The recovery file the editor keeps while a portrait has unsaved steps, as UTF-8 JSON:
//
// {"format": "Kelvaro recovery", "version": 1, "documentFile": "/path/or/empty",
//  "saved": false, "index": 2, "document": {... as writeDocumentJson writes it ...},
//  "steps": [{"kind": 1, "setting": -1, "delta": {"before": {...}, "after": {...},
//             "layers": [[layer, field, before, after], ...],
//             "expressionsBefore": {...}, "expressionsAfter": {...}}}, ...]}
//
// "document" is the live portrait, which shows the history at "index" (0..steps); each step's
// "before" and "after" hold the portrait-wide values as documents write them, and the expression
// sets (present only when the step changed them) hold "expressions" and "editedExpression" as
// documents do. Pure text: no file is read or written here.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/document_delta.h"
#include "model/document_json.h"

namespace kelvaro {

inline constexpr std::string_view kRecoveryFormatName = "Kelvaro recovery";
inline constexpr int kRecoveryVersion = 1;

// One step of the recorded history: its kind as the history numbers it (the step and its colour
// setting, -1 for none) and what it changed.
struct RecoveredStep {
    int kind = 0;
    int setting = -1;
    DocumentDelta delta;
};

// What a recovery file holds.
struct RecoveryFile {
    PortraitDocument portrait;         // the live portrait
    std::string documentFile;          // UTF-8; empty when the portrait has none
    bool saved = false;                // the saved flag when it was written
    std::vector<RecoveredStep> steps;  // oldest first
    int index = 0;                     // 0..steps.size(): the steps done
};

enum class RecoveryError {
    NotARecovery,  // not JSON, not an object, or another format
    WrongVersion,  // a version this program does not write
    BadDocument,   // the portrait is no document this program reads
    BadValues,     // a step, the index or another field missing, of the wrong type or out of range
};

// True when the history knows step kind `kind` with colour setting `setting`.
using StepKindCheck = std::function<bool(int kind, int setting)>;

// The text of one step, as recoveryText joins it; the same step always gives the same text.
std::string recoveryStepText(int kind, int setting, const DocumentDelta& delta);

// The whole file from the live portrait's document text (writeDocumentJson), the document file,
// the saved flag, the index and the texts of the steps (recoveryStepText), oldest first. Joins
// strings only, so that the steps' texts can be kept between writes.
std::string recoveryText(std::string_view documentJson, std::string_view documentFile, bool saved,
                         int index, const std::vector<const std::string*>& stepTexts);

// The file in `text`, or the one error it has. There must be at most `maxSteps` steps, every
// step's kind must pass `known`, every layer change name a layer 0..23 and a field of
// kLayerFields (in order, no two alike), and the index lie in 0..steps.
std::variant<RecoveryFile, RecoveryError> readRecoveryText(std::string_view text,
                                                           const StepKindCheck& known,
                                                           std::size_t maxSteps);

// The reason shown for a file that could not be read (Japanese).
std::string recoveryErrorReason(RecoveryError error);

}  // namespace kelvaro
