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
#include <cstddef>
#include <future>
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
// show. The editor window and the program are given the larger ones after that frame, so that
// drawing them and handing them to the window system does not delay it.
inline constexpr std::size_t kFirstFrameIconSizeCount = 4;  // 16, 32, 48, 64

// The application icon with an image of every size of kApplicationIconSizes, drawn on the
// first call (unless useApplicationIconImages gave them) and kept until the application ends.
QIcon applicationIcon();
// The same icon with only the first kFirstFrameIconSizeCount of those images, the very same
// pixels; drawn and kept with applicationIcon(), but without its larger images.
QIcon firstFrameApplicationIcon();

// The images of the application icon of the sizes kApplicationIconSizes[from, to) in that
// order (from <= to <= 6). Draws on QImage alone, so any thread may call it once the
// application object exists.
std::vector<QImage> applicationIconImages(std::size_t from = 0,
                                          std::size_t to = kApplicationIconSizes.size());

// The application icon's images drawn elsewhere: those of the first frame
// (applicationIconImages(0, kFirstFrameIconSizeCount)), and the others
// (applicationIconImages(kFirstFrameIconSizeCount)) perhaps still being drawn on a thread.
struct ApplicationIconImages {
    std::vector<QImage> firstFrame;
    std::shared_future<std::vector<QImage>> larger;
};
// Makes the icons above the icons of `images` from now on, so that neither draws anything;
// applicationIcon() waits for the larger images when it is first asked for. Ignored once the
// icon exists.
void useApplicationIconImages(ApplicationIconImages images);

}  // namespace kelvaro
