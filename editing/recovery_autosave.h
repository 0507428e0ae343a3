// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Keeps a recovery file of the portrait while it has unsaved steps. A change of the history
// starts a one-second single-shot timer (unless one runs); when it fires the portrait is
// serialised on this thread and handed to a writer thread. So there is at most one write a
// second, and none later than a second after a step. Reaching the saved state again (a save, or
// undoing back to it) and a clean close remove the file. Failures are announced once per run.
#pragma once

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "editing/changes.h"
#include "io/file_result.h"

namespace kelvaro {

class PortraitEditor;
class RecoveryClaim;
class RecoveryWriter;

class RecoveryAutosave : public QObject {
    Q_OBJECT
public:
    // How long after the first unsaved step the file is written, and the least time between
    // two writes.
    static constexpr int kIntervalMs = 1000;

    // Claims a recovery file in `folder` for `editor` and follows its changes.
    RecoveryAutosave(PortraitEditor& editor, const std::filesystem::path& folder,
                     QObject* parent = nullptr);
    // A clean close: the recovery file is removed.
    ~RecoveryAutosave() override;

    // This editor's recovery file.
    const std::filesystem::path& file() const;
    // Writes what a running timer would write now (a restore's portrait, tests).
    void writeNow();
    // Waits until the writer has done what it was given (tests and benchmarks).
    void flush();

signals:
    // A recovery file cannot be written; once per run (Japanese, with the reason).
    void problem(const QString& message);

private:
    void follow(ChangeSet what);
    void warnOnce(const FileResult& failure);

    PortraitEditor& m_editor;
    std::unique_ptr<RecoveryClaim> m_claim;
    std::unique_ptr<RecoveryWriter> m_writer;
    QTimer m_timer;
    bool m_warned = false;
};

}  // namespace kelvaro
