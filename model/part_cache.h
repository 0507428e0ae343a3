// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Decoded part images kept for reuse: every load of a part file whose name, size, modification
// time and file identity are unchanged since it was last decoded takes the kept pixels instead of
// decoding the file again. The editor's own loads, the part gallery's renders and the command-line
// renderer share one cache per process. Safe to use from several threads at once.
//
// Files that failed to decode are kept too (as a failure), so a library full of broken parts
// does not decode each of them at every look. The cache holds at most its byte bound of pixels;
// the least recently used entries go first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "imaging/layer_bounds.h"
#include "imaging/main_tone.h"
#include "imaging/pixels.h"

namespace kelvaro {

// What the cache holds and has done, for reports and benchmarks.
struct PartCacheFigures {
    std::size_t entries = 0;
    std::size_t bytes = 0;  // pixels held
    std::size_t bound = 0;
    std::uint64_t hits = 0;
    std::uint64_t decodes = 0;              // misses: files decoded (successfully or not)
    std::uint64_t decodedFromHashRead = 0;  // of those, decoded from the bytes a hash read
};

// Tells one version of a file from another: a rewrite changes the size or the modification time,
// a replacement (a rename over it) the file's identity.
struct PartFileVersion {
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const PartFileVersion&, const PartFileVersion&) = default;
};

// The version of the regular file at `file` (links followed); nothing when there is no regular
// file to examine.
std::optional<PartFileVersion> partFileVersion(const std::filesystem::path& file);

// A part file as decoded, never changed afterwards, so that any number of portraits and threads
// may share it: its pixels (see decodePart) kept as the box of those that are not 0 (copyBox),
// the box holding every pixel with alpha and its main tone (mainTone).
struct DecodedPart {
    std::vector<Argb> pixels;  // the pixels inside `stored`, stored.width() a row
    PixelBox stored;           // every pixel outside it is 0; holds `box`
    PixelBox box;

    // The main tone of the pixels, worked out at the first call (from any thread) and kept: a
    // part shown in its file's colours never needs it, and choosing a colour for a part the cache
    // hands out again never scans its pixels again. The fields above must not change after it.
    Rgb tone() const;

    // The decoded image's pixel at (x, y), which must lie inside the part image.
    Argb at(int x, int y) const;
    // Expands the pixels into `image`, which must be 0 outside `dirty`: afterwards it holds the
    // decoded image exactly (expandBox).
    void expandInto(PartPixels& image, const PixelBox& dirty) const;

private:
    mutable std::once_flag m_toneOnce;
    mutable Rgb m_tone;
};

// Decodes `file` without any cache; null when it does not decode.
std::shared_ptr<const DecodedPart> decodePartFile(const std::filesystem::path& file);
// Decodes the bytes of a part file exactly as decodePartFile decodes the file holding them.
std::shared_ptr<const DecodedPart> decodePartBytes(const std::string& bytes);

class PartCache {
public:
    // Parts are counted by the bytes of their stored box: 630 parts covering the whole image, or
    // several times more of the usual parts, which cover a small share of it.
    // Parts are kept as their boxes, so 64 MiB hold some 4000 typical parts (a whole library of
    // 300 parts an element is about 100 MiB), and the editor stays within about 120 MB.
    static constexpr std::size_t kDefaultBound = std::size_t{64} << 20;

    explicit PartCache(std::size_t byteBound = kDefaultBound);
    PartCache(const PartCache&) = delete;
    PartCache& operator=(const PartCache&) = delete;

    // The part at `file` as decoded (decodePartFile), or null when it does not decode. A file that
    // cannot be examined (missing, not a regular file) is never kept. A part handed out stays
    // valid while its holder keeps it, also after the cache has let it go.
    std::shared_ptr<const DecodedPart> decode(const std::filesystem::path& file);

    // The wall at `file` as readWallImage decodes it, or null when it does not decode. The last
    // wall decoded is kept for its file version (one canvas, not counted against the bound), so
    // that every portrait made on the same library shares one decode.
    std::shared_ptr<const CanvasPixels> wall(const std::filesystem::path& file);

    // The hash of the regular file at `file` as `compute` works it out, worked out once per file
    // version (a file that changes while it is hashed is hashed again next time); nothing, and
    // nothing kept, when `compute` gives nothing. Hashes are a few bytes each and are not counted
    // against the byte bound.
    using FileHash = std::function<std::optional<std::string>(const std::filesystem::path&)>;
    std::optional<std::string> hashOf(const std::filesystem::path& file, const FileHash& compute);

