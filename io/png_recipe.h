// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The recipe chunk of exported PNG files: an iTXt chunk with keyword "Kelvaro" whose text is the
// portrait document, so that a saved picture can be opened again as an editable portrait.
// Chunks are added before IEND; the pixels and every other chunk stay byte for byte, and any PNG
// reader that does not know the chunk skips it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

inline constexpr std::string_view kRecipeKeyword = "Kelvaro";

// True when `bytes` begins with the PNG signature.
bool hasPngSignature(std::string_view bytes);

// The CRC-32 of PNG chunks (ISO 3309, as zlib and libdeflate compute it) over `bytes`.
unsigned pngCrc(std::string_view bytes);

// `png` with an uncompressed iTXt chunk (no language tag) holding `text` inserted before its
// IEND chunk; nothing when `png` is not a well-formed chunk sequence ending in IEND, or the text
// does not fit a chunk.
std::optional<std::string> withTextChunk(std::string_view png, std::string_view keyword,
                                         std::string_view text);

// The text of the first uncompressed iTXt chunk with `keyword` whose CRC is right; nothing when
// there is none or the chunk sequence is broken before it.
std::optional<std::string> readTextChunk(std::string_view png, std::string_view keyword);

}  // namespace kelvaro
