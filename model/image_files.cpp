// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/image_files.h"

#include <QFile>

#include "imaging/codec.h"
#include "io/file_boundary.h"

namespace kelvaro {

bool readPartImage(const std::filesystem::path& file, PartPixels& out) {
    QFile device;
    return openRegularFile(file, device) && decodePart(device, out);
}

bool readWallImage(const std::filesystem::path& file, CanvasPixels& out) {
    QFile device;
    return openRegularFile(file, device) && decodeWall(device, out);
}

}  // namespace kelvaro
