// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A portrait of its own for drawing "what if" pictures of the current element: it is made to
// show a portrait document, and then shows any part of the document's current element exactly as
// stepping to that part with "<<" and ">>" would (the element's load group reloaded, the iris
// re-masked where that group holds the iris or the eye shape, its recolour group recoloured with
// the current colour settings). It never touches the editor's own portrait, so a worker thread
// may use one while the editor goes on; parts are taken from the shared decoded-part cache.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "imaging/export.h"
#include "imaging/pixels.h"
#include "imaging/top_layers.h"
#include "model/part_status.h"
#include "model/portrait_document.h"
#include "model/portrait_state.h"

namespace kelvaro {

class PartCache;

class PartPreview {
public:
    // Loads the background of the library below `base`; parts come from `cache` (null: decoded
    // at every load).
    PartPreview(std::filesystem::path base, PartCache* cache);

    // Makes the portrait show `document`; only what differs from the document shown before is
    // reloaded or rebuilt.
    void show(const PortraitDocument& document);

    // Composes the portrait with part `part` of the document's current element, as the canvas
    // would show it after stepping to that part, into a canvas of the preview's own, valid until
    // the next call. The canvas below the element's lowest changing layer is composed once per
    // document shown and shared by every part; of the canvas kept from the last part, only what
    // either part's layers reach is drawn again.
    const CanvasPixels& composeWithPart(int part);
    // What composeWithPart does before composing: loads part `part` of the current element and
    // recolours and masks as stepping to it would.
    void showPart(int part);

    // The files of part `part` of the document's current element that do not load (and so show
    // dummy.png), as the decoded-part cache knows them: right after composeWithPart(part) this
    // decodes nothing.
    PartFaults faultsOfPart(int part) const;

    // Composes the document shown, as the canvas shows it (Opaque) or its layers alone
    // (Transparent).
    void compose(CanvasPixels& out, Backdrop backdrop = Backdrop::Opaque) const;

private:
    // Composes the document shown into m_canvas from the canvas below the current element's
    // layers, which it composes first when the document or the element changed.
    void composeOverBelow();

    PortraitState m_state;
    bool m_shown = false;
    // The wall and the first m_belowCount layers in draw order, composed for the document shown;
    // null until a part is composed after show().
    std::unique_ptr<CanvasPixels> m_below;
    std::size_t m_belowCount = 0;
    // Composes the canvas below the element's lowest changing layer (`layers` in draw order).
    void composeBelow(std::span<const CompositorLayer> layers);
    // Plans the top layers and composes the steady canvas unless the layers they were made from
    // are still those of `layers` (draw order).
    void keepSteady(std::span<const CompositorLayer> layers);
    // Which of the layers between the canvas below and the top layers a step changes; set with
    // the canvas below, as it depends only on the element shown.
    std::vector<bool> m_middleChanges;

    // The layers above every layer the element's steps change (from m_topStart in draw order),
    // planned with their opaque cover, and the steady canvas (everything but the changing layers)
    // composed, once per document shown; again should any layer but the changing ones differ
    // from m_steadyLayers (image, place, turn or box; from m_belowCount on, the changing ones
    // left out). Null until a part is composed after show().
    std::unique_ptr<TopLayers> m_top;
    std::vector<CompositorLayer> m_steadyLayers;
    std::size_t m_topStart = 0;
    // The plans of the layers between the canvas below and the top layers, kept from cell to
    // cell: only the element's reloaded layers are planned again.
    KeptPlans m_middle;
    KeptCanvas m_canvas;
};

}  // namespace kelvaro
