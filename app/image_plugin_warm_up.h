// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Loading Qt's image-format plugins on a side thread while the program starts. The first image
// Qt reads without knowing its format beforehand (the style's group-box frame, in the window's
// first paint) makes it load every image-format plugin to ask each whether it knows the file;
// when they are loaded here first, that paint finds them ready. Nothing else changes: Qt still
// chooses the reader and reads every image itself.
#pragma once

namespace kelvaro {

// Loads every image-format plugin Qt would ask about an image of unknown format. Any thread may
// call it once the application object exists; Qt's plugin loader serialises the loading.
void loadImageFormatPlugins();

}  // namespace kelvaro
