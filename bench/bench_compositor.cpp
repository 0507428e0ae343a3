// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Compositor benchmark: the default portrait and a frame with every layer turned, composed by
// Kelvaro's compositor and by cairo, pixman and QPainter in the same run, on the sample library
// and on synthetic layers that cover their whole image; recolouring of the face group and one
// scroll step. Prints quality figures of the turned frames before timing.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/bench_peers.h"
#include "bench/bench_quality.h"
#include "imaging/recolour.h"
#include "model/layer_tables.h"

namespace kelvaro::bench {
namespace {

struct NamedPeer {
    const char* name;
    Peer compose;
};

// The frame's layers without their visible boxes, so the compositor looks for them itself.
std::vector<CompositorLayer> withoutBoxes(std::span<const CompositorLayer> layers) {
    std::vector<CompositorLayer> plain(layers.begin(), layers.end());
    for (CompositorLayer& layer : plain)
        layer.visible.reset();
    return plain;
}

std::vector<NamedPeer> peersOf(Frame& frame) {
    auto kelvaro = [](const Frame& f, CanvasPixels& out) {
        composeCanvas(f.wall.get(), f.layers, out);
    };
    auto scanning = [](const Frame& f, CanvasPixels& out) {
        composeCanvas(f.wall.get(), withoutBoxes(f.layers), out);
    };
    auto general = [](const Frame& f, CanvasPixels& out) {
        composeCanvas(f.wall.get(), f.layers, out, CompositorOptions{false});
    };
    return {{"kelvaro", kelvaro},
            {"kelvaro-scanning-boxes", scanning},
            {"kelvaro-general-path", general},
            {"cairo-best", makeCairoPeer(frame)},
            {"pixman-cubic", makePixmanPeer(frame)},
            {"qpainter-bilinear", makeQPainterPeer(frame)}};
}

void printQuality(Frame& frame, const std::vector<NamedPeer>& peers) {
    setAngles(frame, true);
    auto ours = makeCanvasPixels();
    auto theirs = makeCanvasPixels();
    composeCanvas(frame.wall.get(), frame.layers, *ours);
    std::printf("quality, %s frame, every layer turned: kelvaro against\n", frame.name.c_str());
    for (const NamedPeer& peer : peers) {
        peer.compose(frame, *theirs);
        const Difference d = differenceOf(*ours, *theirs);
        std::printf("  %-22s mean %.3f  largest %d\n", peer.name, d.mean, d.largest);
    }
    composeReference(frame, *theirs);
    const Difference d = differenceOf(*ours, *theirs);
    std::printf("  %-22s mean %.3f  largest %d\n", "double-precision cubic", d.mean, d.largest);
}

void registerCompose(Frame& frame, const NamedPeer& peer, bool turned) {
    const std::string name =
        "compose/" + frame.name + (turned ? "/turned/" : "/default/") + peer.name;
    benchmark::RegisterBenchmark(name.c_str(), [&frame, peer, turned](benchmark::State& state) {
        setAngles(frame, turned);
        auto out = makeCanvasPixels();
        for (auto _ : state) {
            peer.compose(frame, *out);
            benchmark::DoNotOptimize(out->data());
        }
    })->Unit(benchmark::kMicrosecond);
}

// Recolours the face group as the editor does: each layer within its loaded box, or (for
// comparison) over the whole image.
void recolourFaceGroup(Frame& frame, const ColourSettings& settings, bool boxed = true) {
    for (const int layer : recolourGroup(kFace))
        for (std::size_t n = 0; n < frame.layerOfSlot.size(); ++n)
            if (frame.layerOfSlot[n] == layer)
                recolourPixels(*frame.loaded[n], *frame.images[n], settings,
                               boxed ? frame.loadedBoxes[n] : kWholePart);
}

void registerRecolour(Frame& frame) {
    const std::string prefix = frame.name + "/";
    for (const bool boxed : {true, false}) {
        const std::string name =
            "recolour-face-group/" + prefix + (boxed ? "loaded-box" : "whole-image");
        benchmark::RegisterBenchmark(name.c_str(), [&frame, boxed](benchmark::State& state) {
            int step = 0;
            for (auto _ : state)
                recolourFaceGroup(frame, {200, 180, 160, ++step % 50, 20}, boxed);
        })->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark(("scroll-step/" + prefix).c_str(), [&frame](
                                                                        benchmark::State& state) {
        setAngles(frame, false);
        auto out = makeCanvasPixels();
        int step = 0;
        for (auto _ : state) {
            recolourFaceGroup(frame, {200, 180, 160, ++step % 50, 20});
            composeCanvas(frame.wall.get(), frame.layers, *out);
            benchmark::DoNotOptimize(out->data());
        }
    })->Unit(benchmark::kMicrosecond);
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
    using namespace kelvaro::bench;
    std::vector<std::unique_ptr<Frame>> frames;
    if (auto sample = sampleFrame())
        frames.push_back(std::move(sample));
    else
        std::printf("sample library unavailable: synthetic frames only\n");
    frames.push_back(syntheticFrame(true));
    frames.push_back(syntheticFrame(false));
    std::vector<std::vector<NamedPeer>> peers;
    for (auto& frame : frames)
        peers.push_back(peersOf(*frame));
    for (std::size_t f = 0; f < frames.size(); ++f)
        printQuality(*frames[f], peers[f]);
    for (std::size_t f = 0; f < frames.size(); ++f)
        for (const bool turned : {false, true})
            for (const NamedPeer& peer : peers[f])
                registerCompose(*frames[f], peer, turned);
    for (auto& frame : frames)
        registerRecolour(*frame);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
