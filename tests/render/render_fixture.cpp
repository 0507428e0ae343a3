// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "tests/render/render_fixture.h"

#include <stdexcept>

#include "io/file_boundary.h"
#include "model/document_file.h"
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

void writePortrait(const std::filesystem::path& file, int variant) {
    DocumentFile document;
    document.portrait = variedPortrait(variant);
    std::filesystem::create_directories(file.parent_path());
    if (!writeDocumentFile(file, document))
        throw std::runtime_error("cannot write " + file.string());
}

DocumentFile documentIn(const std::filesystem::path& file) {
    auto read = readDocumentFile(file);
    if (!std::holds_alternative<DocumentFile>(read))
        throw std::runtime_error("no document in " + file.string());
    return std::get<DocumentFile>(std::move(read));
}

QStringList onSample(const QStringList& arguments) {
    return QStringList{"--library", toQtPath(sampleLibrary())} + arguments;
}

}  // namespace kelvaro::test
