// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "library/check_report.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <array>
#include <utility>

#include "i18n/message_text.h"
#include "library/finding_text.h"
#include "model/json_out.h"
#include "model/layer_tables.h"

namespace kelvaro::library {
namespace {

constexpr const char* kContext = "LibraryCheck";

constexpr std::array<const char*, 10> kKindNames = {
    "no-parts", "hidden-parts", "missing-file",    "not-regular-file", "undecodable",
    "not-png",  "wrong-size",   "missing-numbers", "extra-numbers",    "not-transparent",
};
constexpr std::array<const char*, 4> kFitNames = {"cropped", "padded", "cropped-and-padded",
                                                  "stretched"};

// The widths of the table's columns, in terminal columns.
constexpr std::array<std::size_t, 5> kColumns = {16, 10, 6, 8, 8};

// The code points whose characters take two columns of a terminal: the East Asian wide and
// fullwidth blocks, where the Japanese headings and element names fall.
constexpr std::array<std::pair<char32_t, char32_t>, 12> kWideRanges = {{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x20000, 0x3FFFD},
}};

bool isWide(char32_t c) {
    return std::ranges::any_of(
        kWideRanges, [c](const auto& range) { return c >= range.first && c <= range.second; });
}

// The columns UTF-8 text takes in a terminal: one a character, two for wide ones.
std::size_t columnsOf(const std::string& text) {
    std::size_t columns = 0;
    for (const char32_t c : QString::fromStdString(text).toUcs4())
        columns += isWide(c) ? 2 : 1;
    return columns;
}

// One row of the table: text columns padded on the right, number columns on the left.
std::string tableRow(const std::array<std::string, 5>& cells) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::size_t length = columnsOf(cells[i]);
        const std::string padding(kColumns[i] > length ? kColumns[i] - length : 0, ' ');
        row += i < 2 ? cells[i] + padding : padding + cells[i];
        row += i + 1 < cells.size() ? "  " : "\n";
    }
    return row;
}

std::size_t problemsOf(const LibraryReport& report, int element, const std::string& folder) {
    return static_cast<std::size_t>(std::ranges::count_if(report.findings, [&](const Finding& f) {
        return f.element == element && f.folder == folder;
    }));
}

std::string table(const LibraryReport& report) {
    std::string text =
        tableRow({translatedText(kContext, QT_TRANSLATE_NOOP("LibraryCheck", "ELEMENT")),
                  translatedText(kContext, QT_TRANSLATE_NOOP("LibraryCheck", "FOLDER")),
                  translatedText(kContext, QT_TRANSLATE_NOOP("LibraryCheck", "PARTS")),
                  translatedText(kContext, QT_TRANSLATE_NOOP("LibraryCheck", "HIGHEST")),
                  translatedText(kContext, QT_TRANSLATE_NOOP("LibraryCheck", "PROBLEMS"))});
    for (const ElementSummary& element : report.elements) {
        for (const FolderSummary& folder : element.folders) {
            const std::string name =
                folder.primary ? translatedText("Element", elementListText(element.element)) : "";
            text += tableRow({name, folder.folder, std::to_string(folder.parts),
                              std::to_string(folder.highest),
                              std::to_string(problemsOf(report, element.element, folder.folder))});
        }
    }
    return text;
}

JsonOut findingJson(const Finding& finding) {
    JsonOut json = JsonOut::object();
    json.set("kind", JsonOut::text(kKindNames[static_cast<std::size_t>(finding.kind)]));
    json.set("path", JsonOut::text(finding.path.string()));
    json.set("message", JsonOut::text(findingLine(finding)));
    if (finding.element >= 0) {
        json.set("element", JsonOut::number(finding.element));
        json.set("folder", JsonOut::text(finding.folder));
    }
    if (finding.number >= 0)
        json.set("number", JsonOut::number(finding.number));
    if (!finding.numbers.empty()) {
        JsonOut numbers = JsonOut::array();
        for (const int n : finding.numbers)
            numbers.append(JsonOut::number(n));
        json.set("numbers", std::move(numbers));
    }
    if (finding.kind == FindingKind::WrongSize) {
        json.set("width", JsonOut::number(finding.width));
        json.set("height", JsonOut::number(finding.height));
        json.set("fit", JsonOut::text(kFitNames[static_cast<std::size_t>(finding.fit)]));
    }
    if (finding.kind == FindingKind::NotPng)
        json.set("format", JsonOut::text(finding.format));
    return json;
}

JsonOut elementJson(const ElementSummary& element) {
    JsonOut folders = JsonOut::array();
    for (const FolderSummary& folder : element.folders) {
        folders.append(JsonOut::object()
                           .set("folder", JsonOut::text(folder.folder))
                           .set("primary", JsonOut::boolean(folder.primary))
                           .set("parts", JsonOut::number(folder.parts))
                           .set("highest", JsonOut::number(folder.highest)));
    }
    return JsonOut::object()
        .set("element", JsonOut::number(element.element))
        .set("name", JsonOut::text(elementListText(element.element)))
        .set("folders", std::move(folders));
}

}  // namespace

std::string humanReport(const LibraryReport& report) {
    std::string text =
        composeMessage(QCoreApplication::translate("LibraryCheck", "Part library: %1"),
                       {(report.base / "picture").string()});
    text += "\n\n" + table(report) + "\n";
    for (const Finding& finding : report.findings)
        text += findingLine(finding) + "\n";
    if (report.clean())
        return text +
               translatedText(kContext, QT_TRANSLATE_NOOP("LibraryCheck", "No problems found.")) +
               "\n";
    return text +
           composeMessage(QCoreApplication::translate("LibraryCheck", "Problems found: %1"),
                          {std::to_string(report.findings.size())}) +
           "\n";
}

std::string jsonReport(const LibraryReport& report) {
    JsonOut elements = JsonOut::array();
    for (const ElementSummary& element : report.elements)
        elements.append(elementJson(element));
    JsonOut findings = JsonOut::array();
    for (const Finding& finding : report.findings)
        findings.append(findingJson(finding));
    return JsonOut::object()
        .set("base", JsonOut::text(report.base.string()))
        .set("clean", JsonOut::boolean(report.clean()))
        .set("elements", std::move(elements))
        .set("findings", std::move(findings))
        .indentedText();
}

}  // namespace kelvaro::library
