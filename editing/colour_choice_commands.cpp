// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Colours chosen as colours: a swatch or the colour dialog's colour for the current element and
// those linked with it, links, drawn colours, and the palettes they come from.
#include "editing/portrait_editor.h"
#include "model/colour_draw.h"
#include "model/layer_tables.h"

namespace kelvaro {
namespace {

// Every element may take a drawn colour.
constexpr std::array<int, kElementCount> kEveryElement = {0, 1, 2,  3,  4,  5,  6, 7,
                                                          8, 9, 10, 11, 12, 13, 14};

}  // namespace

void PortraitEditor::applyColour(Rgb target) {
    if (!isValidElement(m_state.currentElement))
        return;
    recordStep(stepKind(Step::Colour), [this, target] {
        kelvaro::applyColour(m_state, m_state.currentElement, target);
        emit changed(ChangeSet(Change::Colours) | Change::Picture);
    });
}

void PortraitEditor::linkColours(bool linked) {
    if (!isValidElement(m_state.currentElement))
        return;
    recordStep(stepKind(Step::LinkColours), [this, linked] {
        setLinked(m_state, m_state.currentElement, linked);
        emit changed(Change::Colours);
    });
}

void PortraitEditor::drawColours() {
    const KindPalettes kinds = kindPalettes(palettes());
    const auto seed = static_cast<std::uint64_t>(m_clock()) + (m_colourDraws++ << 32);
    recordStep(stepKind(Step::DrawColours), [this, &kinds, seed] {
        SplitMix64 generator(colourSeed(seed));
        kelvaro::drawColours(m_state, kinds, generator, kEveryElement);
        emit changed(ChangeSet(Change::Colours) | Change::Picture);
    });
}

const PaletteSet& PortraitEditor::palettes() {
    if (!m_palettes) {
        if (m_bundledPalettes.empty())
            m_bundledPalettes = bundledPaletteFolder();
        if (m_userPalettes.empty())
            m_userPalettes = userPaletteFolder();
        m_palettes = loadPaletteSet(m_bundledPalettes, m_userPalettes);
        for (const std::string& failure : m_palettes->failures)
            report(QString::fromStdString(failure));
    }
    return *m_palettes;
}

void PortraitEditor::setPaletteFolders(std::filesystem::path bundled, std::filesystem::path user) {
    m_bundledPalettes = std::move(bundled);
    m_userPalettes = std::move(user);
    m_palettes.reset();
    emit changed(Change::Palettes);
}

bool PortraitEditor::importPalette(const std::filesystem::path& file) {
    if (m_userPalettes.empty())
        m_userPalettes = userPaletteFolder();
    const PaletteImport imported = kelvaro::importPalette(file, m_userPalettes);
    if (!imported.ok) {
        report(QString::fromStdString(imported.message));
        return false;
    }
    m_palettes.reset();
    emit changed(Change::Palettes);
    return true;
}

}  // namespace kelvaro
