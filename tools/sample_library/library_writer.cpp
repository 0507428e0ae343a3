// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Writes the whole sample library as PNG files.
#include <QString>
#include <cstdio>
#include <system_error>

#include "io/file_boundary.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro::samples {
namespace {

bool saveImage(const QImage& image, const std::filesystem::path& file) {
    return image.save(toQtPath(file), "PNG");
}

std::filesystem::path partFile(const std::filesystem::path& folder, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.png", number);
    return folder / name;
}

bool writeLayer(const std::filesystem::path& picture, int layer) {
    const std::filesystem::path folder = picture / std::string(layerInfo(layer).folder);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return false;
    const int count = partCount(layerInfo(layer).element);
    for (int number = 0; number < count; ++number)
        if (!saveImage(drawPart(layer, number), partFile(folder, number)))
            return false;
    return true;
}

}  // namespace

bool writeSampleLibrary(const std::filesystem::path& folder) {
    const std::filesystem::path picture = folder / "picture";
    std::error_code error;
    std::filesystem::create_directories(picture, error);
    if (error)
        return false;
    for (int layer = 0; layer < kLayerCount; ++layer)
        if (!writeLayer(picture, layer))
            return false;
    return saveImage(drawWall(), picture / "wall.png") &&
           saveImage(drawDummy(), picture / "dummy.png");
}

}  // namespace kelvaro::samples
