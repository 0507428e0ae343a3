// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/palette_library.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <utility>

#include "i18n/message_text.h"
#include "io/file_boundary.h"
#include "io/file_writer.h"

namespace kelvaro {
namespace {

// The messages, as written; each is translated when a message is made (context
// "PaletteLibrary").
constexpr std::string_view kReadMessage =
    QT_TRANSLATE_NOOP("PaletteLibrary", "パレットを読み込めません");
constexpr std::string_view kImportMessage =
    QT_TRANSLATE_NOOP("PaletteLibrary", "パレットを取り込めません");
constexpr std::string_view kTooManyFiles =
    QT_TRANSLATE_NOOP("PaletteLibrary", "パレットのファイルが多すぎます（256 個まで）");
constexpr std::string_view kExtension = ".gpl";
constexpr std::size_t kMaxFilesPerFolder = 256;
constexpr int kMaxImportCopies = 1000;

// Why a palette cannot be used, by PaletteError.
constexpr std::array<std::pair<PaletteError, std::string_view>, 6> kErrorReasons = {{
    {PaletteError::NoHeader, QT_TRANSLATE_NOOP("PaletteLibrary", "GIMP パレットではありません")},
    {PaletteError::BadColour, QT_TRANSLATE_NOOP("PaletteLibrary", "色の値が正しくありません")},
    {PaletteError::TooManyColours,
     QT_TRANSLATE_NOOP("PaletteLibrary", "色が多すぎます（4096 色まで）")},
    {PaletteError::BadText, QT_TRANSLATE_NOOP("PaletteLibrary", "UTF-8 のテキストではありません")},
    {PaletteError::TooLarge, QT_TRANSLATE_NOOP("PaletteLibrary", "ファイルが大きすぎます")},
    {PaletteError::NoColours, QT_TRANSLATE_NOOP("PaletteLibrary", "色がひとつもありません")},
}};

// The bundled palette of each kind, by PaletteKind.
constexpr std::array<std::string_view, kPaletteKindCount> kKindFiles = {"skin.gpl", "hair.gpl",
                                                                        "eyes.gpl", "general.gpl"};

// One of the texts above in the language installed now.
std::string paletteText(std::string_view source) {
    return translatedText("PaletteLibrary", source);
}

std::string reasonFor(PaletteError error) {
    const auto* row = std::find_if(kErrorReasons.begin(), kErrorReasons.end(),
                                   [&](const auto& r) { return r.first == error; });
    return paletteText(row->second);
}

// The first kMaxPaletteFileBytes + 1 bytes of the regular file `file` (enough for the reader
// to see that a larger one is too large), or why it cannot be read.
FileBytes readPaletteBytes(const std::filesystem::path& file) {
    FileBytes read;
    QFile device;
    read.result = openRegularFile(file, device);
    if (!read.result)
        return read;
    const QByteArray bytes = device.read(static_cast<qint64>(kMaxPaletteFileBytes) + 1);
    if (device.error() != QFileDevice::NoError)
        read.result = failureBecause(device.errorString().toStdString());
    else
        read.bytes = bytes.toStdString();
    return read;
}

// The palette in `bytes` read from `file`, or the message saying why it cannot be used.
std::variant<Palette, PaletteFailure> paletteFrom(const std::filesystem::path& file,
                                                  const FileBytes& read) {
    if (!read.result)
        return PaletteFailure{fileFailureMessage(paletteText(kReadMessage), file, read.result)};
    auto palette = readGimpPalette(read.bytes);
    if (const auto* error = std::get_if<PaletteError>(&palette))
        return PaletteFailure{
            fileFailureMessage(paletteText(kReadMessage), file, failureBecause(reasonFor(*error)))};
    return std::get<Palette>(std::move(palette));
}

bool isPaletteName(const std::filesystem::path& name) {
    std::string extension = name.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return extension == kExtension;
}

bool isKindFile(const std::filesystem::path& name) {
    return std::find(kKindFiles.begin(), kKindFiles.end(), name.string()) != kKindFiles.end();
}

// The regular palette files of `folder` in name order, at most kMaxFilesPerFolder of them;
// `skipKindFiles` leaves out the bundled kind files. True in `tooMany` when some were left out.
std::vector<std::filesystem::path> paletteFilesIn(const std::filesystem::path& folder,
                                                  bool skipKindFiles, bool& tooMany) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path name = it->path().filename();
        if (isPaletteName(name) && !(skipKindFiles && isKindFile(name)) &&
            isRegularFile(it->path()))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    tooMany = files.size() > kMaxFilesPerFolder;
    files.resize(std::min(files.size(), kMaxFilesPerFolder));
    return files;
}

// Adds the palette in `file` to `set` (or its failure); its index, or -1 when it failed.
int addPalette(PaletteSet& set, const std::filesystem::path& file) {
    auto read = readPaletteFile(file);
    if (auto* failure = std::get_if<PaletteFailure>(&read)) {
        set.failures.push_back(std::move(failure->message));
        return -1;
    }
    set.palettes.push_back(std::get<Palette>(std::move(read)));
    return static_cast<int>(set.palettes.size()) - 1;
}

void addFolder(PaletteSet& set, const std::filesystem::path& folder, bool skipKindFiles) {
    bool tooMany = false;
    for (const std::filesystem::path& file : paletteFilesIn(folder, skipKindFiles, tooMany))
        addPalette(set, file);
    if (tooMany)
        set.failures.push_back(fileFailureMessage(paletteText(kReadMessage), folder,
                                                  failureBecause(paletteText(kTooManyFiles))));
}

// The first of "stem.gpl", "stem-2.gpl", ... with nothing of that name in `folder`; empty when
// all are taken.
std::filesystem::path freeName(const std::filesystem::path& folder, const std::string& stem) {
    for (int copy = 1; copy <= kMaxImportCopies; ++copy) {
        std::string name = stem;
        if (copy > 1)
            name.append("-").append(std::to_string(copy));
        const std::filesystem::path file = folder / name.append(kExtension);
        if (!entryExists(file))
            return file;
    }
    return {};
}

PaletteImport importRefused(const std::filesystem::path& file, const FileResult& why) {
    return {false, fileFailureMessage(paletteText(kImportMessage), file, why), {}};
}

}  // namespace

