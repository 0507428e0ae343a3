// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "model/part_status.h"

#include "model/layer_tables.h"
#include "model/part_cache.h"
#include "model/part_library.h"

namespace kelvaro {
namespace {

// Why a file that did not decode does not load: it is not there, it is no regular file (links
// followed), or its bytes are no picture.
PartFileStatus failureOf(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        return PartFileStatus::Missing;
    if (!std::filesystem::is_regular_file(std::filesystem::status(file, error)))
        return PartFileStatus::NotRegularFile;
    return PartFileStatus::DoesNotDecode;
}

}  // namespace

PartFileStatus partFileStatus(const std::filesystem::path& file, PartCache* cache) {
    const bool decodes = cache ? cache->decode(file) != nullptr : decodePartFile(file) != nullptr;
    return decodes ? PartFileStatus::Loads : failureOf(file);
}

PartFaults partFaults(const std::filesystem::path& base, int element, int part, PartCache* cache) {
    PartFaults faults;
    for (const int layer : loadGroup(element)) {
        const std::string_view folder = layerInfo(layer).folder;
        const std::filesystem::path file = partPath(base, folder, part);
        const PartFileStatus status = partFileStatus(file, cache);
        if (status != PartFileStatus::Loads)
            faults.push_back({std::string(folder) + "/" + file.filename().string(), status});
    }
    return faults;
}

}  // namespace kelvaro
