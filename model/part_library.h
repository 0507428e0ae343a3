// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The part library on disk: picture/<folder>/NNN.png below the base directory, plus
// picture/wall.png (the background) and picture/dummy.png (the substitute for any part that
// cannot be opened). Numbering has no index file: counting probes names from 000 upwards.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/portrait_state.h"

namespace kelvaro {

inline constexpr int kMaxPartCount = 1000;  // part numbers 000..999

// Receives the messages the library reports (the editor shows them in a message box).
using MessageSink = std::function<void(const std::string& message)>;

// The process's current folder; empty (so that paths stay relative) when it cannot be told,
// for instance because it was deleted.
std::filesystem::path currentFolder();

std::filesystem::path partPath(const std::filesystem::path& base, std::string_view folder,
                               int partNumber);
std::filesystem::path dummyPath(const std::filesystem::path& base);
std::filesystem::path wallPath(const std::filesystem::path& base);

// The message shown when neither a part nor the substitute can be decoded.
std::string partFailureMessage(const std::filesystem::path& substitute);
// The message shown when the background cannot be decoded.
std::string wallFailureMessage();

// Highest part number of `element`: the count stops at the first missing number, -1 when 000
// is missing. Any entry of that name counts (a folder, a FIFO, a dangling link too); nothing is
// opened or decoded. Loading falls back to dummy.png for anything but a decodable regular file.
int countParts(const std::filesystem::path& base, int element);

// Counts every element into state.highestPart.
void countAllParts(PortraitState& state);

// Loads `layer` with part number `partNumber` of its own folder, falling back to dummy.png;
// when both fail the message is reported, the layer has no image and false is returned.
// A successful load copies the part into the layer's loaded pixels and does not recolour.
bool loadLayer(PortraitState& state, int layer, int partNumber, const MessageSink& report);

// The part file each layer of `state` loads from the library at `base`, as loadLayerOfElement
// names it, in layer order.
std::vector<std::filesystem::path> layerPartFiles(const PortraitState& state,
                                                  const std::filesystem::path& base);

// Loads `layer` with its element's current part number.
bool loadLayerOfElement(PortraitState& state, int layer, const MessageSink& report);

// Loads the background; reports and returns false when it cannot.
bool loadWall(PortraitState& state, const MessageSink& report);

}  // namespace kelvaro
