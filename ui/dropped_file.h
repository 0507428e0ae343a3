// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Which drops the editor window takes: one local file named like a portrait, a portrait
// document (".kelvaro") or a PNG picture (".png", which opens when it carries its recipe),
// letters of either case. Anything else, several files among them, is refused. The parts tab
// takes pictures besides, to be added as parts.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

class QMimeData;

namespace kelvaro {

// The file `data` would open; none when the drop is refused.
std::optional<std::filesystem::path> droppedPortraitFile(const QMimeData& data);

// The pictures a drop on the parts tab would add: every file of `data`, when all are local files
// named with a suffix of a format Qt reads images of (letters of either case) and none is a
// portrait document; none otherwise.
std::vector<std::filesystem::path> droppedPictureFiles(const QMimeData& data);

// For a file droppedPortraitFile gives: true when it opens as a portrait, a portrait document or
// a PNG file whose recipe can be read; false for any other PNG (and one that cannot be read).
bool opensAsPortrait(const std::filesystem::path& file);

}  // namespace kelvaro
