// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/stale_sweep.h"

#include <mutex>
#include <string>
#include <system_error>
#include <unordered_set>

#include "io/temporary_names.h"

namespace kelvaro {
namespace {

// The folders this process has cleaned, shared by every thread that writes.
class SweptFolders {
public:
    // True for the first caller with `key`, who then cleans that folder.
    bool claim(const std::string& key) {
        const std::lock_guard lock(m_mutex);
        return m_keys.insert(key).second;
    }
    // Lets the next caller with `key` try again.
    void release(const std::string& key) {
        const std::lock_guard lock(m_mutex);
        m_keys.erase(key);
    }

private:
    std::mutex m_mutex;
    std::unordered_set<std::string> m_keys;
};

SweptFolders& sweptFolders() {
    static SweptFolders folders;
    return folders;
}

// One spelling for one folder: "dir", "dir/" and "./dir/." give the same key.
std::string folderKey(const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    return ((error ? folder : absolute) / "").lexically_normal().native();
}

}  // namespace

void removeStaleTemporariesOnce(const std::filesystem::path& folder) {
    const std::string key = folderKey(folder);
    if (sweptFolders().claim(key) && !removeStaleTemporaries(folder))
        sweptFolders().release(key);
}

}  // namespace kelvaro
