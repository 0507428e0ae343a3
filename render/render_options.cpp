// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/render_options.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/sheet_layouts.h"
#include "render/option_table.h"
#include "render/thumbnail_options.h"

namespace kelvaro::render {
namespace {

const OptionInfo* optionNamed(std::string_view name) {
    for (const OptionInfo& info : optionTable()) {
        if (name == info.name || (!info.alias.empty() && name == info.alias))
            return &info;
    }
    return nullptr;
}

// What the options ask for: a cast, a face sheet, faces or portraits.
Mode modeOf(const Options& o) {
    const bool sheet = !o.sheet.empty();
    if (o.count > 0)
        return o.expressionsFrom ? Mode::CastSheets : Mode::Cast;
    if (o.expressions)
        return sheet ? Mode::FaceSheet : Mode::Faces;
    return sheet ? Mode::Sheet : Mode::Portraits;
}

// A size the sheet's layout does not allow, or more portraits than it has cells (the faces of
// one portrait are cut to the layout's cells instead).
std::optional<std::string> sheetConflictIn(const Options& o) {
    const SheetLayout layout = *sheetLayoutNamed(o.sheet);  // checked when --sheet was read
    if (layout.cell != 0 && o.size && *o.size != layout.cell)
        return "このシートの顔の大きさは " + std::to_string(layout.cell) +
               " ピクセルに決まっています: --size " + std::to_string(*o.size);
    const auto count = o.portraits.size();
    if (o.mode == Mode::Sheet && count > static_cast<std::size_t>(layout.cells()))
        return "シートに入るポートレートは " + std::to_string(layout.cells()) +
               " 個までです: " + std::to_string(count) + " 個";
    const int cell = cellEdge(layout, o.size);
    if (layout.pixels(cell) > kMostSheetPixels)
        return "シートが大きすぎます: " + std::to_string(layout.columns * cell) + "x" +
               std::to_string(layout.rows * cell) + " ピクセル (上限 " +
               std::to_string(kMostSheetPixels) + " ピクセル)";
    return std::nullopt;
}

// --expressions and --expressions-from with the options they need or exclude.
std::optional<std::string> expressionConflictIn(const Options& o) {
    if (o.expressions && o.count > 0)
        return "--expressions は --random と一緒に使えません";
    if (o.expressionsFrom && o.count == 0)
        return "--expressions-from は --random と一緒に使います";
    if (o.expressionsFrom && o.sheet.empty())
        return "--expressions-from には --sheet が必要です";
    if (o.count > 0 && !o.sheet.empty() && !o.expressionsFrom)
        return "--random と --sheet は --expressions-from と一緒に使います";
    if (o.expressions && o.portraits.size() > 1)
        return "--expressions に指定できるポートレートファイルは 1 個です: " +
               std::to_string(o.portraits.size()) + " 個";
    return std::nullopt;
}

// The checks that need every option: one line for the first thing missing or in conflict.
std::optional<std::string> conflictIn(const Options& o) {
    const bool cast = o.count > 0;
    if (o.help || o.version)
        return std::nullopt;
    if (o.output.empty())
        return "出力先が指定されていません: -o";
    if (cast && !o.seed)
        return "--random には --seed が必要です";
    if (!cast && (o.seed || o.base || o.locks))
        return "--seed, --base, --lock は --random と一緒に使います";
    if (!cast && o.colours)
        return "--colours は --random と一緒に使います";
    if (o.palettes && !o.colours)
        return "--palettes は --colours と一緒に使います";
    if (auto conflict = expressionConflictIn(o))
        return conflict;
    if (cast && !o.portraits.empty())
        return "--random にポートレートファイルは指定できません: " + o.portraits.front().string();
    if (!cast && o.portraits.empty())
        return "ポートレートファイルが指定されていません";
    if (o.transparent && pictureFormat(o) == ExportFormat::Bmp)
        return "透過画像はPNG形式でのみ保存できます: --transparent";
    if (!o.sheet.empty() && o.format == ExportFormat::Bmp)
        return "シートはPNG形式でのみ保存できます: --format bmp";
    return o.sheet.empty() ? std::nullopt : sheetConflictIn(o);
}

}  // namespace

bool writesOneFile(const Options& options) {
    std::error_code error;
    return options.mode == Mode::Portraits && options.portraits.size() == 1 &&
           options.output.has_filename() && !std::filesystem::is_directory(options.output, error);
}

ExportFormat pictureFormat(const Options& options) {
    if (options.format)
        return *options.format;
    std::string extension = extensionOf(options.output);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return writesOneFile(options) && extension == "bmp" ? ExportFormat::Bmp : ExportFormat::Png;
}

std::variant<Options, std::string> parseOptions(std::span<const std::string> arguments) {
    Options options;
    bool onlyPortraits = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (onlyPortraits || argument == "-" || !argument.starts_with("-")) {
            options.portraits.push_back(pathOf(arguments[i]));
            continue;
        }
        if (argument == "--") {
            onlyPortraits = true;
            continue;
        }
        std::string_view value;
        bool inlineValue = false;
        if (const auto equals = argument.find('=');
            argument.starts_with("--") && equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
            inlineValue = true;
        } else if (!argument.starts_with("--") && argument.size() > 2) {
            value = argument.substr(2);  // "-j2", "-oface.png"
            argument = argument.substr(0, 2);
            inlineValue = true;
        }
        const OptionInfo* info = optionNamed(argument);
        if (info == nullptr)
            return "不明なオプションです: " + std::string(argument);
        if (!info->value.empty() && !inlineValue) {
            if (i + 1 >= arguments.size())
                return "オプションに値がありません: " + std::string(argument);
            value = arguments[++i];
        } else if (info->value.empty() && inlineValue) {
            return badValue(argument, value);
        }
        if (auto error = info->set(options, value))
            return *error;
    }
    options.mode = modeOf(options);
    if (auto conflict = conflictIn(options))
        return *conflict;
    if (auto conflict = completeThumbnail(options))
        return *conflict;
    return options;
}

