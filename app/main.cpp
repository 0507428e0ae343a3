// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/command_line.h"
#include "app/kelvaro_app.h"
#include "io/file_size_signal.h"

int main(int argc, char** argv) {
    kelvaro::ignoreFileSizeSignal();
    const kelvaro::CommandLine line = kelvaro::readCommandLine(argc, argv);
    if (line.action != kelvaro::CommandLine::Action::Edit)
        return kelvaro::answerInUsersLanguage(argc, argv);
    kelvaro::CKelvaroApp app(argc, argv, line.document);
    app.initInstance();
    return app.exitInstance();
}
