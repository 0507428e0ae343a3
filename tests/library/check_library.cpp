// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/library/check_library.h"

#include <array>

#include "model/layer_tables.h"
#include "model/part_library.h"
#include "tests/support/fixtures.h"

namespace kelvaro::test {
namespace {

constexpr std::array<const char*, 10> kKinds = {
    "NoParts", "HiddenParts", "MissingFile",    "NotRegularFile", "Undecodable",
    "NotPng",  "WrongSize",   "MissingNumbers", "ExtraNumbers",   "NotTransparent"};
constexpr std::array<const char*, 4> kFits = {"cropped", "padded", "cropped+padded", "stretched"};

}  // namespace

void writeCleanLibrary(const std::filesystem::path& base) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        const LayerInfo& info = layerInfo(layer);
        for (int n = 0; n < kCheckLibraryParts; ++n) {
            const bool none = n == 0 && isOptionalElement(info.element);
            writeSolidPart(partPath(base, info.folder, n),
                           none ? 0u : 0xff102030u + static_cast<Argb>(n));
        }
    }
    writeArgbPng(wallPath(base), kCanvasSize, kCanvasSize, [](int, int) { return 0xffe0e0e0u; });
    writeSolidPart(dummyPath(base), 0u);
}

std::string describe(const Finding& finding, const std::filesystem::path& base) {
    std::string text = kKinds[static_cast<std::size_t>(finding.kind)];
    if (finding.element >= 0)
        text += " " + std::to_string(finding.element) + " " + finding.folder;
    text += " " + finding.path.lexically_relative(base).string();
    if (finding.number >= 0)
        text += " #" + std::to_string(finding.number);
    if (!finding.numbers.empty()) {
        text += " [";
        for (const int n : finding.numbers)
            text += (text.ends_with("[") ? "" : ",") + std::to_string(n);
        text += "]";
    }
    if (finding.kind == FindingKind::WrongSize) {
        text += " " + std::to_string(finding.width) + "x" + std::to_string(finding.height) + " " +
                kFits[static_cast<std::size_t>(finding.fit)];
    }
    if (!finding.format.empty())
        text += " " + finding.format;
    return text;
}

}  // namespace kelvaro::test
