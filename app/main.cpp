// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/kelvaro_app.h"
#include "io/file_size_signal.h"

int main(int argc, char** argv) {
    kelvaro::ignoreFileSizeSignal();
    kelvaro::CKelvaroApp app(argc, argv);
    app.initInstance();
    return app.exitInstance();
}
