// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/kelvaro_app.h"

#include "io/recovery_folder.h"
#include "model/part_library.h"
#include "model/pattern.h"
#include "ui/icons.h"
#include "ui/kelvaro_dlg.h"
#include "ui/language_switch.h"
#include "ui/warning_box.h"

namespace kelvaro {

CKelvaroApp::CKelvaroApp(int& argc, char** argv, std::filesystem::path document)
    : m_application(argc, argv), m_document(std::move(document)) {
    QApplication::setWindowIcon(applicationIcon());
    // The desktop finds the menu entry, and through it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVARO_APP_ID));
    speakRememberedLanguage();
}

bool CKelvaroApp::initInstance() {
    m_instanceLock = std::make_unique<InstanceLock>();
    const auto lockFile = InstanceLock::pathFor(QApplication::applicationName());
    const auto warn = [this](const QString& message) { report(message); };
    if (!claimSingleInstance(*m_instanceLock, lockFile, warn)) {
        m_alreadyRunning = true;
        return false;
    }
    m_settingsFile = currentFolder() / kSettingsFileName;
    CKelvaroDlg editor(m_settingsFile);
    editor.setStartupDocument(m_document);
    editor.setRecoveryFolder(defaultRecoveryFolder());
    editor.exec();
    return false;
}

int CKelvaroApp::exitInstance() {
    m_settingsFile.clear();
    m_instanceLock.reset();
    return m_alreadyRunning ? 1 : 0;
}

void CKelvaroApp::report(const QString& message) {
    showWarning(nullptr, message);
}

}  // namespace kelvaro
