// The program's icons, drawn by the program itself.
//   128  the application icon (a small portrait), 16x16 and 32x32 images
//   129  red disc, 130 green disc, 131 blue disc
//   132  disc shaded from dark at the top to light at the bottom (brightness)
//   133  disc with a white left half and a black right half (contrast)
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kelvaro {

inline constexpr int kApplicationIcon = 128;

// The 16x16 image of icon 129..133, or the application icon at `size` pixels for 128.
QPixmap iconPixmap(int number, int size = 16);

// The application icon with its 16x16 and 32x32 images.
QIcon applicationIcon();

}  // namespace kelvaro
