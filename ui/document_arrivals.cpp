// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Documents that reach the editor other than through "Otwórz portret…": handed over by a second
// copy of the program, dropped on the window or chosen among the recent documents. Each opens as
// the file chosen in "Otwórz portret…" does, its question and messages included.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

#include "io/file_boundary.h"
#include "ui/dropped_file.h"
#include "ui/kelvaro_dlg.h"
#include "ui/user_settings.h"
#include "ui/warning_box.h"
#include "ui/window_title.h"

namespace kelvaro {
namespace {

constexpr int kWaitCheckMs = 200;  // how often waiting files look for the modal window's end

// True while a message box, a file dialog or a menu of the program is open over `window`.
bool busyElsewhere(const QWidget* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return (modal && modal != window) || QApplication::activePopupWidget();
}

}  // namespace

void CKelvaroDlg::openRequested(const std::filesystem::path& file) {
    m_waitingFiles.push_back(file);
    openWaitingFiles();
}

void CKelvaroDlg::openWaitingFiles() {
    if (!m_waitTimer) {
        m_waitTimer = new QTimer(this);
        m_waitTimer->setInterval(kWaitCheckMs);
        connect(m_waitTimer, &QTimer::timeout, this, &CKelvaroDlg::openWaitingFiles);
    }
    while (!m_waitingFiles.empty() && m_opened && !m_closing && !busyElsewhere(this)) {
        const std::filesystem::path file = m_waitingFiles.front();
        m_waitingFiles.pop_front();
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
        openPortraitFile(*this, m_editor, file);
    }
    if (m_waitingFiles.empty() || m_closing)
        m_waitTimer->stop();
    else if (!m_waitTimer->isActive())
        m_waitTimer->start();
}

void CKelvaroDlg::openRecentFile(std::size_t place) {
    if (place >= m_recent.files().size())
        return;
    const std::filesystem::path file = m_recent.files()[place];
    if (entryExists(file)) {
        openPortraitFile(*this, m_editor, file);
        return;
    }
    m_recent.remove(file);
    UserSettings settings;
    m_recent.writeTo(settings);
    report(QCoreApplication::translate("kelvaro::CKelvaroDlg",
                                       "ファイルが見つからないため、一覧から外しました\n%1")
               .arg(toQtPath(file)));
}

void CKelvaroDlg::clearRecentFiles() {
    m_recent.clear();
    UserSettings settings;
    m_recent.writeTo(settings);
}

void CKelvaroDlg::showDocument() {
    showDocumentTitle(*this, m_editor);
    if (!m_recent.add(m_editor.documentFile()))
        return;
    UserSettings settings;
    m_recent.writeTo(settings);
}

void CKelvaroDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedPortraitFile(*event->mimeData()))
        event->acceptProposedAction();
}

void CKelvaroDlg::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedPortraitFile(*event->mimeData()))
        event->acceptProposedAction();
}

void CKelvaroDlg::dropEvent(QDropEvent* event) {
    const auto file = droppedPortraitFile(*event->mimeData());
    if (!file)
        return;
    event->acceptProposedAction();
    // Not inside the drop: the question may need a loop of its own, and the source waits.
    QTimer::singleShot(0, this, [this, file = *file] { openPortraitFile(*this, m_editor, file); });
}

}  // namespace kelvaro
