// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/image_files.h"

#include <QBuffer>
#include <QFile>

#include "imaging/codec.h"
#include "io/file_boundary.h"

namespace kelvaro {

bool readPartImage(const std::filesystem::path& file, PartPixels& out, PixelBox* nonZero) {
    QFile device;
    return openRegularFile(file, device) && decodePart(device, out, nonZero);
}

bool readPartBytes(const std::string& bytes, PartPixels& out, PixelBox* nonZero) {
    QByteArray content =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer device(&content);
    return device.open(QIODevice::ReadOnly) && decodePart(device, out, nonZero);
}

bool readWallImage(const std::filesystem::path& file, CanvasPixels& out) {
    QFile device;
    return openRegularFile(file, device) && decodeWall(device, out);
}

std::shared_ptr<const CanvasPixels> readWall(const std::filesystem::path& file) {
    // Every pixel is written by a decode that succeeds.
    auto wall = std::make_shared_for_overwrite<CanvasPixels>();
    if (!readWallImage(file, *wall))
        return nullptr;
    return wall;
}

}  // namespace kelvaro
