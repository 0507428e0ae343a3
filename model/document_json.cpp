// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/document_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <charconv>
#include <cmath>
#include <limits>

namespace kelvaro {
namespace {

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Thrown inside the reader only, where any missing or wrong field ends the reading.
struct BadValue {};

QJsonObject coloursObject(const ColourSettings& s) {
    QJsonObject object;
    for (int i = 0; i < kColourSettingCount; ++i)
        object[q(colourSetting(i).name)] = settingAt(s, i);
    return object;
}

QJsonObject layerObject(int index, const LayerRecord& layer, const PartFileRecord& part) {
    QJsonObject object;
    object["folder"] = q(layerInfo(index).folder);
    object["part"] = layer.partNumber;
    object["x"] = layer.x;
    object["y"] = layer.y;
    object["angle"] = layer.angle;
    object["colours"] = coloursObject(layer.stored);
    object["recoloured"] = layer.recoloured;
    object["file"] = q(part.path);
    object["sha256"] = part.sha256 ? QJsonValue(q(*part.sha256)) : QJsonValue(QJsonValue::Null);
    return object;
}

QJsonValue irisMaskValue(const std::optional<IrisMaskOffset>& mask) {
    if (!mask)
        return QJsonValue(QJsonValue::Null);
    return QJsonObject{{"dx", mask->dx}, {"dy", mask->dy}};
}

// --- reading -----------------------------------------------------------------------------

QJsonValue field(const QJsonObject& object, const char* name) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined())
        throw BadValue{};
    return value;
}

QJsonObject objectField(const QJsonObject& object, const char* name) {
    const QJsonValue value = field(object, name);
    if (!value.isObject())
        throw BadValue{};
    return value.toObject();
}

// A whole number of int's range.
int intValue(const QJsonValue& value) {
    if (!value.isDouble())
        throw BadValue{};
    const double number = value.toDouble();
    if (std::trunc(number) != number || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        throw BadValue{};
    return static_cast<int>(number);
}

int intField(const QJsonObject& object, const char* name, int low, int high) {
    const int value = intValue(field(object, name));
    if (value < low || value > high)
        throw BadValue{};
    return value;
}

int anyIntField(const QJsonObject& object, const char* name) {
    return intValue(field(object, name));
}

// Settings outside their ranges are limited to them, as the controls limit what they take.
ColourSettings coloursField(const QJsonObject& object, const char* name) {
    const QJsonObject colours = objectField(object, name);
    ColourSettings s;
    for (int i = 0; i < kColourSettingCount; ++i) {
        const QByteArray key = QByteArray::fromStdString(std::string(colourSetting(i).name));
        settingAt(s, i) = anyIntField(colours, key.constData());
    }
    return clampedSettings(s);
}

std::optional<IrisMaskOffset> irisMaskField(const QJsonObject& object) {
    const QJsonValue value = object.value("irisMask");
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isObject())
        throw BadValue{};
    const QJsonObject mask = value.toObject();
    return IrisMaskOffset{intField(mask, "dx", -kPartSize, kPartSize),
                          intField(mask, "dy", -kPartSize, kPartSize)};
}

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

LayerRecord layerField(const QJsonObject& layer) {
    LayerRecord record;
    record.partNumber = anyIntField(layer, "part");
    record.x = anyIntField(layer, "x");
    record.y = anyIntField(layer, "y");
    record.angle = ((anyIntField(layer, "angle") % 360) + 360) % 360;
    record.stored = coloursField(layer, "colours");
    const QJsonValue recoloured = field(layer, "recoloured");
    if (!recoloured.isBool())
        throw BadValue{};
    record.recoloured = recoloured.toBool();
    return record;
}

void readLayers(const QJsonObject& root, DocumentFile& file) {
    const QJsonValue value = field(root, "layers");
    if (!value.isArray() || value.toArray().size() != kLayerCount)
        throw BadValue{};
    const QJsonArray layers = value.toArray();
    for (int i = 0; i < kLayerCount; ++i) {
        if (!layers[i].isObject())
            throw BadValue{};
        const QJsonObject layer = layers[i].toObject();
        file.portrait.layers[static_cast<std::size_t>(i)] = layerField(layer);
        file.parts[static_cast<std::size_t>(i)] = partField(layer);
    }
}

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

DocumentFile readFields(const QJsonObject& root) {
    DocumentFile file;
    PortraitDocument& portrait = file.portrait;
    portrait.currentElement = intField(root, "element", 0, kElementCount - 1);
    portrait.sizeChoice = intField(root, "size", 0, 2);
    portrait.current = coloursField(root, "colours");
    portrait.scroll = coloursField(root, "bars");
    portrait.irisMask = irisMaskField(root);
    readLayers(root, file);
    file.seed = seedField(root);
    return file;
}

}  // namespace

std::string writeDocumentJson(const DocumentFile& file) {
    const PortraitDocument& portrait = file.portrait;
    QJsonArray layers;
    for (int i = 0; i < kLayerCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        layers.append(layerObject(i, portrait.layers[at], file.parts[at]));
    }
    QJsonObject root;
    root["format"] = q(kDocumentFormatName);
    root["version"] = QStringLiteral("%1.%2").arg(kDocumentMajorVersion).arg(kDocumentMinorVersion);
    root["element"] = portrait.currentElement;
    root["size"] = portrait.sizeChoice;
    root["colours"] = coloursObject(portrait.current);
    root["bars"] = coloursObject(portrait.scroll);
    root["irisMask"] = irisMaskValue(portrait.irisMask);
    root["layers"] = layers;
    if (file.seed)
        root["seed"] = QString::number(*file.seed);
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

std::variant<DocumentFile, DocumentError> readDocumentJson(std::string_view bytes) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &error);
    if (error.error != QJsonParseError::NoError || !json.isObject())
        return DocumentError::NotADocument;
    const QJsonObject root = json.object();
    if (root.value("format").toString() != q(kDocumentFormatName))
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
