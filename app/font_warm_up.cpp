// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "app/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace kelvaro {

// FcInit loads the current configuration once per process; Qt's own call later returns it.
FontConfigWarmUp::FontConfigWarmUp() : m_reader([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    finish();
}

void FontConfigWarmUp::finish() {
    if (m_reader.joinable())
        m_reader.join();
}

}  // namespace kelvaro
