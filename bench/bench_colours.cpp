// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Colours chosen as colours on the sample library: the settings for one colour, and a swatch
// given to a linked hair group of four elements (front hair, back hair, brows, beard: eight
// layers) followed by composing the canvas, as the colours tab does on a click; and composing
// alone, its floor.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <memory>

#include "bench/editor_bench_support.h"
#include "model/colour_conversion.h"
#include "model/colour_links.h"
#include "model/part_library.h"
#include "model/portrait_commands.h"
#include "model/portrait_ops.h"

namespace {

using kelvaro::Rgb;

// Tones and targets of every kind: dark, light, saturated, grey, black and white.
constexpr std::array<Rgb, 8> kColours = {{
    {40, 30, 20},
    {240, 230, 220},
    {200, 20, 180},
    {128, 128, 128},
    {0, 0, 0},
    {255, 255, 255},
    {110, 62, 40},
    {30, 90, 200},
}};

// The sample library opened as the window opens it.
std::unique_ptr<kelvaro::PortraitState> openedSamplePortrait() {
    auto state = std::make_unique<kelvaro::PortraitState>();
    state->baseDirectory = kelvaro::bench::sampleLibrary();
    kelvaro::countAllParts(*state);
    kelvaro::loadWall(*state, {});
    kelvaro::loadAllParts(*state, {});
    kelvaro::recolourAllLayers(*state);
    kelvaro::maskIris(*state);
    return state;
}

void settingsForColour(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Rgb tone = kColours[i % kColours.size()];
        const Rgb target = kColours[(i / kColours.size()) % kColours.size()];
        benchmark::DoNotOptimize(kelvaro::settingsForColour(tone, target));
        ++i;
    }
}
BENCHMARK(settingsForColour)->Unit(benchmark::kMicrosecond);

void swatchToLinkedHair(benchmark::State& state) {
    auto portrait = openedSamplePortrait();
    for (int element : {kelvaro::kBrows, kelvaro::kBeard, kelvaro::kFrontHair, kelvaro::kBackHair})
        kelvaro::setLinked(*portrait, element, true);
    auto canvas = kelvaro::makeCanvasPixels();
    std::size_t i = 0;
    for (auto _ : state) {
        kelvaro::applyColour(*portrait, kelvaro::kFrontHair, kColours[i++ % kColours.size()]);
        kelvaro::composePortrait(*portrait, *canvas);
        benchmark::DoNotOptimize(canvas->data());
    }
}
BENCHMARK(swatchToLinkedHair)->Unit(benchmark::kMillisecond);

// The floor of the above: composing the same portrait alone.
void composeOnly(benchmark::State& state) {
    auto portrait = openedSamplePortrait();
    auto canvas = kelvaro::makeCanvasPixels();
    for (auto _ : state) {
        kelvaro::composePortrait(*portrait, *canvas);
        benchmark::DoNotOptimize(canvas->data());
    }
}
BENCHMARK(composeOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return kelvaro::bench::runEditorBenchmarks(argc, argv);
}
