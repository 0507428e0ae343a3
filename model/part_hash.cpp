// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_hash.h"

#include "io/document_io.h"
#include "io/file_boundary.h"
#include "model/sha256.h"

namespace kelvaro {
namespace {

// No part file comes near this; a larger file is not read into memory to be hashed.
constexpr std::uintmax_t kLargestHashedFile = kLargestDocumentFile * 4;

std::string lowerHex(const Sha256Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(digest.size() * 2, '0');
    for (std::size_t i = 0; i < digest.size(); ++i) {
        hex[2 * i] = kDigits[digest[i] >> 4];
        hex[2 * i + 1] = kDigits[digest[i] & 0xf];
    }
    return hex;
}

// The bytes of the regular file at `file` when it is small enough to be hashed.
std::optional<std::string> hashedBytes(const std::filesystem::path& file) {
    FileBytes read = readRegularFile(file, kLargestHashedFile);
    return read.result ? std::optional(std::move(read.bytes)) : std::nullopt;
}

// sha256() uses the processor's SHA instructions where it has them: several times faster than
// QCryptographicHash, which matters when a whole folder is searched for a part.
std::string sha256Hex(const std::string& content) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(content.data());
    return lowerHex(sha256({bytes, content.size()}));
}

}  // namespace

std::optional<std::string> fileSha256(const std::filesystem::path& file) {
    const auto bytes = hashedBytes(file);
    return bytes ? std::optional(sha256Hex(*bytes)) : std::nullopt;
}

std::optional<std::string> partFileHash(const std::filesystem::path& file, PartCache& cache) {
    return cache.hashOfRead(file, hashedBytes, sha256Hex);
}

}  // namespace kelvaro
