// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
//
// The unpacked Debian package, and the unpacked launcher started as the desktop starts it:
// offscreen, in a home folder of its own, with the probe plugin reporting what the editor shows.
#pragma once

#include <QImage>
#include <QProcessEnvironment>
#include <QStringList>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "imaging/pixels.h"

namespace kelvaro::test {

// The root of the unpacked package (holding usr/), and its usr/share.
std::filesystem::path stagedRoot();
std::filesystem::path stagedShare();

// Every regular file below `folder`, by relative path, with its bytes.
std::map<std::string, std::string> filesBelow(const std::filesystem::path& folder);

struct LauncherRun {
    std::filesystem::path home;              // HOME of the run
    std::optional<std::string> xdgDataHome;  // XDG_DATA_HOME, unset when empty
    std::filesystem::path callerFolder;      // where the launcher is started from
    QStringList arguments;
};

struct ProbeReport {
    int exitCode = -1;
    QString standardError;
    std::multimap<QString, QString> values;  // report.txt, key=value
    QImage canvas;                           // the canvas frame as the editor drew it

    QString value(const QString& key) const;
    QStringList all(const QString& key) const;
};

// Starts the unpacked launcher and waits for the editor the probe ends.
ProbeReport runLauncher(const LauncherRun& run);

// The canvas and counter of an editor opened in `folder` in this process, as reference.
struct EditorView {
    std::unique_ptr<CanvasPixels> canvas;
    QString counter;
};
EditorView openEditorIn(const std::filesystem::path& folder);

// Number of canvas pixels where the probe's picture of the canvas frame (the canvas inside a
// one-pixel frame at its top left) differs from `canvas`.
int differingPixels(const QImage& frame, const CanvasPixels& canvas);

}  // namespace kelvaro::test
