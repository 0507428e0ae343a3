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

void DecodedPart::expandInto(PartPixels& image, const PixelBox& dirty) const {
    expandBox(pixels, stored, dirty, image);
}

std::shared_ptr<const DecodedPart> decodePartFile(const std::filesystem::path& file) {
    // Decoded into a whole image first; one per thread, as every decode overwrites all of it.
    thread_local const auto image = std::make_unique_for_overwrite<PartPixels>();
    if (!readPartImage(file, *image))
        return nullptr;
    auto part = std::make_shared<DecodedPart>();
    // Every pixel with alpha is non-zero, so the visible box lies within the stored one.
    part->stored = nonZeroBounds(*image);
    part->box = visibleBounds(*image, part->stored);
    part->tone = mainTone(*image, part->box);
    part->pixels = copyBox(*image, part->stored);
    return part;
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
    std::shared_ptr<const DecodedPart> part = decodePartFile(file);
    keep(Entry{std::move(key), *version, part, span});
    return part;
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
    if (auto kept = keptHash(file.native(), nullptr))
        return kept;
    const auto before = partFileVersion(file);
    if (before)
        if (auto kept = keptHash(file.native(), &*before))
            return kept;
    auto hash = compute(file);
    if (hash && before && partFileVersion(file) == before) {
        std::lock_guard lock(m_mutex);
        m_hashes[file.native()] = {*before, *hash, fixedSpan()};
    }
    return hash;
}

void PartCache::setFilesFixed(bool fixed) {
    std::lock_guard lock(m_mutex);
    m_filesFixed = fixed;
    if (fixed)
        ++m_span;
}

PartCacheFigures PartCache::figures() const {
    std::lock_guard lock(m_mutex);
    return {m_order.size(), m_bytes, m_bound, m_hits, m_decodes};
}

void PartCache::setBound(std::size_t byteBound) {
    std::lock_guard lock(m_mutex);
    m_bound = byteBound;
    trimToBound();
}

void PartCache::clear() {
    std::lock_guard lock(m_mutex);
    m_index.clear();
    m_order.clear();
    m_hashes.clear();
    m_bytes = 0;
}

PartCache& sharedPartCache() {
    static PartCache cache;
    return cache;
}

}  // namespace kelvaro
