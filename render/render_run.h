// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Carrying out a kelvaro-render command line: portraits to files, drawn casts, face sheets.
#pragma once

#include <string>
#include <vector>

#include "render/render_options.h"

namespace kelvaro::render {

// Renders what `options` asks for. Returns the lines to report, one per failure, in the order
// of the portraits; empty when everything was written.
std::vector<std::string> runRender(const Options& options);

}  // namespace kelvaro::render
