// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/render/render_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "io/file_boundary.h"
#include "model/document_file.h"
#include "model/expression_ops.h"
#include "render/portrait_renderer.h"
#include "tests/support/render_process.h"

namespace kelvaro::test {

PortraitDocument variedPortrait(int variant) {
    PartCache cache;
    const auto library = std::get<render::Library>(render::openLibrary(sampleLibrary(), cache));
    PortraitDocument document = render::openingDocument(library);
    auto& layers = document.layers;
    for (int layer : moveGroup(kFace)) {
        layers[static_cast<std::size_t>(layer)].x += 3 + variant;
        layers[static_cast<std::size_t>(layer)].y -= 2;
    }
    for (int layer : rotationGroup(kFrontHair))
        layers[static_cast<std::size_t>(layer)].angle = 15 + 5 * variant;
    layers[kBackHair].partNumber = 1 + variant % 2;
    layers[kFace].stored = {200, 180 - 10 * variant, 170, 10, 0};
    layers[kClothes].partNumber = variant % 3;
    layers[kClothes].stored = {120, 160, 255, -20, 30};
    layers[kClothes].angle = 355;
    layers[kMouth].recoloured = false;  // the file's own colours, as after Generuj
    layers[kIris].x += 2;               // the iris alone, masked where it now lies
    document.irisMask = IrisMaskOffset{2, 0};
    document.sizeChoice = variant % 3;
    return document;
}

PortraitDocument expressivePortrait(int variant, const std::vector<std::string>& names) {
    const std::array<std::pair<int, ElementOverride>, 3> changes = {{
        {kEyes, {1, 3, -2, 10}},
        {kMouth, {2, 0, 1, 0}},
        {kBrows, {0, 0, -4, 350}},
    }};
    PortraitDocument document = variedPortrait(variant);
    for (std::size_t i = 0; i < names.size(); ++i) {
        addExpression(document.expressions, names[i]);
        const auto& [element, change] = changes[i % changes.size()];
        document.expressions.expressions.back().overrides[static_cast<std::size_t>(element)] =
            change;
    }
    document.expressions.edited = 0;
    return document;
}

void writeDocument(const std::filesystem::path& file, const PortraitDocument& document) {
    PartCache cache;
    const auto library = std::get<render::Library>(render::openLibrary(sampleLibrary(), cache));
    render::PortraitRenderer renderer(library);
    std::string failure;
    if (!renderer.show(document, failure))
        throw std::runtime_error(failure);
    DocumentFile written;
    written.portrait = document;
    written.parts = documentOf(renderer.state()).parts;  // as a save records them
    std::filesystem::create_directories(file.parent_path());
    if (!writeDocumentFile(file, written))
        throw std::runtime_error("cannot write " + file.string());
}

void writePortrait(const std::filesystem::path& file, int variant) {
    writeDocument(file, variedPortrait(variant));
}

DocumentFile documentIn(const std::filesystem::path& file) {
    auto read = readDocumentFile(file);
    if (!std::holds_alternative<DocumentFile>(read))
        throw std::runtime_error("no document in " + file.string());
    return std::get<DocumentFile>(std::move(read));
}

QString q(const std::filesystem::path& file) {
    return toQtPath(file);
}

void expectSuccess(const RenderResult& result) {
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "");
}

QStringList onSample(const QStringList& arguments) {
    return QStringList{"--library", toQtPath(sampleLibrary())} + arguments;
}

}  // namespace kelvaro::test
