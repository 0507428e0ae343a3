// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/package/package_support.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

#include "io/file_boundary.h"
#include "tests/support/fixtures.h"
#include "ui/control_ids.h"
#include "ui/kelvaro_dlg.h"

namespace kelvaro::test {
namespace {

constexpr int kLauncherMilliseconds = 120000;

QProcessEnvironment launcherEnvironment(const LauncherRun& run, const QString& runtimeFolder,
                                        const QString& reportFolder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR", "KELVARO_PROBE_SCREENSHOT"})
        env.remove(QString::fromLatin1(name));
    env.insert("HOME", toQtPath(run.home));
    if (run.xdgDataHome)
        env.insert("XDG_DATA_HOME", QString::fromStdString(*run.xdgDataHome));
    // A lock folder of its own: neither another test nor a running editor blocks the start.
    env.insert("XDG_RUNTIME_DIR", runtimeFolder);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_PLUGIN_PATH", KELVARO_PROBE_PLUGINS);
    env.insert("QT_QPA_GENERIC_PLUGINS", "kelvaroprobe");
    env.insert("KELVARO_PROBE_REPORT", reportFolder);
    return env;
}

void readReport(const QString& folder, ProbeReport& report) {
    QFile file(folder + "/report.txt");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf('=');
        report.values.emplace(line.left(equals), line.mid(equals + 1));
    }
    report.canvas = QImage(folder + "/canvas.png").convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

std::filesystem::path stagedRoot() {
    return std::filesystem::path(KELVARO_PACKAGE_DIR) / "root";
}

std::filesystem::path stagedShare() {
    return stagedRoot() / "usr" / "share";
}

std::map<std::string, std::string> filesBelow(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(folder).string()] = readBytes(entry.path());
    }
    return files;
}

QString ProbeReport::value(const QString& key) const {
    const auto it = values.find(key);
    return it == values.end() ? QString() : it->second;
}

QStringList ProbeReport::all(const QString& key) const {
    QStringList found;
    const auto [first, last] = values.equal_range(key);
    for (auto it = first; it != last; ++it)
        found << it->second;
    return found;
}

ProbeReport runLauncher(const LauncherRun& run) {
    QTemporaryDir runtime, reportFolder;
    QProcess launcher;
    launcher.setProcessEnvironment(launcherEnvironment(run, runtime.path(), reportFolder.path()));
    launcher.setWorkingDirectory(toQtPath(run.callerFolder));
    launcher.start(toQtPath(stagedRoot() / "usr" / "bin" / "kelvaro-launcher"), run.arguments);
    ProbeReport report;
    if (!launcher.waitForFinished(kLauncherMilliseconds)) {
        launcher.kill();
        launcher.waitForFinished();
        report.standardError = "the launcher did not end";
        return report;
    }
    report.exitCode = launcher.exitStatus() == QProcess::NormalExit ? launcher.exitCode() : -1;
    report.standardError = QString::fromUtf8(launcher.readAllStandardError());
    readReport(reportFolder.path(), report);
    return report;
}

EditorView openEditorIn(const std::filesystem::path& folder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    EditorView view{makeCanvasPixels(), {}};
    {
        CKelvaroDlg editor(folder / "Kelvaro.ini");
        editor.show();
        editor.editor().compose(*view.canvas);
        view.counter = qobject_cast<QLabel*>(editor.control(ids::kCounter))->text();
        editor.editor().mutableState().saved = true;
    }
    std::filesystem::current_path(previous);
    return view;
}

int differingPixels(const QImage& frame, const CanvasPixels& canvas) {
    if (frame.width() < kCanvasSize + 2 || frame.height() < kCanvasSize + 2)
        return kCanvasSize * kCanvasSize;
    int differing = 0;
    for (int y = 0; y < kCanvasSize; ++y) {
        for (int x = 0; x < kCanvasSize; ++x) {
            const Argb shown = frame.pixel(x + 1, y + 1);
            differing += shown != canvas[static_cast<std::size_t>(y * kCanvasSize + x)];
        }
    }
    return differing;
}

}  // namespace kelvaro::test
