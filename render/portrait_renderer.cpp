// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/portrait_renderer.h"

#include <QCoreApplication>
#include <algorithm>

#include "i18n/message_text.h"

#include "model/command_line_messages.h"
#include "model/document_file.h"
#include "model/image_files.h"
#include "model/part_library.h"
#include "model/portrait_commands.h"
#include "model/portrait_export.h"
#include "model/portrait_ops.h"
#include "model/seeded_draw.h"

namespace kelvaro::render {
namespace {

// The editor's size choice for an edge length, when it has one.
std::optional<int> sizeChoiceOf(int edge) {
    for (int choice = 0; choice < 3; ++choice) {
        if (exportEdgeLength(choice) == edge)
            return choice;
    }
    return std::nullopt;
}

}  // namespace

std::variant<Library, std::string> openLibrary(const std::filesystem::path& base,
                                               PartCache& cache) {
    std::error_code error;
    if (!std::filesystem::is_directory(base / "picture", error))
        return composeMessage(
            QCoreApplication::translate("Renderer", "部品ライブラリが見つかりません: %1"),
            {(base / "picture").string()});
    // The wall and the counts without a portrait state: its layer buffers are not needed here.
    auto wall = readWall(wallPath(base));
    if (!wall)
        return wallFailureMessage() + ": " + wallPath(base).string();
    return Library{base, std::make_shared<const PartCounts>(base), &cache, std::move(wall), {}};
}

PortraitDocument openingDocument(const Library& library) {
    PortraitState state;
    state.baseDirectory = library.base;
    state.partCache = library.cache;
    loadAllParts(state, {});
    recolourAllLayers(state);
    maskIris(state);
    return capture(state);
}

PortraitRenderer::PortraitRenderer(const Library& library)
    : m_partCounts(library.partCounts),
      m_state(std::make_unique<PortraitState>()),
      m_canvas(std::make_unique_for_overwrite<CanvasPixels>()) {
    m_state->baseDirectory = library.base;
    m_state->partCache = library.cache;
    // The wall loadWall would decode again: the one the library decoded, shared.
    if (library.wall) {
        m_state->wall = library.wall;
        m_state->hasWall = true;
    } else {
        loadWall(*m_state, {});
    }
}

bool PortraitRenderer::show(const PortraitDocument& document, std::string& failure) {
    failure.clear();
    m_drawnFrom = nullptr;
    apply(
        document, *m_state, [&](const std::string& m) { failure = failureLine(m); },
        ApplyScope::Changes);
    return failure.empty();
}

bool PortraitRenderer::draw(std::span<const int> elements, std::uint64_t seed, std::string& failure,
                            const CastColours* colours) {
    failure.clear();
    m_state->highestPart = m_partCounts->highest();
    chooseDrawnParts(*m_state, elements, splitMixPartDraw(seed));
    loadDrawnParts(*m_state, elements, [&](const std::string& m) { failure = failureLine(m); });
    if (colours) {
        SplitMix64 generator(colourSeed(seed));
        drawColours(*m_state, colours->palettes, generator, colours->elements);
    }
    return failure.empty();
}

bool PortraitRenderer::drawFrom(const PortraitDocument& base, std::span<const int> elements,
                                std::uint64_t seed, std::string& failure,
                                const CastColours* colours) {
    if (m_drawnFrom != &base && !show(base, failure))
        return false;
    m_drawnFrom = colours ? nullptr : &base;
    return draw(elements, seed, failure, colours);
}

bool PortraitRenderer::showFace(const PortraitDocument& document, int face, std::string& failure) {
    PortraitDocument shown = document;
    shown.expressions.edited = face;
    return show(shown, failure);
}

std::vector<PortraitImage> PortraitRenderer::facePictures(const PortraitDocument& document,
                                                          int edge, Backdrop backdrop, int count,
                                                          std::string& failure) {
    const int faces =
        std::min(static_cast<int>(document.expressions.expressions.size()) + 1, count);
    std::vector<PortraitImage> pictures(static_cast<std::size_t>(faces));
    // The last face first, so that the base is shown at the end.
    for (int face = faces - 1; face >= 0; --face) {
        if (!showFace(document, face, failure))
            return {};
        pictures[static_cast<std::size_t>(face)] = picture(edge, backdrop);
    }
    return pictures;
}

PortraitImage PortraitRenderer::picture(int edge, Backdrop backdrop) {
    if (backdrop == Backdrop::Opaque)
        composePortrait(*m_state, *m_canvas);
    else
        composeLayers(*m_state, *m_canvas);
    return scaledPortrait(*m_canvas, edge, backdrop);
}

std::optional<std::string> PortraitRenderer::fileBytes(int edge, Backdrop backdrop,
                                                       ExportFormat format,
                                                       std::optional<std::uint64_t> seed) {
    const PortraitImage image = picture(edge, backdrop);
    const std::string withRecipe = format == ExportFormat::Png ? recipe(edge, seed) : std::string();
    return imageFileBytes(image, format, withRecipe, kRendererCompression);
}

std::string PortraitRenderer::recipe(int edge, std::optional<std::uint64_t> seed) {
    DocumentFile document = documentOf(*m_state);
    if (const auto choice = sizeChoiceOf(edge))
        document.portrait.sizeChoice = *choice;
    document.seed = seed;
    return writeDocumentJson(document);
}

}  // namespace kelvaro::render
