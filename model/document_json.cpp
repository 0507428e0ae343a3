// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/document_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>

#include "model/document_fields_json.h"
#include "model/expression_json.h"
#include "model/json_values.h"

namespace kelvaro {
namespace {

// Layer `index`'s object: its folder, its record and the part file it shows.
JsonOut layerObject(int index, const LayerRecord& layer, const PartFileRecord& part) {
    JsonOut object = JsonOut::object();
    object.set("folder", JsonOut::text(layerInfo(index).folder));
    writeLayerRecord(layer, object);
    object.set("file", JsonOut::text(part.path));
    object.set("sha256", part.sha256 ? JsonOut::text(*part.sha256) : JsonOut());
    return object;
}

// --- reading -----------------------------------------------------------------------------

// The part file a layer's object records; an entry that is no text is left empty.
PartFileRecord partField(const QJsonObject& layer) {
    const QJsonValue path = layer.value("file");
    const QJsonValue sha = layer.value("sha256");
    PartFileRecord part;
    if (path.isString())
        part.path = path.toString().toStdString();
    if (sha.isString())
        part.sha256 = sha.toString().toStdString();
    return part;
}

// The 24 layer objects: each layer's record and part file.
void readLayers(const QJsonObject& root, DocumentFile& file) {
    const QJsonValue value = requiredValue(root, "layers");
    if (!value.isArray() || value.toArray().size() != kLayerCount)
        throw BadValue{};
    const QJsonArray layers = value.toArray();
    for (int i = 0; i < kLayerCount; ++i) {
        if (!layers[i].isObject())
            throw BadValue{};
        const QJsonObject layer = layers[i].toObject();
        file.portrait.layers[static_cast<std::size_t>(i)] = readLayerRecord(layer);
        file.parts[static_cast<std::size_t>(i)] = partField(layer);
    }
}

// The renderer's seed, a decimal text; none when missing.
std::optional<std::uint64_t> seedField(const QJsonObject& root) {
    const QJsonValue value = root.value("seed");
    if (value.isUndefined())
        return std::nullopt;
    const std::string text = value.toString().toStdString();
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (!value.isString() || error != std::errc() || end != text.data() + text.size())
        throw BadValue{};
    return seed;
}

// The major number of "major.minor"; nothing when the text is no version.
std::optional<int> majorVersion(const QJsonValue& value) {
    const QStringList parts = value.toString().split('.');
    bool ok = false;
    const int major = parts.front().toInt(&ok);
    if (!value.isString() || parts.size() != 2 || !ok || major < 0)
        return std::nullopt;
    return major;
}

// Every value of the document after its format and version.
DocumentFile readFields(const QJsonObject& root) {
    DocumentFile file;
    static_cast<PortraitValues&>(file.portrait) = readPortraitValues(root);
    readLayers(root, file);
    file.portrait.expressions = readExpressionSet(root);
    file.seed = seedField(root);
    return file;
}

}  // namespace

std::string writeDocumentJson(const DocumentFile& file) {
    const PortraitDocument& portrait = file.portrait;
    JsonOut layers = JsonOut::array();
    for (int i = 0; i < kLayerCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        layers.append(layerObject(i, portrait.layers[at], file.parts[at]));
    }
    JsonOut root = JsonOut::object();
    root.set("format", JsonOut::text(kDocumentFormatName));
    const bool withExpressions = keepsExpressions(portrait.expressions);
    const int minor = withExpressions ? kDocumentMinorVersion : kDocumentMinorWithoutExpressions;
    root.set("version",
             JsonOut::text(std::to_string(kDocumentMajorVersion) + "." + std::to_string(minor)));
    writePortraitValues(portrait, root);
    if (withExpressions)
        writeExpressionSet(portrait.expressions, root);
    root.set("layers", std::move(layers));
    if (file.seed)
        root.set("seed", JsonOut::text(std::to_string(*file.seed)));
    return root.indentedText();
}

std::variant<DocumentFile, DocumentError> readDocumentJson(std::string_view bytes) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return DocumentError::NotADocument;
    const QJsonObject root = json.object();
    if (root.value("format").toString() != qString(kDocumentFormatName))
        return DocumentError::NotADocument;
    const auto major = majorVersion(root.value("version"));
    if (!major)
        return DocumentError::BadValues;
    if (*major > kDocumentMajorVersion)
        return DocumentError::NewerVersion;
    try {
        return readFields(root);
    } catch (const BadValue&) {
        return DocumentError::BadValues;
    }
}

}  // namespace kelvaro
