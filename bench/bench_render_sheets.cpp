// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "bench/bench_render_sheets.h"

#include <cstdio>
#include <string>

#include "model/document_file.h"
#include "model/expression_ops.h"
#include "model/part_library.h"
#include "model/portrait_export.h"
#include "model/sheet_layouts.h"

namespace kelvaro::bench {
namespace {

using render::PortraitRenderer;

constexpr int kSheetEdge = 144;

// What the program does for one character's sheet: each face shown, composed and scaled, laid
// out, and encoded with the recipe (as the renderer does unless `compression` says otherwise).
// The bytes written.
std::size_t sheetOf(PortraitRenderer& renderer, const PortraitDocument& character,
                    const SheetLayout& layout,
                    PngCompression compression = render::kRendererCompression) {
    std::string failure;
    const auto faces =
        renderer.facePictures(character, kSheetEdge, Backdrop::Opaque, layout.cells(), failure);
    const auto bytes = imageFileBytes(composeSheet(layout, kSheetEdge, faces), ExportFormat::Png,
                                      writeDocumentJson(documentOf(renderer.state())), compression);
    return bytes ? bytes->size() : 0;
}

// What the program does for one single portrait at the sheet's face size.
std::size_t portraitOf(PortraitRenderer& renderer, const PortraitDocument& character) {
    std::string failure;
    renderer.show(character, failure);
    const auto bytes =
        renderer.fileBytes(kSheetEdge, Backdrop::Opaque, ExportFormat::Png, std::nullopt);
    return bytes ? bytes->size() : 0;
}

// Items per second of `make` over every character of `cast`.
template <typename Make>
double rateOf(const std::vector<PortraitDocument>& cast, Make make) {
    const auto start = Clock::now();
    std::size_t bytes = 0;
    for (const PortraitDocument& character : cast)
        bytes += make(character);
    const double seconds = secondsSince(start);
    return bytes > 0 ? static_cast<double>(cast.size()) / seconds : 0.0;
}

}  // namespace

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<PortraitDocument> castOf(const render::Library& library, int count) {
    const PortraitDocument opening = render::openingDocument(library);
    PortraitRenderer renderer(library);
    std::vector<PortraitDocument> cast;
    std::string failure;
    const auto generated = generatedElements();
    for (int i = 0; i < count; ++i) {
        renderer.show(opening, failure);
        renderer.draw(generated, static_cast<std::uint64_t>(i), failure);
        cast.push_back(capture(renderer.state()));
    }
    return cast;
}

void printSheetRates(const render::Library& library, const std::vector<PortraitDocument>& cast) {
    std::vector<PortraitDocument> characters = cast;
    for (PortraitDocument& character : characters)
        addBasicExpressions(character.expressions);
    const SheetLayout layout = *sheetLayoutNamed("mz");
    PortraitRenderer renderer(library);
    rateOf(characters, [&](const auto& c) { return sheetOf(renderer, c, layout); });  // warm up
    const double sheets =
        rateOf(characters, [&](const auto& c) { return sheetOf(renderer, c, layout); });
    const double singles =
        rateOf(characters, [&](const auto& c) { return portraitOf(renderer, c); });
    const double qtSheets = rateOf(characters, [&](const auto& c) {
        return sheetOf(renderer, c, layout, PngCompression::AsZapisz);
    });
    std::printf("\n%zu characters, the base and the 7 basic expressions, one thread:\n",
                characters.size());
    std::printf("  MZ sheets of 8 faces, 576x288 PNG with recipe  %7.1f sheets/s (%.0f faces/s)\n",
                sheets, sheets * layout.cells());
    std::printf("  single portraits, 144x144 PNG with recipe      %7.1f portraits/s\n", singles);
    std::printf("  MZ sheets encoded by Qt's writer as \"Zapisz\"   %7.1f sheets/s (%.2fx)\n",
                qtSheets, sheets / qtSheets);
}

}  // namespace kelvaro::bench
