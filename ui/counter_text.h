// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The counter beside "<<" and ">>": the current element's part number and its highest part number,
// as "%3d/%d" ("  3/11", " -1/-1", "1000/7").
#pragma once

#include <QString>

namespace kelvaro {

QString counterText(int part, int highest);

}  // namespace kelvaro
