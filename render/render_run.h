// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Carrying out a kelvaro-render command line: portraits to files, drawn casts, face sheets.
#pragma once

#include <string>
#include <vector>

#include "render/render_options.h"

namespace kelvaro::render {

// What a run has to say: notes that leave the run a success, and one line per failure.
struct RenderReport {
    std::vector<std::string> notes;     // documents whose part files changed since their save
    std::vector<std::string> failures;  // in the order of the portraits
};

// Renders what `options` asks for and reports on it; no failures when everything was written.
RenderReport runRender(const Options& options);

}  // namespace kelvaro::render
