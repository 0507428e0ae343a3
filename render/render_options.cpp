// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "render/render_options.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "model/element_names.h"
#include "model/layer_tables.h"
#include "model/sheet_layouts.h"

namespace kelvaro::render {
namespace {

using Setter = std::optional<std::string> (*)(Options&, std::string_view value);

struct OptionInfo {
    std::string_view name;   // "--size"
    std::string_view alias;  // "-o", or empty
    std::string_view value;  // the value's name in the help text; empty for a flag
    std::string_view help;
    Setter set;
};

// A file name from the command line: its bytes as they are, whatever the encoding.
std::filesystem::path pathOf(std::string_view argument) {
    return std::filesystem::path(std::string(argument));
}

std::string badValue(std::string_view option, std::string_view value) {
    return "オプションの値が正しくありません: " + std::string(option) + " " + std::string(value);
}

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

const std::array<OptionInfo, 16> kOptions = {{
    {"--help", "-h", "", "Print this text and exit.",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.help = true;
         return std::nullopt;
     }},
    {"--library", "", "DIR",
     "The folder that holds picture/ (default: the current folder, as the editor).",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.library = pathOf(v);
         return std::nullopt;
     }},
    {"--size", "", "N",
     "Edge length in pixels, 16 to 1024 (48, 96, 144, 192 ...). Default: the size the portrait "
     "was saved with; 144 for a COLSxROWS sheet.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto size = numberOf<int>(v);
         if (!size || *size < kSmallestEdge || *size > kLargestEdge)
             return badValue("--size", v);
         o.size = *size;
         return std::nullopt;
     }},
    {"--transparent", "", "",
     "Leave out the wall and keep the layers' alpha (32-bit PNG, straight alpha).",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.transparent = true;
         return std::nullopt;
     }},
    {"--format", "", "png|bmp",
     "File format (default: png; bmp when OUT is one file named *.bmp). BMP carries no recipe.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         if (v != "png" && v != "bmp")
             return badValue("--format", v);
         o.format = v == "png" ? ExportFormat::Png : ExportFormat::Bmp;
         return std::nullopt;
     }},
    {"--output", "-o", "OUT",
     "The file to write (one PORTRAIT, or the sheet), or the folder to write into.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.output = pathOf(v);
         return std::nullopt;
     }},
    {"--random", "", "COUNT", "Draw COUNT portraits (1 to 1000000) into the folder OUT.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto count = numberOf<int>(v);
         if (!count || *count < 1 || *count > 1'000'000)
             return badValue("--random", v);
         o.count = *count;
         return std::nullopt;
     }},
    {"--seed", "", "S",
     "Seed of the draws, 0 to 2^64-1 (decimal, or hexadecimal after 0x). Portrait i (from 0) "
     "is drawn with seed S+i, so --random 1 --seed S+i draws it again.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.seed = seedOf(v);
         return o.seed ? std::nullopt : std::optional(badValue("--seed", v));
     }},
    {"--base", "", "PORTRAIT",
     "The portrait the draws start from: its parts, placements and tints (default: every part "
     "000 at its place, in the default colours).",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.base = pathOf(v);
         return std::nullopt;
     }},
    {"--lock", "", "ELEMENT,...",
     "Keep these elements of the base (list texts such as Twarz or Inne #1, or folder names "
     "such as face or bhair1; any letter case). With --lock every other element is drawn; "
     "without it the eight elements Generuj draws are.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.locks = locksOf(v);
         return o.locks ? std::nullopt : std::optional(badValue("--lock", v));
     }},
    {"--colours", "", "",
     "Draw each portrait's colours too: a skin tone, one hair colour for all hair, an eye "
     "colour, and colours for clothes and headwear, from the palettes (with the seed of the "
     "portrait, so --random 1 --seed S+i --colours draws it again).",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.colours = true;
         return std::nullopt;
     }},
    {"--palettes", "", "DIR",
     "Read the palettes for --colours from DIR (skin.gpl, hair.gpl, eyes.gpl, general.gpl) "
     "instead of those installed with the program.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.palettes = pathOf(v);
         return std::nullopt;
     }},
    {"--sheet", "", "LAYOUT",
     "Lay the PORTRAITs out on one sheet: mz, mv, vxace, rm2000 or COLSxROWS.",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         if (!sheetLayoutNamed(v))
             return badValue("--sheet", v);
         o.sheet = std::string(v);
         return std::nullopt;
     }},
    {"--expressions", "", "",
     "Render the PORTRAIT's faces, the base (Neutralna) and then each expression: each into the "
     "folder OUT under its name, or with --sheet on one sheet.",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.expressions = true;
         return std::nullopt;
     }},
    {"--expressions-from", "", "TEMPLATE",
     "Give each drawn portrait the expressions of TEMPLATE and write each as a face sheet "
     "(needs --random and --sheet).",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         o.expressionsFrom = pathOf(v);
         return std::nullopt;
     }},
    {"--jobs", "-j", "N", "Render N portraits at a time (default: one per core).",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto threads = numberOf<int>(v);
         if (!threads || *threads < 1 || *threads > 256)
             return badValue("-j", v);
         o.threads = *threads;
         return std::nullopt;
     }},
}};

const OptionInfo* optionNamed(std::string_view name) {
    for (const OptionInfo& info : kOptions) {
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
    if (o.help)
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
    if (o.transparent && o.format == ExportFormat::Bmp)
        return "透過画像はPNG形式でのみ保存できます: --transparent";
    if (!o.sheet.empty() && o.format == ExportFormat::Bmp)
        return "シートはPNG形式でのみ保存できます: --format bmp";
    return o.sheet.empty() ? std::nullopt : sheetConflictIn(o);
}

}  // namespace

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
            std::to_string(kDefaultSheetCell) + ")\n\nOptions:\n";
    for (const OptionInfo& info : kOptions) {
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
        "printed and the exit status is 0; every failure prints one line and the status is 1\n"
        "(2 for a wrong command line). A file that cannot be written is never left half-written.\n";
    return text;
}

}  // namespace kelvaro::render
