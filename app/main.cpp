// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/kelvaro_app.h"

int main(int argc, char** argv) {
    kelvaro::CKelvaroApp app(argc, argv);
    app.initInstance();
    return app.exitInstance();
}
