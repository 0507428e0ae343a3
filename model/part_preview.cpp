// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_preview.h"

#include "model/portrait_commands.h"
#include "model/portrait_ops.h"

namespace kelvaro {

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
}

void PartPreview::composeWithPart(int part, CanvasPixels& out) {
    if (setCurrentPart(m_state, part))
        loadCurrentPart(m_state, {});
    composePortrait(m_state, out);
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
