// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "library/finding_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdio>

#include "i18n/message_text.h"
#include "model/part_library.h"

namespace kelvaro::library {
namespace {

constexpr const char* kContext = "LibraryCheck";

// The text of each kind of finding about a part or folder, by FindingKind. WrongSize takes its
// text by its fit instead.
constexpr std::array<const char*, 10> kKindTexts = {
    QT_TRANSLATE_NOOP("LibraryCheck", "部品が1つもありません（000.png がありません）"),
    QT_TRANSLATE_NOOP("LibraryCheck", "%1 がないため、それより上の番号の部品 %2 は数えられません"),
    "",  // MissingFile: the editor's own messages
    QT_TRANSLATE_NOOP("LibraryCheck", "通常のファイルではありません（dummy.png が表示されます）"),
    QT_TRANSLATE_NOOP("LibraryCheck", "画像を読み込めません（dummy.png が表示されます）"),
    QT_TRANSLATE_NOOP("LibraryCheck", "PNG ファイルではありません（%1 として読み込まれます）"),
    "",  // WrongSize: kFitTexts
    QT_TRANSLATE_NOOP("LibraryCheck", "%1 番の部品がありません（dummy.png が表示されます）"),
    QT_TRANSLATE_NOOP("LibraryCheck", "%1 番の部品は主フォルダにありません"),
    QT_TRANSLATE_NOOP("LibraryCheck", "透明ではありません（「なし」のはずの部品が見えます）"),
};

// What the editor does with a picture of another size, by PictureFit.
constexpr std::array<const char*, 4> kFitTexts = {
    QT_TRANSLATE_NOOP("LibraryCheck",
                      "画像の大きさが %1x%2 です（左上から 230x230 に切り取られます）"),
    QT_TRANSLATE_NOOP("LibraryCheck",
                      "画像の大きさが %1x%2 です（左上に置かれ、残りは透明になります）"),
    QT_TRANSLATE_NOOP("LibraryCheck",
                      "画像の大きさが %1x%2 です（左上に置かれ、はみ出す部分は切り取られ、"
                      "足りない部分は透明になります）"),
    QT_TRANSLATE_NOOP("LibraryCheck", "画像の大きさが %1x%2 です（192x192 に伸縮されます）"),
};

std::string partName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.png", number);
    return name;
}

std::string oneLine(std::string text) {
    std::ranges::replace(text, '\n', ' ');
    return text;
}

// wall.png and dummy.png missing or not opening: what the editor says then.
std::string specialFileLine(const Finding& finding) {
    if (finding.path.filename() == "wall.png")
        return oneLine(wallFailureMessage()) + ": " + finding.path.string();
    return oneLine(partFailureMessage(finding.path));
}

std::string kindText(const Finding& finding) {
    const auto kind = static_cast<std::size_t>(finding.kind);
    switch (finding.kind) {
        case FindingKind::HiddenParts:
            return composeMessage(QCoreApplication::translate(kContext, kKindTexts[kind]),
                                  {partName(finding.number), numberRuns(finding.numbers)});
        case FindingKind::NotPng:
            return composeMessage(QCoreApplication::translate(kContext, kKindTexts[kind]),
                                  {finding.format});
        case FindingKind::WrongSize:
            return composeMessage(QCoreApplication::translate(
                                      kContext, kFitTexts[static_cast<std::size_t>(finding.fit)]),
                                  {std::to_string(finding.width), std::to_string(finding.height)});
        case FindingKind::MissingNumbers:
        case FindingKind::ExtraNumbers:
            return composeMessage(QCoreApplication::translate(kContext, kKindTexts[kind]),
                                  {numberRuns(finding.numbers)});
        default:
            return translatedText(kContext, kKindTexts[kind]);
    }
}

}  // namespace

std::string numberRuns(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
            ++last;
        char run[16];
        if (last == i)
            std::snprintf(run, sizeof run, "%03d", numbers[i]);
        else
            std::snprintf(run, sizeof run, "%03d-%03d", numbers[i], numbers[last]);
        text += (text.empty() ? "" : ", ") + std::string(run);
        i = last + 1;
    }
    return text;
}

std::string findingLine(const Finding& finding) {
    const bool special = finding.element < 0;
    const bool editorSays = finding.kind == FindingKind::MissingFile ||
                            finding.kind == FindingKind::NotRegularFile ||
                            finding.kind == FindingKind::Undecodable;
    if (special && editorSays)
        return specialFileLine(finding);
    return kindText(finding) + ": " + finding.path.string();
}

}  // namespace kelvaro::library
