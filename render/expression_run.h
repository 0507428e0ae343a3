// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Rendering expression sets: the faces of one portrait (the base, then each expression) as files
// or on one face sheet, and drawn casts that take a template's expressions, a sheet each.
#pragma once

#include "render/portrait_renderer.h"
#include "render/render_jobs.h"

namespace kelvaro::render {

// --expressions: each face of the one PORTRAIT into the folder OUT, named as the editor names face
// files, as the single portrait would be written while that face is edited.
Lines renderFaces(const Options& options, Library library);

// --expressions --sheet: the faces of the one PORTRAIT in reading order on one sheet (at most
// the layout's cells), a PNG carrying the portrait's recipe.
Lines renderFaceSheet(const Options& options, Library library);

// --random --expressions-from --sheet: COUNT drawn characters as --random draws them, each with
// the template's expressions, each written as a face sheet 0001.png ... carrying its recipe.
Lines renderCastSheets(const Options& options, Library library);

}  // namespace kelvaro::render