    // hashOf for a hash of the file's bytes: `read` reads the whole file (nothing when it cannot)
    // and `digest` hashes what it read. While the files are fixed, the bytes of a version hashed
    // are also kept until the next decode of that file, which decodes them (decodePartBytes)
    // instead of reading the file again; at most kHashReadBound bytes are kept so at a time.
    using FileRead = std::function<std::optional<std::string>(const std::filesystem::path&)>;
    using BytesHash = std::function<std::string(const std::string&)>;
    std::optional<std::string> hashOfRead(const std::filesystem::path& file, const FileRead& read,
                                          const BytesHash& digest);
    static constexpr std::size_t kHashReadBound = std::size_t{8} << 20;

    // Whether the files stay as they are from now on. By default they may change (the editor's
    // library is the user's to edit) and every look examines the file. A run of the command-line
    // renderer does not change its library: from setFilesFixed(true) on, a file is examined at
    // its first look only, and its kept decode or hash is then taken as it is until
    // setFilesFixed(false). Files examined before the call are examined again once.
    void setFilesFixed(bool fixed);
    // The bytes an entry of `part` (null: a failure) with a key of `keyLength` characters counts
    // against the bound: its bookkeeping and the part's stored pixels.
    static std::size_t costOf(std::size_t keyLength, const DecodedPart* part);

    PartCacheFigures figures() const;
    void setBound(std::size_t byteBound);
    void clear();

private:
    struct Entry {
        std::string key;
        PartFileVersion version;
        std::shared_ptr<const DecodedPart> part;  // null: the file does not decode
        std::uint64_t examinedIn = 0;             // the fixed-files span it was last examined in
    };
    struct KeptHash {
        PartFileVersion version;
        std::string hash;
        std::uint64_t examinedIn = 0;
    };
    // A file's bytes as its hash read them, waiting for the file's decode.
    struct HashRead {
        PartFileVersion version;
        std::string bytes;
    };
    // Works out a hash with `work`, which may leave the bytes it read in its second argument.
    using HashWork =
        std::function<std::optional<std::string>(const std::filesystem::path&, std::string*)>;
    std::optional<std::string> hashWith(const std::filesystem::path& file, const HashWork& work);
    // Keeps the bytes a hash of `key` at `version` read, within kHashReadBound; m_mutex held.
    void keepHashRead(const std::string& key, const PartFileVersion& version, std::string bytes);
    // The bytes a hash read of `key` at `version`, taken out of the cache; nothing when none are
    // kept for that version.
    std::optional<std::string> takeHashRead(const std::string& key, const PartFileVersion& version);
    // decodePartFile, or decodePartBytes of the bytes a hash read of that version.
    std::shared_ptr<const DecodedPart> decodeVersion(const std::filesystem::path& file,
                                                     const PartFileVersion& version);
    // Lets go of every kept hash read; m_mutex held.
    void dropHashReads();
    using Order = std::list<Entry>;  // most recently used first

    // The kept part of `key`, counted as a hit, when its file was examined in this fixed-files
    // span (version null) or when it was decoded from `version`; nothing otherwise.
    std::optional<std::shared_ptr<const DecodedPart>> keptPart(const std::string& key,
                                                               const PartFileVersion* version);
    // The kept hash of `key`, under the same rule.
    std::optional<std::string> keptHash(const std::string& key, const PartFileVersion* version);
    // The current fixed-files span; 0 while files may change.
    std::uint64_t fixedSpan() const;
    static std::size_t costOf(const Entry& entry) {
        return costOf(entry.key.size(), entry.part.get());
    }
    void keep(Entry entry);
    void trimToBound();

    mutable std::mutex m_mutex;
    // The last wall decoded, for the file and version it was decoded from.
    std::string m_wallKey;
    PartFileVersion m_wallVersion{};
    std::shared_ptr<const CanvasPixels> m_wall;
    Order m_order;
    std::unordered_map<std::string, Order::iterator> m_index;
    std::unordered_map<std::string, KeptHash> m_hashes;
    std::unordered_map<std::string, HashRead> m_hashReads;
    std::size_t m_hashReadBytes = 0;
    std::size_t m_bytes = 0;
    std::size_t m_bound;
    std::uint64_t m_hits = 0;
    std::uint64_t m_decodes = 0;
    std::uint64_t m_decodedFromHashRead = 0;
    bool m_filesFixed = false;
    std::uint64_t m_span = 0;  // counts the calls of setFilesFixed(true)
};

// The cache every part load of this process goes through.
PartCache& sharedPartCache();

}  // namespace kelvaro
