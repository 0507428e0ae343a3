// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/document_fields_json.h"

#include <QJsonArray>
#include <array>
#include <map>

#include "imaging/pixels.h"
#include "model/json_values.h"
#include "model/layer_fields.h"
#include "model/layer_tables.h"

namespace kelvaro {
namespace {

// --- portrait-wide values ------------------------------------------------------------------

struct PortraitField {
    std::string_view name;  // the key in the root object
    JsonOut (*write)(const PortraitValues&);
    // Takes the entry (undefined when missing); throws BadValue when it is not one.
    void (*read)(const QJsonValue&, PortraitValues&);
};

// The int member `Member` as a number.
template <auto Member>
JsonOut writeInt(const PortraitValues& values) {
    return JsonOut::number(values.*Member);
}

// Sets the int member `Member` from a whole number in Low..High.
template <auto Member, int Low, int High>
void readInt(const QJsonValue& value, PortraitValues& values) {
    values.*Member = intInRange(value, Low, High);
}

// The settings member `Member` as a colour object.
template <auto Member>
JsonOut writeColours(const PortraitValues& values) {
    return coloursObject(values.*Member);
}

// Sets the settings member `Member` from a colour object, limited to the settings' ranges.
template <auto Member>
void readColours(const QJsonValue& value, PortraitValues& values) {
    values.*Member = coloursFrom(value);
}

// {"dx", "dy"}, or null when the iris is not masked.
JsonOut writeIrisMask(const PortraitValues& values) {
    if (!values.irisMask)
        return {};
    JsonOut mask = JsonOut::object();
    mask.set("dx", JsonOut::number(values.irisMask->dx));
    mask.set("dy", JsonOut::number(values.irisMask->dy));
    return mask;
}

// The offsets, each within a part's size; null or missing: not masked.
void readIrisMask(const QJsonValue& value, PortraitValues& values) {
    values.irisMask.reset();
    if (value.isUndefined() || value.isNull())
        return;
    if (!value.isObject())
        throw BadValue{};
    const QJsonObject mask = value.toObject();
    values.irisMask = IrisMaskOffset{intInRange(requiredValue(mask, "dx"), -kPartSize, kPartSize),
                                     intInRange(requiredValue(mask, "dy"), -kPartSize, kPartSize)};
}

// The linked elements as an array of their indices, ascending.
JsonOut writeLinked(const PortraitValues& values) {
    JsonOut linked = JsonOut::array();
    for (int element = 0; element < kElementCount; ++element) {
        if ((values.linkedElements >> element) & 1u)
            linked.append(JsonOut::number(element));
    }
    return linked;
}

// Distinct element indices 0..14 in any order; missing: nothing linked.
void readLinked(const QJsonValue& value, PortraitValues& values) {
    values.linkedElements = 0;
    if (value.isUndefined())
        return;
    if (!value.isArray())
        throw BadValue{};
    for (const QJsonValue& entry : value.toArray()) {
        const unsigned bit = 1u << intInRange(entry, 0, kElementCount - 1);
        if (values.linkedElements & bit)
            throw BadValue{};
        values.linkedElements |= bit;
    }
}

// The root object's portrait-wide entries.
constexpr std::array<PortraitField, 6> kPortraitFields = {{
    {"element", &writeInt<&PortraitValues::currentElement>,
     &readInt<&PortraitValues::currentElement, 0, kElementCount - 1>},
    {"size", &writeInt<&PortraitValues::sizeChoice>,
     &readInt<&PortraitValues::sizeChoice, 0, kSizeChoiceCount - 1>},
    {"colours", &writeColours<&PortraitValues::current>, &readColours<&PortraitValues::current>},
    {"bars", &writeColours<&PortraitValues::scroll>, &readColours<&PortraitValues::scroll>},
    {"irisMask", &writeIrisMask, &readIrisMask},
    {"linked", &writeLinked, &readLinked},
}};

// --- layer records -------------------------------------------------------------------------

// How a kind of layer field is written and read.
struct KindCodec {
    JsonOut (*write)(int);
    int (*read)(const QJsonValue&);  // throws BadValue
};

// A number.
JsonOut intJson(int value) {
    return JsonOut::number(value);
}

// true for anything but 0.
JsonOut boolJson(int value) {
    return JsonOut::boolean(value != 0);
}

// By FieldKind.
constexpr std::array<KindCodec, 2> kKindCodecs = {{
    {&intJson, &intValue},
    {&boolJson, &boolValue},
}};

// How the field's kind is written and read.
const KindCodec& codecOf(const LayerField& field) {
    return kKindCodecs[static_cast<std::size_t>(field.kind)];
}

}  // namespace

void writePortraitValues(const PortraitValues& values, JsonOut& root) {
    for (const PortraitField& field : kPortraitFields)
        root.set(field.name, field.write(values));
}

PortraitValues readPortraitValues(const QJsonObject& root) {
    PortraitValues values;
    for (const PortraitField& field : kPortraitFields)
        field.read(root.value(jsonKey(field.name)), values);
    return values;
}

// Fields of a group are gathered first, so that each group object is built once.
void writeLayerRecord(const LayerRecord& record, JsonOut& layer) {
    std::map<std::string_view, JsonOut> groups;
    for (const LayerField& field : kLayerFields) {
        JsonOut value = codecOf(field).write(field.get(record));
        if (field.group.empty())
            layer.set(field.name, std::move(value));
        else
            groups.try_emplace(field.group, JsonOut::object())
                .first->second.set(field.name, std::move(value));
    }
    for (auto& [name, group] : groups)
        layer.set(name, std::move(group));
}

LayerRecord readLayerRecord(const QJsonObject& layer) {
    LayerRecord record;
    for (const LayerField& field : kLayerFields) {
        const QJsonObject holder = field.group.empty() ? layer : objectValue(layer, field.group);
        const int value = codecOf(field).read(requiredValue(holder, field.name));
        field.set(record, field.fromFile(value));
    }
    return record;
}

}  // namespace kelvaro