std::string helpText() {
    std::string text =
        "Usage:\n"
        "  kelvaro-render [--library DIR] [--size N] [--transparent] [--format png|bmp]\n"
        "                 -o OUT PORTRAIT...\n"
        "  kelvaro-render [--library DIR] --random COUNT --seed S [--base PORTRAIT]\n"
        "                 [--lock ELEMENT,...] [--colours [--palettes DIR]] [--size N]\n"
        "                 -o FOLDER\n"
        "  kelvaro-render [--library DIR] --sheet mz|mv|vxace|rm2000|COLSxROWS [--size N]\n"
        "                 -o SHEET.png PORTRAIT...\n"
        "  kelvaro-render [--library DIR] --expressions [--sheet LAYOUT] [--size N]\n"
        "                 -o FOLDER|SHEET.png PORTRAIT\n"
        "  kelvaro-render [--library DIR] --random COUNT --seed S\n"
        "                 --expressions-from TEMPLATE --sheet LAYOUT -o FOLDER\n"
        "\n"
        "kelvaro-render renders Kelvaro portraits without a window, with exactly the pixels the\n"
        "editor's \"Zapisz\" writes. A PORTRAIT is a .kelvaro document or a PNG saved by Kelvaro.\n"
        "With one PORTRAIT, OUT is the file to write (unless it is a folder); with several, OUT\n"
        "is a folder and each portrait is written there under its own name. Drawn portraits are\n"
        "named 0001.png, 0002.png, ...; each PNG carries its recipe and its seed. The faces of a\n"
        "portrait with expressions are named Neutralna.png (the base) and after each expression;\n"
        "a sheet of faces carries the portrait's recipe with its expressions.\n"
        "\n"
        "Sheets (cells left to right, top to bottom; empty cells transparent):\n";
    for (const SheetLayout& layout : namedSheetLayouts()) {
        char line[128];
        std::snprintf(line, sizeof line, "  %-10s %s: %dx%d faces of %dx%d, %dx%d\n",
                      std::string(layout.name).c_str(), std::string(layout.engine).c_str(),
                      layout.columns, layout.rows, layout.cell, layout.cell,
                      layout.columns * layout.cell, layout.rows * layout.cell);
        text += line;
    }
    text += "  COLSxROWS  COLS x ROWS faces of --size (default " +
            std::to_string(kDefaultSheetCell) + "), 1 to 64 each way\n" + "A sheet has at most " +
            std::to_string(kMostSheetPixels) +
            " pixels (4096x4096); a larger one is a wrong command line.\n\nOptions:\n";
    for (const OptionInfo& info : optionTable()) {
        text.append("  ");
        if (!info.alias.empty())
            text.append(info.alias).append(", ");
        text.append(info.name);
        if (!info.value.empty())
            text.append(" ").append(info.value);
        text.append("\n      ").append(info.help).append("\n");
    }
    text +=
        "\n"
        "Progress is shown on standard error when it is a terminal. On success nothing else is\n"
        "printed and the exit status is 0, but for one line per document whose part files\n"
        "changed since it was saved; every failure prints one line and the status is 1 (2 for a\n"
        "wrong command line). A file that cannot be written is never left half-written.\n";
    return text;
}

}  // namespace kelvaro::render
