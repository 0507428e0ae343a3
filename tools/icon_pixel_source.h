// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The application icon as a C++ source file: its image of every size of kApplicationIconSizes,
// drawn by ui/icons.h, as the constant pixel data app/built_in_icon.h declares. The editor
// compiles it in, so that its start neither draws nor decodes the icon.
#pragma once

#include <string>

namespace kelvaro {

// The source text: for each size N of kApplicationIconSizes, in that order, N*N premultiplied
// ARGB32 pixels (rows top to bottom) of iconImage(kApplicationIcon, N), and the table
// kBuiltInIconPixels naming them. Paints on QImage alone: needs no application object.
std::string applicationIconSource();

}  // namespace kelvaro
