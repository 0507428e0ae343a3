// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/option_table.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>

#include "i18n/message_text.h"
#include "model/element_names.h"
#include "model/layer_tables.h"
#include "model/sheet_layouts.h"
#include "render/thumbnail_options.h"

namespace kelvaro::render {

std::filesystem::path pathOf(std::string_view argument) {
    return std::filesystem::path(std::string(argument));
}

std::string badValue(std::string_view option, std::string_view value) {
    return composeMessage(
        QCoreApplication::translate("RenderOptions", "オプションの値が正しくありません: %1 %2"),
        {option, value});
}

namespace {

template <typename Number>
std::optional<Number> numberOf(std::string_view text, int base = 10) {
    Number number{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return number;
}

std::optional<std::uint64_t> seedOf(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X"))
        return numberOf<std::uint64_t>(text.substr(2), 16);
    return numberOf<std::uint64_t>(text);
}

std::optional<std::vector<int>> locksOf(std::string_view text) {
    std::array<bool, kElementCount> locked{};
    while (true) {
        const auto comma = text.find(',');
        const auto element = elementNamed(text.substr(0, comma));
        if (!element)
            return std::nullopt;
        locked[static_cast<std::size_t>(*element)] = true;
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    std::vector<int> elements;
    for (int e = 0; e < kElementCount; ++e) {
        if (locked[static_cast<std::size_t>(e)])
            elements.push_back(e);
    }
    return elements;
}

const std::array<OptionInfo, 18> kOptions = {{
    {"--help", "-h", "", QT_TRANSLATE_NOOP("RenderHelp", "Print this text and exit."),
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.help = true;
         return std::nullopt;
     }},
    {"--version", "", "", QT_TRANSLATE_NOOP("RenderHelp", "Print the version and exit."),
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.version = true;
         return std::nullopt;
     }},
    {"--library", "", "DIR",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "The folder that holds picture/ (default: the current folder when it holds picture/, "
         "else the user's library $XDG_DATA_HOME/kelvaro, else the installed sample library)."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.library = pathOf(v);
         return std::nullopt;
     }},
    {"--size", "", "N",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "Edge length in pixels, 16 to 1024 (48, 96, 144, 192 ...). Default: the size the portrait "
         "was saved with; 144 for a COLSxROWS sheet."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto size = numberOf<int>(v);
         if (!size || *size < kSmallestEdge || *size > kLargestEdge)
             return badValue("--size", v);
         o.size = *size;
         return std::nullopt;
     }},
    {"--transparent", "", "",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "Leave out the wall and keep the layers' alpha (32-bit PNG, straight alpha; not BMP)."),
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.transparent = true;
         return std::nullopt;
     }},
    {"--format", "", "png|bmp",
     QT_TRANSLATE_NOOP("RenderHelp",
                       "File format (default: png; bmp when OUT is one file named *.bmp). BMP "
                       "carries no recipe."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         if (v != "png" && v != "bmp")
             return badValue("--format", v);
         o.format = v == "png" ? ExportFormat::Png : ExportFormat::Bmp;
         return std::nullopt;
     }},
    {"--output", "-o", "OUT",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "The file to write (one PORTRAIT, or the sheet), or the folder to write into."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.output = pathOf(v);
         return std::nullopt;
     }},
    {"--thumbnail", "", "N",
     QT_TRANSLATE_NOOP("RenderHelp",
                       "Write the one PORTRAIT (a file name or a file:// URI) as an NxN PNG to the "
                       "file OUT, as a file manager's thumbnail: N from 1, sizes above 512 give "
                       "512. Missing parts are drawn with the dummy."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto edge = numberOf<int>(v);
         if (!edge || *edge < 1)
             return badValue("--thumbnail", v);
         o.thumbnail = true;
         o.size = std::min(*edge, kLargestThumbnail);
         return std::nullopt;
     }},
    {"--random", "", "COUNT",
     QT_TRANSLATE_NOOP("RenderHelp", "Draw COUNT portraits (1 to 1000000) into the folder OUT."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto count = numberOf<int>(v);
         if (!count || *count < 1 || *count > 1'000'000)
             return badValue("--random", v);
         o.count = *count;
         return std::nullopt;
     }},
    {"--seed", "", "S",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "Seed of the draws, 0 to 2^64-1 (decimal, or hexadecimal after 0x). Portrait i (from 0) "
         "is drawn with seed S+i, so --random 1 --seed S+i draws it again."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.seed = seedOf(v);
         return o.seed ? std::nullopt : std::optional(badValue("--seed", v));
     }},
    {"--base", "", "PORTRAIT",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "The portrait the draws start from: its parts, placements and tints (default: every part "
         "000 at its place, in the default colours)."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.base = pathOf(v);
         return std::nullopt;
     }},
    {"--lock", "", "ELEMENT,...",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "Keep these elements of the base (list texts such as Twarz or Inne #1, or folder names "
         "such as face or bhair1; any letter case). With --lock every other element is drawn; "
         "without it the eight elements Generuj draws are."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.locks = locksOf(v);
         return o.locks ? std::nullopt : std::optional(badValue("--lock", v));
     }},
    {"--colours", "", "",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "Draw each portrait's colours too: a skin tone, one hair colour for all hair, an eye "
         "colour, and colours for clothes and headwear, from the palettes (with the seed of the "
         "portrait, so --random 1 --seed S+i --colours draws it again)."),
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.colours = true;
         return std::nullopt;
     }},
    {"--palettes", "", "DIR",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "Read the palettes for --colours from DIR (skin.gpl, hair.gpl, eyes.gpl, general.gpl) "
         "instead of those installed with the program."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.palettes = pathOf(v);
         return std::nullopt;
     }},
    {"--sheet", "", "LAYOUT",
     QT_TRANSLATE_NOOP("RenderHelp",
                       "Lay the PORTRAITs out on one sheet: mz, mv, vxace, rm2000 or COLSxROWS."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         if (!sheetLayoutNamed(v))
             return badValue("--sheet", v);
         o.sheet = std::string(v);
         return std::nullopt;
     }},
    {"--expressions", "", "",
     QT_TRANSLATE_NOOP("RenderHelp",
                       "Render the PORTRAIT's faces, the base (Neutralna) and then each "
                       "expression: each into the "
                       "folder OUT under its name, or with --sheet on one sheet."),
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.expressions = true;
         return std::nullopt;
     }},
    {"--expressions-from", "", "TEMPLATE",
     QT_TRANSLATE_NOOP(
         "RenderHelp",
         "Give each drawn portrait the expressions of TEMPLATE and write each as a face sheet "
         "(needs --random and --sheet)."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.expressionsFrom = pathOf(v);
         return std::nullopt;
     }},
    {"--jobs", "-j", "N",
     QT_TRANSLATE_NOOP("RenderHelp", "Render N portraits at a time (default: one per core)."),
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto threads = numberOf<int>(v);
         if (!threads || *threads < 1 || *threads > 256)
             return badValue("-j", v);
         o.threads = *threads;
         return std::nullopt;
     }},
}};

}  // namespace

std::span<const OptionInfo> optionTable() {
    return kOptions;
}

}  // namespace kelvaro::render
