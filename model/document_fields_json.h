// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// A portrait document's values in JSON, driven by the tables of its fields: the portrait-wide
// values as entries of the root object and each layer record as entries of its layer's object.
// The readers throw BadValue for anything missing, of the wrong type or out of range.
#pragma once

#include <QJsonObject>

#include "model/json_out.h"

#include "model/layer_record.h"
#include "model/portrait_values.h"

namespace kelvaro {

// Adds "element", "size", "colours", "bars", "irisMask" and "linked" to `root`.
void writePortraitValues(const PortraitValues& values, JsonOut& root);

// Those entries of `root`: element 0..14, size 0..2, colours limited to their ranges, the iris
// mask an object of offsets within a part's size, or null or missing for none; the linked
// elements an array of distinct element indices, or missing for none.
PortraitValues readPortraitValues(const QJsonObject& root);

// Adds the record's fields to the layer's object, those of a group in an object of its own.
void writeLayerRecord(const LayerRecord& record, JsonOut& layer);

// The record of a layer's object, each value as its field takes it from a file.
LayerRecord readLayerRecord(const QJsonObject& layer);

}  // namespace kelvaro
