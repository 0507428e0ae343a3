// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/expression_run.h"

#include <algorithm>

#include "model/document_json.h"
#include "model/expression_ops.h"
#include "model/face_files.h"
#include "model/portrait_export.h"
#include "model/sheet_layouts.h"
#include "render/cast_plan.h"

namespace kelvaro::render {
namespace {

// faceFileNames's names with the suffix of `format` in place of ".png".
std::vector<std::string> faceFiles(const ExpressionSet& set, ExportFormat format) {
    std::vector<std::string> names = faceFileNames(set);
    for (std::string& name : names)
        name.replace(name.size() - 4, 4, suffixOf(format));
    return names;
}

int faceCount(const PortraitDocument& document) {
    return static_cast<int>(document.expressions.expressions.size()) + 1;
}

// The document the renderer shows, with the part files' hashes and `seed`.
DocumentFile shownFile(const PortraitRenderer& renderer, std::optional<std::uint64_t> seed) {
    DocumentFile file = documentOf(renderer.state());
    file.seed = seed;
    return file;
}

// The sheet of `faces` as a PNG carrying `document` as its recipe.
std::optional<std::string> sheetBytes(const SheetLayout& layout, int cell,
                                      std::span<const PortraitImage> faces,
                                      const DocumentFile& document) {
    return imageFileBytes(composeSheet(layout, cell, faces), ExportFormat::Png,
                          writeDocumentJson(document), kRendererCompression);
}

}  // namespace

Lines renderFaces(const Options& options, Library library) {
    const auto read = readPortrait(options.portraits.front(), library);
    if (const auto* failure = std::get_if<std::string>(&read))
        return {*failure};
    const DocumentFile& file = std::get<DocumentFile>(read);
    const ExportFormat format = options.format.value_or(ExportFormat::Png);
    const std::vector<std::string> names = faceFiles(file.portrait.expressions, format);
    if (const auto failure = makeFolder(options.output))
        return {*failure};
    const int edge = edgeFor(options, file.portrait);
    Run run(options, std::move(library), static_cast<int>(names.size()));
    return run.each([&](int face, PortraitRenderer& renderer) -> std::string {
        std::string failure;
        if (!renderer.showFace(file.portrait, face, failure))
            return failure;
        return run.write(renderer, edge, format,
                         options.output / names[static_cast<std::size_t>(face)], file.seed);
    });
}

Lines renderFaceSheet(const Options& options, Library library) {
    const auto read = readPortrait(options.portraits.front(), library);
    if (const auto* failure = std::get_if<std::string>(&read))
        return {*failure};
    const PortraitDocument& document = std::get<DocumentFile>(read).portrait;
    const SheetLayout layout = *sheetLayoutNamed(options.sheet);  // checked with the options
    const int cell = cellEdge(layout, options.size);
    const int count = std::min(faceCount(document), layout.cells());
    std::vector<PortraitImage> cells(static_cast<std::size_t>(count));
    DocumentFile recipe;
    Run run(options, std::move(library), count);
    Lines failures = run.each([&](int face, PortraitRenderer& renderer) -> std::string {
        std::string failure;
        if (!renderer.showFace(document, face, failure))
            return failure;
        cells[static_cast<std::size_t>(face)] = renderer.picture(cell, backdropOf(options));
        if (face == 0)
            recipe = shownFile(renderer, std::get<DocumentFile>(read).seed);
        return {};
    });
    if (!failures.empty())
        return failures;
    const std::string failure =
        writeBytes(options.output, [&] { return sheetBytes(layout, cell, cells, recipe); });
    return failure.empty() ? Lines{} : Lines{failure};
}

Lines renderCastSheets(const Options& options, Library library) {
    auto planned = planCast(options, library);
    if (auto* failures = std::get_if<Lines>(&planned))
        return *failures;
    const auto read = readPortrait(*options.expressionsFrom, library);
    if (const auto* failure = std::get_if<std::string>(&read))
        return {*failure};
    CastPlan& plan = std::get<CastPlan>(planned);
    takeExpressions(plan.base.expressions, std::get<DocumentFile>(read).portrait.expressions);
    if (const auto failure = makeFolder(options.output))
        return {*failure};
    const SheetLayout layout = *sheetLayoutNamed(options.sheet);
    const int cell = cellEdge(layout, options.size);
    Run run(options, std::move(library), options.count);
    return run.each([&](int index, PortraitRenderer& renderer) -> std::string {
        const std::uint64_t seed = castSeed(options, index);
        std::string failure = drawPortrait(renderer, plan, seed);
        if (!failure.empty())
            return failure;
        const DocumentFile drawn = shownFile(renderer, seed);
        const auto faces = renderer.facePictures(drawn.portrait, cell, backdropOf(options),
                                                 layout.cells(), failure);
        if (!failure.empty())
            return failure;
        const auto name = castName(index + 1, options.count, ExportFormat::Png);
        return writeBytes(options.output / name,
                          [&] { return sheetBytes(layout, cell, faces, drawn); });
    });
}

}  // namespace kelvaro::render
