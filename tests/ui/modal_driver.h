// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Answers modal windows (message boxes, the save dialog, the About box) from a test: each
// queued handler receives the next modal window that appears. A modal window that no handler
// expects is recorded and closed, so a test fails instead of hanging.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QFileDialog;

namespace kelvaro::test {

class ModalDriver : public QObject {
public:
    ModalDriver();
    ~ModalDriver() override;

    // The next modal window is passed to `handler`.
    void expect(std::function<void(QWidget*)> handler);
    // The next modal window must be a message box: its text is recorded and `button` clicked.
    void answerMessageBox(QMessageBox::StandardButton button = QMessageBox::Ok);
    // The next modal window must be the save dialog: `path` is typed as the file name and the
    // dialog accepted.
    void answerSaveDialog(const QString& path);
    void cancelSaveDialog();

    // Texts of the message boxes answered so far, and titles/classes of unexpected windows.
    QStringList messages;
    QStringList unexpected;
    bool allHandled() const { return m_handlers.empty(); }

private:
    void poll();

    QTimer m_timer;
    std::deque<std::function<void(QWidget*)>> m_handlers;
    int m_idleTicks = 0;
};

// Finds the save dialog's file name field, types `path` into it (the name alone once the dialog
// shows the file's folder) and presses the accept button.
void typeFileNameAndAccept(QFileDialog* dialog, const QString& path);

}  // namespace kelvaro::test
