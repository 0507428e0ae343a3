// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_cache.h"

#include <sys/stat.h>

#include "imaging/part_box.h"
#include "model/image_files.h"

namespace kelvaro {

std::optional<PartFileVersion> partFileVersion(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    PartFileVersion version;
    version.size = static_cast<std::uintmax_t>(status.st_size);
    version.modifiedNs =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    version.device = static_cast<std::uint64_t>(status.st_dev);
    version.inode = static_cast<std::uint64_t>(status.st_ino);
    return version;
}

PartCache::PartCache(std::size_t byteBound) : m_bound(byteBound) {}

std::size_t PartCache::costOf(std::size_t keyLength, const DecodedPart* part) {
    const std::size_t partBytes =
        part ? sizeof(DecodedPart) + part->pixels.size() * sizeof(Argb) : 0;
    return sizeof(Entry) + keyLength + partBytes;
}

Argb DecodedPart::at(int x, int y) const {
    if (x < stored.left || x >= stored.right || y < stored.top || y >= stored.bottom)
        return 0;
    return pixels[static_cast<std::size_t>(y - stored.top) *
                      static_cast<std::size_t>(stored.width()) +
                  static_cast<std::size_t>(x - stored.left)];
}

Rgb DecodedPart::tone() const {
    std::call_once(m_toneOnce, [this] { m_tone = mainTone(pixels, stored, box); });
    return m_tone;
}

void DecodedPart::expandInto(PartPixels& image, const PixelBox& dirty) const {
    expandBox(pixels, stored, dirty, image);
}

namespace {

// A decode with `read` (readPartImage or readPartBytes) kept as its box.
template <typename Source>
std::shared_ptr<const DecodedPart> decodedPart(const Source& source,
                                               bool (*read)(const Source&, PartPixels&,
                                                            PixelBox*)) {
    // Decoded into a whole image first; one per thread, as every decode overwrites all of it.
    thread_local const auto image = std::make_unique_for_overwrite<PartPixels>();
    auto part = std::make_shared<DecodedPart>();
    if (!read(source, *image, &part->stored))  // the box of the pixels that are not 0
        return nullptr;
    // Every pixel with alpha is non-zero, so the visible box lies within the stored one.
    part->box = visibleBounds(*image, part->stored);
    part->pixels = copyBox(*image, part->stored);
    return part;
}

}  // namespace

std::shared_ptr<const DecodedPart> decodePartFile(const std::filesystem::path& file) {
    return decodedPart(file, readPartImage);
}

std::shared_ptr<const DecodedPart> decodePartBytes(const std::string& bytes) {
    return decodedPart(bytes, readPartBytes);
}

std::uint64_t PartCache::fixedSpan() const {
    return m_filesFixed ? m_span : 0;
}

std::optional<std::shared_ptr<const DecodedPart>> PartCache::keptPart(
    const std::string& key, const PartFileVersion* version) {
    std::lock_guard lock(m_mutex);
    const auto found = m_index.find(key);
    if (found == m_index.end())
        return std::nullopt;
    Entry& entry = *found->second;
    if (version ? !(entry.version == *version) : (!m_filesFixed || entry.examinedIn != m_span))
        return std::nullopt;
    entry.examinedIn = fixedSpan();
    m_order.splice(m_order.begin(), m_order, found->second);
    ++m_hits;
    return entry.part;
}

std::shared_ptr<const DecodedPart> PartCache::decode(const std::filesystem::path& file) {
    std::string key = file.native();
    if (auto kept = keptPart(key, nullptr))
        return *kept;
    const auto version = partFileVersion(file);
    if (!version)
        return nullptr;
    if (auto kept = keptPart(key, &*version))
        return *kept;
    std::uint64_t span = 0;
    {
        std::lock_guard lock(m_mutex);
        ++m_decodes;
        span = fixedSpan();
    }
    // Decoded outside the lock, so that other threads' hits and decodes go on meanwhile.
    std::shared_ptr<const DecodedPart> part = decodeVersion(file, *version);
    keep(Entry{std::move(key), *version, part, span});
    return part;
}

std::shared_ptr<const DecodedPart> PartCache::decodeVersion(const std::filesystem::path& file,
                                                            const PartFileVersion& version) {
    const auto bytes = takeHashRead(file.native(), version);
    return bytes ? decodePartBytes(*bytes) : decodePartFile(file);
}

void PartCache::keepHashRead(const std::string& key, const PartFileVersion& version,
                             std::string bytes) {
    if (const auto found = m_hashReads.find(key); found != m_hashReads.end()) {
        m_hashReadBytes -= found->second.bytes.size();
        m_hashReads.erase(found);
    }
    if (m_hashReadBytes + bytes.size() > kHashReadBound)
        return;
    m_hashReadBytes += bytes.size();
    m_hashReads.emplace(key, HashRead{version, std::move(bytes)});
}

std::optional<std::string> PartCache::takeHashRead(const std::string& key,
                                                   const PartFileVersion& version) {
    std::lock_guard lock(m_mutex);
    const auto found = m_hashReads.find(key);
    if (found == m_hashReads.end())
        return std::nullopt;
    HashRead read = std::move(found->second);
    m_hashReadBytes -= read.bytes.size();
    m_hashReads.erase(found);
    if (!(read.version == version))
        return std::nullopt;
    ++m_decodedFromHashRead;
    return std::move(read.bytes);
}

void PartCache::keep(Entry entry) {
    std::lock_guard lock(m_mutex);
    if (const auto found = m_index.find(entry.key); found != m_index.end()) {
        m_bytes -= costOf(*found->second);
        m_order.erase(found->second);
        m_index.erase(found);
    }
    m_bytes += costOf(entry);
    m_order.push_front(std::move(entry));
    m_index.emplace(m_order.front().key, m_order.begin());
    trimToBound();
}

void PartCache::trimToBound() {
    while (m_bytes > m_bound && !m_order.empty()) {
        m_bytes -= costOf(m_order.back());
        m_index.erase(m_order.back().key);
        m_order.pop_back();
    }
}

std::optional<std::string> PartCache::keptHash(const std::string& key,
                                               const PartFileVersion* version) {
    std::lock_guard lock(m_mutex);
    const auto found = m_hashes.find(key);
    if (found == m_hashes.end())
        return std::nullopt;
    KeptHash& kept = found->second;
    if (version ? !(kept.version == *version) : (!m_filesFixed || kept.examinedIn != m_span))
        return std::nullopt;
    kept.examinedIn = fixedSpan();
    return kept.hash;
}

std::optional<std::string> PartCache::hashOf(const std::filesystem::path& file,
                                             const FileHash& compute) {
    return hashWith(file, [&](const std::filesystem::path& f, std::string*) { return compute(f); });
}

std::optional<std::string> PartCache::hashOfRead(const std::filesystem::path& file,
                                                 const FileRead& read, const BytesHash& digest) {
    return hashWith(
        file,
        [&](const std::filesystem::path& f, std::string* bytesRead) -> std::optional<std::string> {
            auto bytes = read(f);
            if (!bytes)
                return std::nullopt;
            std::string hash = digest(*bytes);
            *bytesRead = std::move(*bytes);
            return hash;
        });
}

std::optional<std::string> PartCache::hashWith(const std::filesystem::path& file,
                                               const HashWork& work) {
    if (auto kept = keptHash(file.native(), nullptr))
        return kept;
    const auto before = partFileVersion(file);
    if (before)
        if (auto kept = keptHash(file.native(), &*before))
            return kept;
    std::string bytes;
    auto hash = work(file, &bytes);
    if (hash && before && partFileVersion(file) == before) {
        std::lock_guard lock(m_mutex);
        m_hashes[file.native()] = {*before, *hash, fixedSpan()};
        if (m_filesFixed)
            keepHashRead(file.native(), *before, std::move(bytes));
    }
    return hash;
}

void PartCache::setFilesFixed(bool fixed) {
    std::lock_guard lock(m_mutex);
    m_filesFixed = fixed;
    if (fixed)
        ++m_span;
    else
        dropHashReads();
}

PartCacheFigures PartCache::figures() const {
    std::lock_guard lock(m_mutex);
    return {m_order.size(), m_bytes, m_bound, m_hits, m_decodes, m_decodedFromHashRead};
}

void PartCache::setBound(std::size_t byteBound) {
    std::lock_guard lock(m_mutex);
    m_bound = byteBound;
    trimToBound();
}

std::shared_ptr<const CanvasPixels> PartCache::wall(const std::filesystem::path& file) {
    const auto version = partFileVersion(file);
    if (!version)
        return nullptr;
    {
        std::lock_guard lock(m_mutex);
        if (m_wall && m_wallKey == file.native() && m_wallVersion == *version)
            return m_wall;
    }
    auto wall = readWall(file);
    if (!wall)
        return nullptr;
    std::lock_guard lock(m_mutex);
    m_wallKey = file.native();
    m_wallVersion = *version;
    m_wall = wall;
    return wall;
}

void PartCache::clear() {
    std::lock_guard lock(m_mutex);
    m_wall.reset();
    m_index.clear();
    m_order.clear();
    m_hashes.clear();
    dropHashReads();
    m_bytes = 0;
}

void PartCache::dropHashReads() {
    m_hashReads.clear();
    m_hashReadBytes = 0;
}

PartCache& sharedPartCache() {
    static PartCache cache;
    return cache;
}

}  // namespace kelvaro
