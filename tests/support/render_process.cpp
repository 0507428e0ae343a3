// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/support/render_process.h"

#include <QProcess>

#include "io/file_boundary.h"

namespace kelvaro::test {

RenderResult runRenderer(const QStringList& arguments, const std::filesystem::path& folder,
                         const std::function<void()>& inChild, const QStringList& environment) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        variables.remove(QString::fromLatin1(name));
    const QStringList chosen = environment.isEmpty() ? QStringList{"LC_ALL=C.UTF-8"} : environment;
    for (const QString& variable : chosen)
        variables.insert(variable.section(QLatin1Char('='), 0, 0),
                         variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(variables);
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
