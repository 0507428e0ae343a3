// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/kelvaro_app.h"

#include <future>
#include <vector>

#include "app/built_in_icon.h"
#include "app/group_box_frame.h"
#include "app/instance_handover.h"
#include "editing/opening_portrait.h"
#include "io/recovery_folder.h"
#include "model/part_cache.h"
#include "model/part_library.h"
#include "model/pattern.h"
#include "ui/icons.h"
#include "ui/kelvaro_dlg.h"
#include "ui/language_switch.h"
#include "ui/warning_box.h"

namespace kelvaro {
namespace {

std::shared_future<std::vector<QImage>> readyImages(std::vector<QImage> images) {
    std::promise<std::vector<QImage>> ready;
    ready.set_value(std::move(images));
    return ready.get_future().share();
}

}  // namespace

CKelvaroApp::CKelvaroApp(int& argc, char** argv, std::filesystem::path document)
    : m_application(argc, argv), m_document(std::move(document)) {
    // The desktop finds the menu entry, and through it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KELVARO_APP_ID));
    speakRememberedLanguage();
}

bool CKelvaroApp::initInstance() {
    m_instanceLock = std::make_unique<InstanceLock>();
    const auto lockFile = InstanceLock::pathFor(QApplication::applicationName());
    const auto socket = handoverSocketFor(lockFile);
    const auto warn = [this](const QString& message) { report(message); };
    bool handedOver = false;
    const auto handOver = [&] { return handedOver = handOverFile(socket, m_document); };
    if (!claimSingleInstance(*m_instanceLock, lockFile, warn, handOver)) {
        m_alreadyRunning = !handedOver;
        return false;
    }
    m_settingsFile = currentFolder() / kSettingsFileName;
    // The portrait needs no fonts: it is opened while the font configuration is still read.
    OpeningPortrait opening = prepareOpening(m_settingsFile, currentFolder(), sharedPartCache());
    m_fonts.finish();
    showApplicationIcon();
    preloadGroupBoxFrame();
    CKelvaroDlg editor(m_settingsFile, std::move(opening));
    editor.setStartupDocument(m_document);
    editor.setRecoveryFolder(defaultRecoveryFolder());
    // Only the lock's holder takes files from other copies: without the lock, another editor
    // may be listening there.
    HandoverServer handover;
    if (m_instanceLock->held() && handover.listen(socket))
        QObject::connect(&handover, &HandoverServer::fileRequested, &editor,
                         &CKelvaroDlg::openRequested);
    editor.exec();
    return false;
}

int CKelvaroApp::exitInstance() {
    m_settingsFile.clear();
    m_instanceLock.reset();
    return m_alreadyRunning ? 1 : 0;
}

// The images were drawn when the program was built; the window takes the larger ones after its
// first frame.
void CKelvaroApp::showApplicationIcon() {
    useApplicationIconImages({builtInApplicationIconImages(0, kFirstFrameIconSizeCount),
                              readyImages(builtInApplicationIconImages(kFirstFrameIconSizeCount))});
    QApplication::setWindowIcon(firstFrameApplicationIcon());
}

void CKelvaroApp::report(const QString& message) {
    m_fonts.finish();
    showApplicationIcon();
    QApplication::setWindowIcon(applicationIcon());
    showWarning(nullptr, message);
}

}  // namespace kelvaro
