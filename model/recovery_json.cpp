// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/recovery_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

#include "i18n/message_text.h"
#include "model/document_fields_json.h"
#include "model/expression_json.h"
#include "model/json_values.h"
#include "model/layer_fields.h"

namespace kelvaro {
namespace {

// Why each RecoveryError refuses a file, by the error's value.
constexpr std::array<std::string_view, 4> kErrorReasons = {{
    QT_TRANSLATE_NOOP("RecoveryFile", "復元ファイルの形式ではありません"),
    QT_TRANSLATE_NOOP("RecoveryFile", "このバージョンの復元ファイルは読めません"),
    QT_TRANSLATE_NOOP("RecoveryFile", "復元ファイルの肖像が壊れています"),
    QT_TRANSLATE_NOOP("RecoveryFile", "復元ファイルの値が正しくありません"),
}};

std::string compactText(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// {"expressions", "editedExpression"} of `set`.
QJsonObject expressionsObject(const ExpressionSet& set) {
    JsonOut object = JsonOut::object();
    writeExpressionSet(set, object);
    return object.toQJson().toObject();
}

// The delta's object, the layer changes as [layer, field, before, after].
QJsonObject deltaObject(const DocumentDelta& delta) {
    JsonOut before = JsonOut::object();
    JsonOut after = JsonOut::object();
    writePortraitValues(delta.valuesBefore, before);
    writePortraitValues(delta.valuesAfter, after);
    QJsonArray layers;
    for (const LayerFieldChange& change : delta.layerChanges)
        layers.append(QJsonArray{change.layer, change.field, change.before, change.after});
    QJsonObject object{
        {"before", before.toQJson()}, {"after", after.toQJson()}, {"layers", layers}};
    if (delta.expressionsBefore && delta.expressionsAfter) {
        object["expressionsBefore"] = expressionsObject(*delta.expressionsBefore);
        object["expressionsAfter"] = expressionsObject(*delta.expressionsAfter);
    }
    return object;
}

// --- reading -----------------------------------------------------------------------------

// One [layer, field, before, after] entry, each value taken as a file gives it to the field.
LayerFieldChange layerChange(const QJsonValue& value) {
    const QJsonArray entry = value.toArray();
    if (!value.isArray() || entry.size() != 4)
        throw BadValue{};
    const int field = intInRange(entry[1], 0, kLayerFieldCount - 1);
    const auto fromFile = layerField(field).fromFile;
    return {static_cast<std::uint8_t>(intInRange(entry[0], 0, kLayerCount - 1)),
            static_cast<std::uint8_t>(field), fromFile(intValue(entry[2])),
            fromFile(intValue(entry[3]))};
}

// The layer changes, by layer and then by field, no two alike.
std::vector<LayerFieldChange> layerChanges(const QJsonValue& value) {
    if (!value.isArray())
        throw BadValue{};
    std::vector<LayerFieldChange> changes;
    for (const QJsonValue& entry : value.toArray()) {
        const LayerFieldChange change = layerChange(entry);
        if (!changes.empty() && std::pair(changes.back().layer, changes.back().field) >=
                                    std::pair(change.layer, change.field))
            throw BadValue{};
        changes.push_back(change);
    }
    return changes;
}

// The step's delta; the two expression sets both or neither.
DocumentDelta deltaFrom(const QJsonObject& object) {
    DocumentDelta delta;
    delta.valuesBefore = readPortraitValues(objectValue(object, "before"));
    delta.valuesAfter = readPortraitValues(objectValue(object, "after"));
    delta.layerChanges = layerChanges(requiredValue(object, "layers"));
    const bool withSets = object.contains("expressionsBefore");
    if (withSets != object.contains("expressionsAfter"))
        throw BadValue{};
    if (withSets) {
        delta.expressionsBefore = readExpressionSet(objectValue(object, "expressionsBefore"));
        delta.expressionsAfter = readExpressionSet(objectValue(object, "expressionsAfter"));
    }
    return delta;
}

RecoveredStep stepFrom(const QJsonValue& value, const StepKindCheck& known) {
    if (!value.isObject())
        throw BadValue{};
    const QJsonObject object = value.toObject();
    RecoveredStep step{
        intValue(requiredValue(object, "kind")), intValue(requiredValue(object, "setting")), {}};
    if (!known(step.kind, step.setting))
        throw BadValue{};
    step.delta = deltaFrom(objectValue(object, "delta"));
    return step;
}

// Every field but the document.
void readHistory(const QJsonObject& root, const StepKindCheck& known, RecoveryFile& file) {
    const QJsonValue path = requiredValue(root, "documentFile");
    const QJsonValue steps = requiredValue(root, "steps");
    if (!path.isString() || !steps.isArray())
        throw BadValue{};
    file.documentFile = path.toString().toStdString();
    file.saved = boolValue(requiredValue(root, "saved")) != 0;
    for (const QJsonValue& step : steps.toArray())
        file.steps.push_back(stepFrom(step, known));
    file.index = intInRange(requiredValue(root, "index"), 0, static_cast<int>(file.steps.size()));
}

// The portrait in "document", read as a document file is.
std::optional<PortraitDocument> portraitFrom(const QJsonObject& root) {
    const QJsonValue value = root.value("document");
    if (!value.isObject())
        return std::nullopt;
    const auto read = readDocumentJson(compactText(value.toObject()));
    if (const auto* document = std::get_if<DocumentFile>(&read))
        return document->portrait;
    return std::nullopt;
}

}  // namespace

std::string recoveryStepText(int kind, int setting, const DocumentDelta& delta) {
    return compactText(
        QJsonObject{{"kind", kind}, {"setting", setting}, {"delta", deltaObject(delta)}});
}

std::string recoveryText(std::string_view documentJson, std::string_view documentFile, bool saved,
                         int index, const std::vector<const std::string*>& stepTexts) {
    std::string text = compactText(QJsonObject{{"format", qString(kRecoveryFormatName)},
                                               {"version", kRecoveryVersion},
                                               {"documentFile", qString(documentFile)},
                                               {"saved", saved},
                                               {"index", index}});
    text.pop_back();  // the closing brace: the document and the steps follow
    text.append(",\"document\":").append(documentJson).append(",\"steps\":[");
    for (std::size_t i = 0; i < stepTexts.size(); ++i)
        text.append(i == 0 ? "" : ",").append(*stepTexts[i]);
    text.append("]}\n");
    return text;
}

std::variant<RecoveryFile, RecoveryError> readRecoveryText(std::string_view text,
                                                           const StepKindCheck& known,
                                                           std::size_t maxSteps) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
    const QJsonObject root = json.object();
    if (error.error != QJsonParseError::NoError || !json.isObject() ||
        root.value("format").toString() != qString(kRecoveryFormatName))
        return RecoveryError::NotARecovery;
    if (root.value("version") != QJsonValue(kRecoveryVersion))
        return RecoveryError::WrongVersion;
    RecoveryFile file;
    const auto portrait = portraitFrom(root);
    if (!portrait)
        return RecoveryError::BadDocument;
    file.portrait = *portrait;
    try {
        readHistory(root, known, file);
        if (file.steps.size() > maxSteps)
            return RecoveryError::BadValues;
    } catch (const BadValue&) {
        return RecoveryError::BadValues;
    }
    return file;
}

std::string recoveryErrorReason(RecoveryError error) {
    return translatedText("RecoveryFile", kErrorReasons[static_cast<std::size_t>(error)]);
}

}  // namespace kelvaro
