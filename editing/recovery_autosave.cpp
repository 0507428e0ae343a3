// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "editing/recovery_autosave.h"

#include <QMetaObject>
#include <QPointer>

#include "editing/portrait_editor.h"
#include "io/recovery_folder.h"
#include "io/recovery_writer.h"

namespace kelvaro {

RecoveryAutosave::RecoveryAutosave(PortraitEditor& editor, const std::filesystem::path& folder,
                                   QObject* parent)
    : QObject(parent), m_editor(editor), m_claim(std::make_unique<RecoveryClaim>(folder)) {
    m_writer = std::make_unique<RecoveryWriter>(m_claim->file(), [this](const FileResult& f) {
        QMetaObject::invokeMethod(
            this, [this, f] { warnOnce(f); }, Qt::QueuedConnection);
    });
    m_timer.setSingleShot(true);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryAutosave::writeNow);
    connect(&m_editor, &PortraitEditor::changed, this, &RecoveryAutosave::follow);
}

RecoveryAutosave::~RecoveryAutosave() {
    m_timer.stop();
    m_writer->remove();
    m_writer->flush();
    m_writer.reset();  // before the claim lets its lock go
}

const std::filesystem::path& RecoveryAutosave::file() const {
    return m_claim->file();
}

void RecoveryAutosave::follow(ChangeSet what) {
    if (!(what & (ChangeSet(Change::History) | Change::Document)))
        return;
    if (!m_editor.hasUnsavedSteps()) {
        m_timer.stop();
        m_writer->remove();
    } else if (!m_timer.isActive()) {
        m_timer.start();
    }
}

void RecoveryAutosave::writeNow() {
    m_timer.stop();
    if (!m_claim->failure()) {
        warnOnce(m_claim->failure());
        return;
    }
    if (m_editor.hasUnsavedSteps())
        m_writer->write(m_editor.recoveryText());
}

void RecoveryAutosave::flush() {
    m_writer->flush();
}

void RecoveryAutosave::warnOnce(const FileResult& failure) {
    if (m_warned)
        return;
    m_warned = true;
    emit problem(tr("復元用のファイルを書き込めません。編集はこのまま続けられますが、異常終了した"
                    "場合は作業を復元できません。\n%1\n%2")
                     .arg(QString::fromStdString(m_claim->folder().string()),
                          QString::fromStdString(failure.reason)));
}

}  // namespace kelvaro
