// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/render_run.h"

#include <QCoreApplication>
#include <set>

#include "i18n/message_text.h"
#include "model/data_folders.h"
#include "model/sheet_layouts.h"
#include "render/cast_plan.h"
#include "render/expression_run.h"
#include "render/library_changes.h"
#include "render/render_jobs.h"

namespace kelvaro::render {
namespace {

namespace fs = std::filesystem;

// Each PORTRAIT to OUT itself (one portrait, OUT not a folder) or into the folder OUT.
Lines renderPortraits(const Options& options, Library library) {
    const bool oneFile = writesOneFile(options);
    const ExportFormat format = pictureFormat(options);
    std::vector<fs::path> outputs;
    std::set<fs::path> names;
    for (const fs::path& portrait : options.portraits) {
        const fs::path name = fs::path(portrait.stem()) += suffixOf(format);
        if (!oneFile && !names.insert(name).second)
            return {composeMessage(
                QCoreApplication::translate("Renderer", "出力ファイル名が重複しています: %1"),
                {(options.output / name).string()})};
        outputs.push_back(oneFile ? options.output : options.output / name);
    }
    if (const auto failure = oneFile ? std::nullopt : makeFolder(options.output))
        return {*failure};
    Run run(options, std::move(library), static_cast<int>(outputs.size()));
    return run.each([&](int index, PortraitRenderer& renderer) -> std::string {
        const auto shown = showPortraitFile(
            renderer, options.portraits[static_cast<std::size_t>(index)], run.library());
        if (const auto* failure = std::get_if<std::string>(&shown))
            return *failure;
        const DocumentFile& document = std::get<DocumentFile>(shown);
        return run.write(renderer, edgeFor(options, document.portrait), format,
                         outputs[static_cast<std::size_t>(index)], document.seed);
    });
}

Lines renderCast(const Options& options, Library library) {
    auto planned = planCast(options, library);
    if (const auto* failures = std::get_if<Lines>(&planned))
        return *failures;
    const CastPlan& plan = std::get<CastPlan>(planned);
    if (const auto failure = makeFolder(options.output))
        return {*failure};
    const ExportFormat format = options.format.value_or(ExportFormat::Png);
    const int edge = edgeFor(options, plan.base);
    Run run(options, std::move(library), options.count);
    return run.each([&](int index, PortraitRenderer& renderer) -> std::string {
        const std::uint64_t seed = castSeed(options, index);
        if (std::string failure = drawPortrait(renderer, plan, seed); !failure.empty())
            return failure;
        return run.write(renderer, edge, format,
                         options.output / castName(index + 1, options.count, format), seed);
    });
}

Lines renderSheet(const Options& options, Library library) {
    // The layout, its size and the number of portraits were checked with the command line.
    const SheetLayout layout = *sheetLayoutNamed(options.sheet);
    const int cell = cellEdge(layout, options.size);
    const int count = static_cast<int>(options.portraits.size());
    std::vector<PortraitImage> cells(static_cast<std::size_t>(count));
    Run run(options, std::move(library), count);
    Lines failures = run.each([&](int index, PortraitRenderer& renderer) -> std::string {
        const auto shown = showPortraitFile(
            renderer, options.portraits[static_cast<std::size_t>(index)], run.library());
        if (const auto* failure = std::get_if<std::string>(&shown))
            return *failure;
        cells[static_cast<std::size_t>(index)] = renderer.picture(cell, backdropOf(options));
        return {};
    });
    if (!failures.empty())
        return failures;
    const std::string failure = writeBytes(options.output, [&] {
        return encodeImage(composeSheet(layout, cell, cells), ExportFormat::Png,
                           kRendererCompression);
    });
    return failure.empty() ? Lines{} : Lines{failure};
}

// Renders what `options` asks for on `library`; the failure lines.
Lines renderOn(const Options& options, Library library) {
    switch (options.mode) {
        case Mode::Cast:
            return renderCast(options, std::move(library));
        case Mode::Sheet:
            return renderSheet(options, std::move(library));
        case Mode::Faces:
            return renderFaces(options, std::move(library));
        case Mode::FaceSheet:
            return renderFaceSheet(options, std::move(library));
        case Mode::CastSheets:
            return renderCastSheets(options, std::move(library));
        default:
            return renderPortraits(options, std::move(library));
    }
}

// The library's files stay as they are while the renderer runs: each part file is examined at
// its first look of the run only (the cache is the process's; a later run examines them again).
class FixedFilesDuringRun {
public:
    explicit FixedFilesDuringRun(PartCache& cache) : m_cache(cache) { m_cache.setFilesFixed(true); }
    ~FixedFilesDuringRun() { m_cache.setFilesFixed(false); }
    FixedFilesDuringRun(const FixedFilesDuringRun&) = delete;
    FixedFilesDuringRun& operator=(const FixedFilesDuringRun&) = delete;

private:
    PartCache& m_cache;
};

}  // namespace

RenderReport runRender(const Options& options) {
    const FixedFilesDuringRun fixedFiles(sharedPartCache());
    auto opened =
        openLibrary(options.library ? *options.library : defaultLibrary(), sharedPartCache());
    if (const auto* failure = std::get_if<std::string>(&opened))
        return {{}, {*failure}};
    Library library = std::get<Library>(std::move(opened));
    // A thumbnail's notes are not shown (the file manager shows none).
    if (options.thumbnail)
        return {{}, renderOn(options, std::move(library))};
    // Each document's line is noted while it is opened for rendering; only those the run did
    // not open are read again for their lines.
    library.notes = std::make_shared<ChangeNotes>();
    Lines failures = renderOn(options, library);
    return {libraryChangeLines(options, library), std::move(failures)};
}

}  // namespace kelvaro::render
