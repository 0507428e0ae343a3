// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The one table of a layer record's fields, by which the undo history records what a step
// changed and portrait files write and read each layer. A new layer value is a new row here.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>

#include "model/layer_record.h"

namespace kelvaro {

enum class FieldKind {
    Int,   // a whole number in a file
    Bool,  // true or false in a file; 1 or 0 as a value
};

struct LayerField {
    std::string_view name;   // the key in a file
    std::string_view group;  // the object in the layer's object holding the key; empty: none
    FieldKind kind;
    int (*get)(const LayerRecord&);
    void (*set)(LayerRecord&, int);
    // What a file's value becomes: wrapped or limited to the field's range, or kept as it is.
    int (*fromFile)(int);
};

// The accessors and conversions the table's rows are made of.
namespace layer_field {

// The value of the record's member `Member` (an int or a bool) as an int.
template <auto Member>
constexpr int get(const LayerRecord& record) {
    return static_cast<int>(record.*Member);
}

// Sets the record's member `Member` to `value` (a bool: value != 0).
template <auto Member>
constexpr void set(LayerRecord& record, int value) {
    record.*Member = static_cast<std::remove_reference_t<decltype(record.*Member)>>(value);
}

// The stored colour setting `Setting` (a ColourSettingIndex).
template <int Setting>
constexpr int getSetting(const LayerRecord& record) {
    return record.stored.*kColourSettingTable[Setting].field;
}

// Sets the stored colour setting `Setting`.
template <int Setting>
constexpr void setSetting(LayerRecord& record, int value) {
    record.stored.*kColourSettingTable[Setting].field = value;
}

// `value` limited to the range of colour setting `Setting`, as its controls limit it.
template <int Setting>
constexpr int clampedSetting(int value) {
    const ColourSettingInfo& info = kColourSettingTable[Setting];
    return std::clamp(value, info.low, info.high);
}

// Any whole number is taken.
constexpr int asItIs(int value) {
    return value;
}

// The row of a member of the record itself.
template <auto Member>
constexpr LayerField field(std::string_view name, FieldKind kind, int (*fromFile)(int)) {
    return {name, {}, kind, &get<Member>, &set<Member>, fromFile};
}

// The row of a stored colour setting, in the layer's "colours" object.
template <int Setting>
constexpr LayerField setting() {
    return {kColourSettingTable[Setting].name,
            "colours",
            FieldKind::Int,
            &getSetting<Setting>,
            &setSetting<Setting>,
            &clampedSetting<Setting>};
}

}  // namespace layer_field

// In the order the undo history lists a layer's changes (files list the keys alphabetically).
inline constexpr std::array<LayerField, 10> kLayerFields = {{
    layer_field::field<&LayerRecord::partNumber>("part", FieldKind::Int, &layer_field::asItIs),
    layer_field::field<&LayerRecord::x>("x", FieldKind::Int, &layer_field::asItIs),
    layer_field::field<&LayerRecord::y>("y", FieldKind::Int, &layer_field::asItIs),
    layer_field::field<&LayerRecord::angle>("angle", FieldKind::Int, &wrapAngle),
    layer_field::setting<kRedSetting>(),
    layer_field::setting<kGreenSetting>(),
    layer_field::setting<kBlueSetting>(),
    layer_field::setting<kBrightnessSetting>(),
    layer_field::setting<kContrastSetting>(),
    layer_field::field<&LayerRecord::recoloured>("recoloured", FieldKind::Bool,
                                                 &layer_field::asItIs),
}};

inline constexpr int kLayerFieldCount = static_cast<int>(kLayerFields.size());

// Row `index` (0..kLayerFieldCount-1) of the table.
constexpr const LayerField& layerField(int index) {
    return kLayerFields[static_cast<std::size_t>(index)];
}

}  // namespace kelvaro
