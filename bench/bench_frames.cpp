// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/bench_frames.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include "model/image_files.h"
#include "model/layer_tables.h"
#include "tools/sample_library/sample_library.h"

namespace kelvaro::bench {
namespace {

void placeInDrawOrder(Frame& frame) {
    for (const int layer : drawOrder()) {
        frame.layerOfSlot.push_back(layer);
        frame.images.push_back(makePartPixels());
        frame.loaded.push_back(makePartPixels());
        frame.layers.push_back({nullptr, -19, -19, 0});
    }
}

// What a load does: both buffers hold the part, and its visible box is worked out once.
void linkImages(Frame& frame) {
    for (std::size_t n = 0; n < frame.layers.size(); ++n) {
        *frame.images[n] = *frame.loaded[n];
        frame.loadedBoxes.push_back(visibleBounds(*frame.loaded[n]));
        frame.layers[n].image = frame.images[n].get();
        frame.layers[n].visible = frame.loadedBoxes[n];
    }
}

std::filesystem::path makeTempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kelvaro-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern;
}

}  // namespace

void setAngles(Frame& frame, bool turned) {
    for (std::size_t n = 0; n < frame.layers.size(); ++n)
        frame.layers[n].angle = turned ? 7 + 13 * static_cast<int>(n) : 0;
}

std::unique_ptr<Frame> sampleFrame() {
    const std::filesystem::path folder = makeTempFolder();
    if (folder.empty() || !samples::writeSampleLibrary(folder))
        return nullptr;
    auto frame = std::make_unique<Frame>();
    frame->name = "sample";
    placeInDrawOrder(*frame);
    const auto picture = folder / "picture";
    bool ok = true;
    frame->wall = makeCanvasPixels();
    ok = ok && readWallImage(picture / "wall.png", *frame->wall);
    for (std::size_t n = 0; n < frame->layers.size(); ++n) {
        const auto file =
            picture / std::string(layerInfo(frame->layerOfSlot[n]).folder) / "000.png";
        ok = ok && readPartImage(file, *frame->loaded[n]);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    if (!ok)
        return nullptr;
    linkImages(*frame);
    return frame;
}

std::unique_ptr<Frame> syntheticFrame(bool opaque) {
    auto frame = std::make_unique<Frame>();
    frame->name = opaque ? "synthetic opaque" : "synthetic alpha 200";
    placeInDrawOrder(*frame);
    std::mt19937 random(1234);
    frame->wall = makeCanvasPixels();
    for (Argb& p : *frame->wall)
        p = static_cast<Argb>(random()) | 0xff000000u;
    const std::uint32_t alpha = opaque ? 255u : 200u;
    for (std::size_t n = 0; n < frame->layers.size(); ++n) {
        const auto shift = static_cast<std::uint32_t>(n * 11);
        for (int v = 0; v < kPartSize; ++v)
            for (int u = 0; u < kPartSize; ++u) {
                const auto r = static_cast<std::uint32_t>(u + shift) & 0xffu;
                const auto g = static_cast<std::uint32_t>(v * 2 + shift) & 0xffu;
                const auto b = static_cast<std::uint32_t>(random()) & 0x3fu;
                (*frame->loaded[n])[static_cast<std::size_t>(v * kPartSize + u)] =
                    makeArgb(alpha, r, g, ((u / 23 + v / 17) % 2 == 0) ? b : 255u - b);
            }
    }
    linkImages(*frame);
    return frame;
}

}  // namespace kelvaro::bench
