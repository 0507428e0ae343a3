// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/render_jobs.h"

#include <QCoreApplication>
#include <cerrno>
#include <new>

#include "i18n/message_text.h"
#include "model/command_line_messages.h"
#include "model/portrait_export.h"
#include "render/job_runner.h"
#include "render/library_changes.h"
#include "render/progress_bar.h"

namespace kelvaro::render {

namespace fs = std::filesystem;

std::string saveFailure(const fs::path& file, const FileResult& failure) {
    return failureLine(fileFailureMessage(
        composeMessage(QCoreApplication::translate("Renderer", "画像ファイルの保存に失敗しました")),
        file, failure));
}

const char* suffixOf(ExportFormat format) {
    return format == ExportFormat::Png ? ".png" : ".bmp";
}

Backdrop backdropOf(const Options& options) {
    return options.transparent ? Backdrop::Transparent : Backdrop::Opaque;
}

int edgeFor(const Options& options, const PortraitDocument& document) {
    return options.size.value_or(exportEdgeLength(document.sizeChoice));
}

std::variant<OpenedPortrait, std::string> openPortrait(const fs::path& file, const fs::path& base,
                                                       PartCache& cache) {
    auto read = readDocumentFile(file);
    if (const auto* failure = std::get_if<OpenFailure>(&read))
        return failureLine(openErrorMessage(*failure, file));
    OpenedPortrait opened{std::get<DocumentFile>(std::move(read)), {}};
    opened.changes = followLibrary(opened.document, base, cache);
    return opened;
}

std::variant<DocumentFile, std::string> readPortrait(const fs::path& file, const Library& library) {
    auto opened = openPortrait(file, library.base, *library.cache);
    if (auto* failure = std::get_if<std::string>(&opened))
        return std::move(*failure);
    auto& portrait = std::get<OpenedPortrait>(opened);
    if (library.notes)
        library.notes->note(file, portrait.changes);
    return std::move(portrait.document);
}

std::variant<DocumentFile, std::string> showPortraitFile(PortraitRenderer& renderer,
                                                         const fs::path& file,
                                                         const Library& library) {
    auto read = readPortrait(file, library);
    if (const auto* document = std::get_if<DocumentFile>(&read)) {
        std::string failure;
        if (!renderer.show(document->portrait, failure))
            return failure;
    }
    return read;
}

std::optional<std::string> makeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error && !fs::is_directory(folder, error))
        error = std::make_error_code(std::errc::not_a_directory);
    if (!error)
        return std::nullopt;
    return failureLine(fileFailureMessage(composeMessage(QCoreApplication::translate(
                                              "Renderer", "出力フォルダを作成できませんでした")),
                                          folder, failureBecause(error.message())));
}

std::string writeBytes(const fs::path& file, const PictureBytes& make) {
    std::optional<std::string> bytes;
    try {
        bytes = make();
    } catch (const std::bad_alloc&) {
        return saveFailure(file, systemFailure(ENOMEM));
    }
    const FileResult written = writePictureFile(file, bytes);
    return written ? std::string() : saveFailure(file, written);
}

Run::Run(const Options& options, Library library, int jobs)
    : m_options(options),
      m_library(std::move(library)),
      m_workers(options.threads > 0 ? options.threads : defaultWorkerCount()),
      m_failures(static_cast<std::size_t>(jobs)) {
    m_renderers.resize(static_cast<std::size_t>(m_workers));
}

Lines Run::each(const std::function<std::string(int, PortraitRenderer&)>& job) {
    const int count = static_cast<int>(m_failures.size());
    ProgressBar bar(count);
    runJobs(
        count, m_workers,
        [&](int index, int worker) {
            auto& renderer = m_renderers[static_cast<std::size_t>(worker)];
            if (!renderer)
                renderer = std::make_unique<PortraitRenderer>(m_library);
            m_failures[static_cast<std::size_t>(index)] = job(index, *renderer);
        },
        [&](int done) { bar.show(done); });
    Lines lines;
    for (std::string& failure : m_failures) {
        if (!failure.empty())
            lines.push_back(std::move(failure));
    }
    return lines;
}

std::string Run::write(PortraitRenderer& renderer, int edge, ExportFormat format,
                       const fs::path& file, std::optional<std::uint64_t> seed) {
    return writeBytes(
        file, [&] { return renderer.fileBytes(edge, backdropOf(m_options), format, seed); });
}

}  // namespace kelvaro::render
