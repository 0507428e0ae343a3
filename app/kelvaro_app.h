// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The application: makes sure only one copy runs, fixes where the settings file lives, runs the
// editor window modally and shuts down when it closes. It also names itself to the desktop and
// speaks the language the user chose, else the desktop's (Qt's own dialogs included).
#pragma once

#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/font_warm_up.h"
#include "app/instance_lock.h"

namespace kelvaro {

class CKelvaroApp {
public:
    // `document`, unless empty, names a portrait document (or a PNG with its recipe) to open;
    // the command line (read by readCommandLine) gives it.
    CKelvaroApp(int& argc, char** argv, std::filesystem::path document);

    // Start-up: the single-instance lock, the settings path, then the editor's modal run.
    // Always returns false: the editor's run is the program's only loop.
    bool initInstance();
    // Shut-down: releases the settings path and the lock. Returns the exit code.
    int exitInstance();

    const std::filesystem::path& settingsFile() const { return m_settingsFile; }

private:
    void report(const QString& message);
    // Gives the program the application icon's images compiled in (every size, the window shows
    // the first-frame ones until its first frame), before its first window shows.
    void showApplicationIcon();

    FontConfigWarmUp m_fonts;  // starts before Qt, so that it overlaps Qt's own start
    QApplication m_application;
    std::unique_ptr<InstanceLock> m_instanceLock;
    std::filesystem::path m_settingsFile;
    std::filesystem::path m_document;  // the file's bytes as given, so that any file name opens
    bool m_alreadyRunning = false;
};

}  // namespace kelvaro
