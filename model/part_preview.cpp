// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_preview.h"

#include <algorithm>
#include <span>

#include "model/layer_tables.h"
#include "model/portrait_commands.h"
#include "model/portrait_ops.h"

namespace kelvaro {
namespace {

// Whether stepping `element` to another part can change the pixels of `layer`: the layers it
// loads, and the iris its eye shape masks. Its recolour group's other layers are recoloured by
// the first step after show() alone (composeWithPart).
bool stepChanges(int element, int layer) {
    return loadGroupHolds(element, layer) || (layer == kIrisLayer && loadRemasksIris(element));
}

// How many layers in draw order lie below every layer a step of `element` can change.
std::size_t layersBelowElement(int element) {
    const auto order = drawOrder();
    const auto lowest = std::find_if(order.begin(), order.end(),
                                     [element](int layer) { return stepChanges(element, layer); });
    return static_cast<std::size_t>(lowest - order.begin());
}

// How many layers in draw order lie at or below the highest layer a step of `element` can change.
std::size_t layersThroughElement(int element) {
    const auto order = drawOrder();
    const auto highest = std::find_if(order.rbegin(), order.rend(),
                                      [element](int layer) { return stepChanges(element, layer); });
    return static_cast<std::size_t>(order.rend() - highest);
}

}  // namespace

PartPreview::PartPreview(std::filesystem::path base, PartCache* cache) {
    m_state.baseDirectory = std::move(base);
    m_state.partCache = cache;
    loadWall(m_state, {});
}

// The first document loads every layer; later ones reload only the layers whose part differs
// from what they hold (the previous document's parts or the last part composed).
void PartPreview::show(const PortraitDocument& document) {
    apply(document, m_state, {}, m_shown ? ApplyScope::Changes : ApplyScope::Everything);
    m_shown = true;
    m_below.reset();
    m_top.reset();
}

const CanvasPixels& PartPreview::composeWithPart(int part) {
    showPart(part);
    composeOverBelow();
    return *m_canvas.pixels;
}

void PartPreview::showPart(int part) {
    // The first step since show() recolours the element's whole recolour group; later steps
    // would give the layers they do not load the very same pixels again.
    if (setCurrentPart(m_state, part))
        loadCurrentPart(m_state, {},
                        m_below ? RecolourScope::LoadedLayers : RecolourScope::WholeGroup);
}

// Built after the first step since show(), so that the element's recolour group already holds
// the pixels every later step gives it.
void PartPreview::composeOverBelow() {
    const auto layers = compositorLayers(m_state);
    if (!m_below)
        composeBelow(layers);
    keepSteady(layers);
    const auto middle = std::span(layers).subspan(m_belowCount, m_topStart - m_belowCount);
    replanLayers(middle, m_top->fastPaths, m_middle);
    composeCanvasUnder(*m_below, m_middle.plans, *m_top, m_canvas);
}

void PartPreview::composeBelow(std::span<const CompositorLayer> layers) {
    m_belowCount = layersBelowElement(m_state.currentElement);
    m_topStart = std::max(m_belowCount, layersThroughElement(m_state.currentElement));
    m_middleChanges.clear();
    for (std::size_t k = m_belowCount; k < m_topStart; ++k)
        m_middleChanges.push_back(stepChanges(m_state.currentElement, drawOrder()[k]));
    m_below = makeCanvasPixels();
    CompositorOptions options;
    options.opaqueBase = true;
    composeCanvas(m_state.hasWall ? m_state.wall.get() : nullptr, layers.first(m_belowCount),
                  *m_below, options);
}

void PartPreview::keepSteady(std::span<const CompositorLayer> layers) {
    const std::vector<bool>& changing = m_middleChanges;
    std::vector<CompositorLayer> steady(layers.begin() + static_cast<std::ptrdiff_t>(m_belowCount),
                                        layers.end());
    for (std::size_t k = 0; k < changing.size(); ++k)
        if (changing[k])
            steady[k] = {};
    if (m_top && std::equal(steady.begin(), steady.end(), m_steadyLayers.begin(),
                            m_steadyLayers.end(), sameLayer))
        return;
    m_steadyLayers = std::move(steady);
    m_top = std::make_unique<TopLayers>(planTopLayers(layers.subspan(m_topStart)));
    composeSteadyCanvas(*m_below, layers.subspan(m_belowCount, m_topStart - m_belowCount), changing,
                        *m_top);
}

PartFaults PartPreview::faultsOfPart(int part) const {
    return partFaults(m_state.baseDirectory, m_state.currentElement, part, m_state.partCache);
}

void PartPreview::compose(CanvasPixels& out, Backdrop backdrop) const {
    if (backdrop == Backdrop::Opaque)
        composePortrait(m_state, out);
    else
        composeLayers(m_state, out);
}

}  // namespace kelvaro
