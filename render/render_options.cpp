// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/render_options.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

#include "i18n/message_text.h"
#include "model/command_line_messages.h"
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

// A line of the command line's mistakes without values, in the language installed now.
std::string mistakeLine(const char* source) {
    return translatedText("RenderOptions", source);
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
        return composeMessage(
            QCoreApplication::translate(
                "RenderOptions", "このシートの顔の大きさは %1 ピクセルに決まっています: --size %2"),
            {std::to_string(layout.cell), std::to_string(*o.size)});
    const auto count = o.portraits.size();
    if (o.mode == Mode::Sheet && count > static_cast<std::size_t>(layout.cells()))
        return composeMessage(
            QCoreApplication::translate("RenderOptions",
                                        "シートに入るポートレートは %1 個までです: %2 個"),
            {std::to_string(layout.cells()), std::to_string(count)});
    const int cell = cellEdge(layout, o.size);
    if (layout.pixels(cell) > kMostSheetPixels)
        return composeMessage(
            QCoreApplication::translate("RenderOptions",
                                        "シートが大きすぎます: %1x%2 ピクセル (上限 %3 ピクセル)"),
            {std::to_string(layout.columns * cell), std::to_string(layout.rows * cell),
             std::to_string(kMostSheetPixels)});
    return std::nullopt;
}

// --expressions and --expressions-from with the options they need or exclude.
std::optional<std::string> expressionConflictIn(const Options& o) {
    if (o.expressions && o.count > 0)
        return mistakeLine(
            QT_TRANSLATE_NOOP("RenderOptions", "--expressions は --random と一緒に使えません"));
    if (o.expressionsFrom && o.count == 0)
        return mistakeLine(
            QT_TRANSLATE_NOOP("RenderOptions", "--expressions-from は --random と一緒に使います"));
    if (o.expressionsFrom && o.sheet.empty())
        return mistakeLine(
            QT_TRANSLATE_NOOP("RenderOptions", "--expressions-from には --sheet が必要です"));
    if (o.count > 0 && !o.sheet.empty() && !o.expressionsFrom)
        return mistakeLine(QT_TRANSLATE_NOOP(
            "RenderOptions", "--random と --sheet は --expressions-from と一緒に使います"));
    if (o.expressions && o.portraits.size() > 1)
        return composeMessage(
            QCoreApplication::translate(
                "RenderOptions",
                "--expressions に指定できるポートレートファイルは 1 個です: %1 個"),
            {std::to_string(o.portraits.size())});
    return std::nullopt;
}

// The checks that need every option: one line for the first thing missing or in conflict.
std::optional<std::string> conflictIn(const Options& o) {
    const bool cast = o.count > 0;
    if (o.help || o.version)
        return std::nullopt;
    if (o.output.empty())
        return mistakeLine(QT_TRANSLATE_NOOP("RenderOptions", "出力先が指定されていません: -o"));
    if (cast && !o.seed)
        return mistakeLine(QT_TRANSLATE_NOOP("RenderOptions", "--random には --seed が必要です"));
    if (!cast && (o.seed || o.base || o.locks))
        return mistakeLine(QT_TRANSLATE_NOOP(
            "RenderOptions", "--seed, --base, --lock は --random と一緒に使います"));
    if (!cast && o.colours)
        return mistakeLine(
            QT_TRANSLATE_NOOP("RenderOptions", "--colours は --random と一緒に使います"));
    if (o.palettes && !o.colours)
        return mistakeLine(
            QT_TRANSLATE_NOOP("RenderOptions", "--palettes は --colours と一緒に使います"));
    if (auto conflict = expressionConflictIn(o))
        return conflict;
    if (cast && !o.portraits.empty())
        return composeMessage(
            QCoreApplication::translate("RenderOptions",
                                        "--random にポートレートファイルは指定できません: %1"),
            {o.portraits.front().string()});
    if (!cast && o.portraits.empty())
        return mistakeLine(
            QT_TRANSLATE_NOOP("RenderOptions", "ポートレートファイルが指定されていません"));
    if (o.transparent && pictureFormat(o) == ExportFormat::Bmp)
        return mistakeLine(QT_TRANSLATE_NOOP("RenderOptions",
                                             "透過画像はPNG形式でのみ保存できます: --transparent"));
    if (!o.sheet.empty() && o.format == ExportFormat::Bmp)
        return mistakeLine(
            QT_TRANSLATE_NOOP("RenderOptions", "シートはPNG形式でのみ保存できます: --format bmp"));
    return o.sheet.empty() ? std::nullopt : sheetConflictIn(o);
}

// The help's lines for the named sheet layouts and for COLSxROWS, and the sheets' limit.
std::string sheetHelp() {
    std::string text;
    const QString line =
        QCoreApplication::translate("RenderHelp", "%1: %2x%3 faces of %4x%4, %5x%6");
    for (const SheetLayout& layout : namedSheetLayouts()) {
        char name[32];
        std::snprintf(name, sizeof name, "  %-10s ", std::string(layout.name).c_str());
        text += name +
                composeMessage(line, {layout.engine, std::to_string(layout.columns),
                                      std::to_string(layout.rows), std::to_string(layout.cell),
                                      std::to_string(layout.columns * layout.cell),
                                      std::to_string(layout.rows * layout.cell)}) +
                "\n";
    }
    return text +
           composeMessage(QCoreApplication::translate(
                              "RenderHelp",
                              "  COLSxROWS  COLS x ROWS faces of --size (default %1), 1 to "
                              "64 each way\nA sheet has at most %2 pixels (4096x4096); a "
                              "larger one is a wrong command line.\n"),
                          {std::to_string(kDefaultSheetCell), std::to_string(kMostSheetPixels)});
}

// "Options:" and each option of the table with its help.
std::string optionsHelp() {
    // Appended piece by piece: GCC 12 warns (-Wrestrict) on "\n" + a string in a Release build.
    std::string text = "\n";
    text.append(composeMessage(QCoreApplication::translate("RenderHelp", "Options:"))).append("\n");
    for (const OptionInfo& info : optionTable()) {
        text.append("  ");
        if (!info.alias.empty())
            text.append(info.alias).append(", ");
        text.append(info.name);
        if (!info.value.empty())
            text.append(" ").append(info.value);
        text.append("\n      ").append(translatedText("RenderHelp", info.help)).append("\n");
    }
    return text;
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
            return unknownOptionMessage(argument);
        if (!info->value.empty() && !inlineValue) {
            if (i + 1 >= arguments.size())
                return missingValueMessage(argument);
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
    std::string text = composeMessage(QCoreApplication::translate(
        "RenderHelp",
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
        "Sheets (cells left to right, top to bottom; empty cells transparent):\n"));
    text += sheetHelp();
    text += optionsHelp();
    text += composeMessage(QCoreApplication::translate(
        "RenderHelp",
        "\n"
        "Progress is shown on standard error when it is a terminal. On success nothing else is\n"
        "printed and the exit status is 0, but for one line per document whose part files\n"
        "changed since it was saved; every failure prints one line and the status is 1 (2 for a\n"
        "wrong command line). A file that cannot be written is never left half-written.\n"));
    return text;
}

}  // namespace kelvaro::render
