// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which drops the editor window takes: one local file named like a portrait, a portrait
// document (".kelvaro") or a PNG picture (".png", which opens when it carries its recipe),
// letters of either case. Anything else, several files among them, is refused.
#pragma once

#include <filesystem>
#include <optional>

class QMimeData;

namespace kelvaro {

// The file `data` would open; none when the drop is refused.
std::optional<std::filesystem::path> droppedPortraitFile(const QMimeData& data);

}  // namespace kelvaro
