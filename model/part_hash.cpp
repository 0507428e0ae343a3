// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_hash.h"

#include <openssl/evp.h>

#include <array>

#include "io/document_io.h"
#include "io/file_boundary.h"

namespace kelvaro {
namespace {

// No part file comes near this; a larger file is not read into memory to be hashed.
constexpr std::uintmax_t kLargestHashedFile = kLargestDocumentFile * 4;

std::string lowerHex(const unsigned char* bytes, unsigned int length) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(std::size_t{length} * 2, '0');
    for (unsigned int i = 0; i < length; ++i) {
        hex[2 * i] = kDigits[bytes[i] >> 4];
        hex[2 * i + 1] = kDigits[bytes[i] & 0xf];
    }
    return hex;
}

}  // namespace

std::optional<std::string> fileSha256(const std::filesystem::path& file) {
    const FileBytes read = readRegularFile(file, kLargestHashedFile);
    if (!read.result)
        return std::nullopt;
    // libcrypto uses the processor's SHA instructions where it has them: several times faster
    // than QCryptographicHash, which matters when a whole folder is searched for a part.
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(read.bytes.data(), read.bytes.size(), digest.data(), &length, EVP_sha256(),
                   nullptr) != 1)
        return std::nullopt;
    return lowerHex(digest.data(), length);
}

std::optional<std::string> partFileHash(const std::filesystem::path& file, PartCache& cache) {
    return cache.hashOf(file, fileSha256);
}

}  // namespace kelvaro
