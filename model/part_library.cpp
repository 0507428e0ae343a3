// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_library.h"

#include <QCoreApplication>
#include <cstdio>

#include "i18n/message_text.h"
#include "imaging/layer_bounds.h"
#include "io/file_boundary.h"
#include "model/image_files.h"
#include "model/part_cache.h"

namespace kelvaro {
namespace {

std::filesystem::path pictureFolder(const std::filesystem::path& base) {
    return base / "picture";
}

}  // namespace

std::filesystem::path currentFolder() {
    std::error_code error;
    auto folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path() : folder;
}

std::filesystem::path partPath(const std::filesystem::path& base, std::string_view folder,
                               int partNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "%03d.png", partNumber);
    return pictureFolder(base) / folder / name;
}

std::filesystem::path dummyPath(const std::filesystem::path& base) {
    return pictureFolder(base) / "dummy.png";
}

std::filesystem::path wallPath(const std::filesystem::path& base) {
    return pictureFolder(base) / "wall.png";
}

std::string partFailureMessage(const std::filesystem::path& substitute) {
    return composeMessage(QCoreApplication::translate("PartLibrary",
                                                      "部品ファイルのオープンに失敗しました\n"
                                                      "%1が存在しないか、または読み込みエラーです"),
                          {substitute.string()});
}

std::string wallFailureMessage() {
    return composeMessage(
        QCoreApplication::translate("PartLibrary", "wall.pngの読み込みに失敗しました"));
}

int countParts(const std::filesystem::path& base, int element) {
    const std::string_view folder = countedFolder(element);
    int n = 0;
    while (n < kMaxPartCount && entryExists(partPath(base, folder, n)))
        ++n;
    return n - 1;
}

void countAllParts(PortraitState& state) {
    for (int e = 0; e < kElementCount; ++e) {
        state.highestPart[static_cast<std::size_t>(e)] = countParts(state.baseDirectory, e);
    }
}

bool loadLayer(PortraitState& state, int layerIndex, int partNumber, const MessageSink& report) {
    LayerState& layer = state.layer(layerIndex);
    if (!layer.loaded)
        return false;  // released portrait
    const auto& base = state.baseDirectory;
    layer.loadedPart = partNumber;
    layer.recoloured = false;
    if (layerIndex == kIrisLayer)
        state.irisMask.reset();
    const auto decode = [&](const std::filesystem::path& file) {
        return state.partCache ? state.partCache->decode(file) : decodePartFile(file);
    };
    auto part = decode(partPath(base, layerInfo(layerIndex).folder, partNumber));
    if (!part)
        part = decode(dummyPath(base));
    layer.hasImage = part != nullptr;
    layer.loadedDecode = part;
    if (!part) {
        if (report)
            report(partFailureMessage(dummyPath(base)));
        return false;
    }
    // The layer shows the loaded pixels until recolouring or the iris mask writes its own copy.
    layer.showPart(*part);
    return true;
}

std::vector<std::filesystem::path> layerPartFiles(const PortraitState& state,
                                                  const std::filesystem::path& base) {
    std::vector<std::filesystem::path> files;
    files.reserve(kLayerCount);
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const LayerInfo& info = layerInfo(layer);
        files.push_back(partPath(base, info.folder, state.elementPart(info.element)));
    }
    return files;
}

bool loadLayerOfElement(PortraitState& state, int layerIndex, const MessageSink& report) {
    return loadLayer(state, layerIndex, state.elementPart(layerInfo(layerIndex).element), report);
}

bool loadWall(PortraitState& state, const MessageSink& report) {
    if (state.released())
        return false;
    const std::filesystem::path file = wallPath(state.baseDirectory);
    auto wall = state.partCache != nullptr ? state.partCache->wall(file) : readWall(file);
    state.hasWall = wall != nullptr;
    if (state.hasWall)
        state.wall = std::move(wall);
    if (!state.hasWall && report)
        report(wallFailureMessage());
    return state.hasWall;
}

}  // namespace kelvaro
