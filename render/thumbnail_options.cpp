// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/thumbnail_options.h"

#include <QByteArray>
#include <QtGlobal>

#include "i18n/message_text.h"

namespace kelvaro::render {
std::filesystem::path fileOfInput(std::string_view input) {
    constexpr std::string_view kScheme = "file://";
    std::string_view path = input;
    if (!path.starts_with(kScheme))
        return std::filesystem::path(std::string(input));
    path.remove_prefix(kScheme.size());
    if (path.starts_with("localhost/"))
        path.remove_prefix(std::string_view("localhost").size());
    if (!path.starts_with('/'))
        return std::filesystem::path(std::string(input));  // another host: no file of ours
    const QByteArray encoded(path.data(), static_cast<qsizetype>(path.size()));
    return std::filesystem::path(QByteArray::fromPercentEncoding(encoded).toStdString());
}

std::optional<std::string> completeThumbnail(Options& options) {
    if (!options.thumbnail || options.help || options.version)
        return std::nullopt;
    if (options.mode != Mode::Portraits || options.portraits.size() != 1)
        return translatedText(
            "RenderOptions",
            QT_TRANSLATE_NOOP("RenderOptions",
                              "--thumbnail に指定できるのは 1 個のポートレートファイルだけです"));
    if (options.format == ExportFormat::Bmp || options.transparent)
        return translatedText(
            "RenderOptions",
            QT_TRANSLATE_NOOP("RenderOptions", "サムネイルは不透明なPNG形式でのみ保存できます"));
    options.format = ExportFormat::Png;
    options.portraits.front() = fileOfInput(options.portraits.front().native());
    return std::nullopt;
}

}  // namespace kelvaro::render
