// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The start's look for the work of an editor that did not close properly: each recovery file
// whose editor is gone, newest first, is read with the checks a document gets. A broken one is
// reported once, naming it and why, and moved aside into "discarded"; for a good one the user is
// asked whether to restore it. OK (the default) restores it; "Anuluj" moves
// it into "discarded" and the next one is offered.
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <filesystem>

namespace kelvaro {

class PortraitEditor;

struct RecoveryTexts {
    Q_DECLARE_TR_FUNCTIONS(RecoveryTexts)
};

// The question asked about a recovery file.
QString recoveryQuestion();

// Offers the orphaned recovery files of `folder` over `parent`; stops after one is restored and
// returns it (left in place for the caller to remove once the portrait is safe again), or an
// empty path when none was.
std::filesystem::path offerRecovery(QWidget* parent, PortraitEditor& editor,
                                    const std::filesystem::path& folder);

}  // namespace kelvaro
