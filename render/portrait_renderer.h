// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// One worker's portrait: a portrait state on the part library that shows one document after
// another, through the same rules and the same document the editor uses, so that its pixels are
// the editor's. Parts come from a cache shared by every worker; each worker owns its state.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "imaging/export.h"
#include "model/colour_draw.h"
#include "model/document_json.h"
#include "model/part_cache.h"
#include "render/part_counts.h"

namespace kelvaro::render {

// The renderer writes many files: it compresses them at zlib's fastest level, which halves the
// encoding time for files a few per cent larger; the pixels are the editor's all the same.
inline constexpr PngCompression kRendererCompression = PngCompression::Fastest;

class ChangeNotes;

// What every worker shares: the library, its part counts, the cache and the decoded wall.
struct Library {
    std::filesystem::path base;                    // holds picture/
    std::shared_ptr<const PartCounts> partCounts;  // never null when opened
    PartCache* cache = nullptr;
    std::shared_ptr<const CanvasPixels> wall;  // as loadWall decodes it; never null when opened
    // Where the run notes what the library changed for each document it opens; none: not noted.
    std::shared_ptr<ChangeNotes> notes;
};

// The library at `base` with its wall decoded once for every worker (its parts are counted when
// a draw first needs them); the line to report when it has no picture/ folder or no wall that
// decodes.
std::variant<Library, std::string> openLibrary(const std::filesystem::path& base, PartCache& cache);

// The portrait the editor shows when it opens on the library with the all-zero pattern: every
// part 000 at its place, every layer recoloured with the default settings, the iris masked.
PortraitDocument openingDocument(const Library& library);

// The colours a cast draws: from each kind's palette, for these elements (every element that is
// not locked, drawn or not: the clothes take a colour also when their part stays the base's).
struct CastColours {
    KindPalettes palettes{};
    std::vector<int> elements;
};

class PortraitRenderer {
public:
    explicit PortraitRenderer(const Library& library);

    // Shows `document` as opening it in the editor does (reloading only the layers whose part
    // differs from what they hold). False when a part and the substitute both fail; `failure`
    // then holds the line to report.
    bool show(const PortraitDocument& document, std::string& failure);

    // Draws a part for each of `elements` with the generator seeded by `seed`, as Generuj does
    // with its own generator: the drawn elements' layers are reloaded in their files' colours and
    // the iris is masked again. With `colours`, the portrait then draws its colours
    // (drawColours, seeded with colourSeed(seed)).
    bool draw(std::span<const int> elements, std::uint64_t seed, std::string& failure,
              const CastColours* colours = nullptr);

    // Shows `base` and draws as above. A draw replaces everything the drawn elements' layers
    // hold (part numbers, pixels, colours) and masks the iris again from the placements, which a
    // draw never changes; so after one draw from `base` the portrait is `base` again for the next
    // draw, and only the first draw of a renderer shows `base` itself (later ones would reload
    // the drawn layers twice). Drawn colours also tint layers of elements not drawn (the face's
    // colour tints its whole group), so after a draw with colours the next one shows `base` again.
    bool drawFrom(const PortraitDocument& base, std::span<const int> elements, std::uint64_t seed,
                  std::string& failure, const CastColours* colours = nullptr);

    // Shows face `face` of `document` (0 the base, k its k-th expression) as the editor shows it
    // while that face is edited; only the layers the face changes are reloaded.
    bool showFace(const PortraitDocument& document, int face, std::string& failure);

    // The faces of `document` (the base first, then each expression, at most `count`), each as
    // picture() draws it; the renderer shows the base afterwards. Empty, with `failure` holding
    // the line to report, when a face cannot be shown.
    std::vector<PortraitImage> facePictures(const PortraitDocument& document, int edge,
                                            Backdrop backdrop, int count, std::string& failure);

    // The shown portrait scaled to `edge`, with the wall (Opaque) or without (Transparent).
    PortraitImage picture(int edge, Backdrop backdrop);

    // The file the program writes for the shown portrait: the picture at `edge` in `format`, a
    // PNG with the recipe (and `seed` when drawn) at the renderer's compression; nothing when
    // encoding fails.
    std::optional<std::string> fileBytes(int edge, Backdrop backdrop, ExportFormat format,
                                         std::optional<std::uint64_t> seed);

    // The recipe of the shown portrait: its document with the part files' hashes, its size
    // choice set to `edge` when that is one of the editor's sizes, and `seed` when drawn.
    std::string recipe(int edge, std::optional<std::uint64_t> seed);

    const PortraitState& state() const { return *m_state; }

private:
    std::shared_ptr<const PartCounts> m_partCounts;
    std::unique_ptr<PortraitState> m_state;
    std::unique_ptr<CanvasPixels> m_canvas;  // every picture composes all of it: never cleared
    const PortraitDocument* m_drawnFrom = nullptr;
};

}  // namespace kelvaro::render
