// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/support/render_process.h"

#include <QProcess>

#include "io/file_boundary.h"

namespace kelvaro::test {

RenderResult runRenderer(const QStringList& arguments, const std::filesystem::path& folder,
                         const std::function<void()>& inChild) {
    QProcess process;
    if (!folder.empty())
        process.setWorkingDirectory(toQtPath(folder));
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(QStringLiteral(KELVARO_RENDER_PROGRAM), arguments);
    RenderResult result;
    if (!process.waitForFinished(120'000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

std::filesystem::path sampleLibrary() {
    return std::filesystem::path(KELVARO_SAMPLE_DIR);
}

QImage argbImage(const std::filesystem::path& file) {
    return QImage(toQtPath(file)).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace kelvaro::test
