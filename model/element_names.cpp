// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/element_names.h"

#include <QString>

#include "model/layer_tables.h"

namespace kelvaro {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool sameName(const QString& wanted, std::string_view name) {
    return wanted.compare(fromUtf8(name), Qt::CaseInsensitive) == 0;
}

}  // namespace

std::optional<int> elementNamed(std::string_view name) {
    const QString wanted = fromUtf8(name);
    for (int element = 0; element < kElementCount; ++element) {
        if (sameName(wanted, elementListText(element)))
            return element;
    }
    for (int layer = 0; layer < kLayerCount; ++layer) {
        if (sameName(wanted, layerInfo(layer).folder))
            return layerInfo(layer).element;
    }
    return std::nullopt;
}

}  // namespace kelvaro
