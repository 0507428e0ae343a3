// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Test main: every suite runs with a QApplication on the offscreen platform, so codecs, fonts
// and widgets behave as in the program without a display. KELVARO_DISABLE (a comma-separated
// list: avx2, avx512, fastpaths) switches compositor kernels off for the whole run; the editor
// itself reads no such setting. The program's user settings (QSettings) go to a temporary folder
// of the run, never to the user's own, and so do recovery files (XDG_STATE_HOME).
#include <gtest/gtest.h>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

#include "imaging/kernel_choice.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray disabled = qgetenv("KELVARO_DISABLE");
    if (!kelvaro::disableKernelFeatures(disabled.toStdString())) {
        std::fprintf(stderr, "KELVARO_DISABLE: unknown feature in \"%s\"\n", disabled.constData());
        return 2;
    }
    const QTemporaryDir userSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userSettings.path());
    const QTemporaryDir userState;
    qputenv("XDG_STATE_HOME", userState.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
