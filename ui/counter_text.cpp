// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/counter_text.h"

namespace kelvaro {

QString counterText(int part, int highest) {
    return QString::asprintf("%3d/%d", part, highest);
}

}  // namespace kelvaro