const Palette* PaletteSet::palette(PaletteKind kind) const {
    const int index = byKind[static_cast<std::size_t>(kind)];
    return index < 0 ? nullptr : &palettes[static_cast<std::size_t>(index)];
}

std::variant<Palette, PaletteFailure> readPaletteFile(const std::filesystem::path& file) {
    return paletteFrom(file, readPaletteBytes(file));
}

PaletteSet loadPaletteSet(const std::filesystem::path& bundled, const std::filesystem::path& user) {
    PaletteSet set;
    for (std::size_t kind = 0; kind < kKindFiles.size(); ++kind) {
        const std::filesystem::path file = bundled / kKindFiles[kind];
        if (entryExists(file))
            set.byKind[kind] = addPalette(set, file);
    }
    addFolder(set, bundled, true);
    addFolder(set, user, false);
    return set;
}

PaletteImport importPalette(const std::filesystem::path& source,
                            const std::filesystem::path& userFolder) {
    const FileBytes read = readPaletteBytes(source);
    if (auto failure = paletteFrom(source, read); std::holds_alternative<PaletteFailure>(failure))
        return {false, std::get<PaletteFailure>(std::move(failure)).message, {}};
    std::error_code error;
    std::filesystem::create_directories(userFolder, error);
    if (error)
        return importRefused(userFolder, systemFailure(error.value()));
    const std::filesystem::path target = freeName(userFolder, source.stem().string());
    if (target.empty())
        return importRefused(userFolder / source.filename(), systemFailure(EEXIST));
    if (const FileResult written = replaceFileAtomically(target, read.bytes); !written)
        return importRefused(target, written);
    return {true, {}, target};
}

}  // namespace kelvaro
