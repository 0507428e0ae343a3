// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The program's icons, drawn by the program itself.
//   128  the application icon (a small portrait), drawn at any size
//   129  red disc, 130 green disc, 131 blue disc
//   132  disc shaded from dark at the top to light at the bottom (brightness)
//   133  disc with a white left half and a black right half (contrast)
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <array>
#include <vector>

namespace kelvaro {

inline constexpr int kApplicationIcon = 128;
// The sizes the application icon is drawn at for the window and for the desktop's icon theme.
inline constexpr std::array<int, 6> kApplicationIconSizes = {16, 32, 48, 64, 128, 256};

// Icon `number` (129..133, or 128 for the application icon) `size` logical pixels square,
// drawn at `devicePixelRatio` device pixels per logical pixel, so that a high-density screen
// shows it sharp. The image carries that ratio.
QImage iconImage(int number, int size = 16, qreal devicePixelRatio = 1.0);
QPixmap iconPixmap(int number, int size = 16, qreal devicePixelRatio = 1.0);

// The sizes a window's icon carries until its first frame: the ones a title bar and a task bar
// show. The editor window is given the larger ones after its first frame, so that handing them
// to the window system does not delay that frame.
inline constexpr int kFirstFrameIconSizeCount = 4;  // 16, 32, 48, 64

// The application icon with an image of every size of kApplicationIconSizes, drawn on the
// first call (unless useApplicationIconImages gave them) and kept until the application ends.
QIcon applicationIcon();
// The same icon with only the first kFirstFrameIconSizeCount of those images, the very same
// pixels; drawn and kept with applicationIcon().
QIcon firstFrameApplicationIcon();

// The images of the application icon, one of every size of kApplicationIconSizes in that order.
// Draws on QImage alone, so any thread may call it once the application object exists.
std::vector<QImage> applicationIconImages();
// Makes applicationIcon() the icon of `images` (applicationIconImages) from now on, so that it
// draws nothing. Ignored once the icon exists.
void useApplicationIconImages(const std::vector<QImage>& images);

}  // namespace kelvaro
