// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The style's group-box frame read before the window's first paint. Qt's Fusion style draws each
// group box's frame from a small PNG image among Qt's own resources, loaded as a QPixmap from
// that file; Qt's image reader, asked for a file, first loads every image-format plugin (gif,
// ico, jpeg) to ask each whether it claims the file, although no other image of the start needs
// one. The program decodes that image with its own PNG reader and leaves the pixmap where
// QPixmap's loading looks first, Qt's pixmap cache under the key it files that file's pixmap
// under, so that the plugins stay unloaded until an image needs them. The pixels are those Qt
// reads: the same straight-alpha image, made a pixmap by Qt's own conversion.
#pragma once

#include <QString>

namespace kelvaro {

// The file of Fusion's group-box frame among Qt's resources.
inline constexpr char kGroupBoxFrameFile[] =
    ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";

// The key under which QPixmap(fileName) files the pixmap it loads from the existing file
// `fileName` in Qt's pixmap cache (made of the absolute path, the time of the last change, the
// size and the kind of pixmap, as Qt 6 does).
QString pixmapCacheKey(const QString& fileName);

// Decodes kGroupBoxFrameFile and puts its pixmap in the pixmap cache under pixmapCacheKey, as
// QPixmap's loading would. Does nothing and returns false when the file is missing or not of the
// kind the program's PNG reader takes (the style then reads it through Qt as before). On the
// application's thread, once the application object exists.
bool preloadGroupBoxFrame();

}  // namespace kelvaro
