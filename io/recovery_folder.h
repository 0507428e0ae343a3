// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The folder of recovery files: one file per running editor, "kelvaro-<pid>-<start>.recovery",
// beside a lock file of the same name ending in ".lock" that the editor holds locked (the
// kernel's advisory file lock) for its life. The kernel drops the lock when the process ends
// however it ends, so a recovery file whose lock is free belongs to an editor that is gone.
// Files given up go to the folder's "discarded" folder, where the newest ten are kept.
#pragma once

#include <filesystem>
#include <vector>

#include "io/file_result.h"

namespace kelvaro {

// How many given-up recovery files "discarded" keeps.
inline constexpr std::size_t kDiscardedKept = 10;

// $XDG_STATE_HOME/kelvaro/recovery, or ~/.local/state/kelvaro/recovery when that variable is
// unset or not an absolute path.
std::filesystem::path defaultRecoveryFolder();

// This editor's own recovery file and its lock, held from construction to destruction.
class RecoveryClaim {
public:
    // Makes `folder` (and its parents) and locks a new lock file in it; failure() says why
    // when that was not possible.
    explicit RecoveryClaim(std::filesystem::path folder);
    RecoveryClaim(const RecoveryClaim&) = delete;
    RecoveryClaim& operator=(const RecoveryClaim&) = delete;
    // Removes the lock file and lets the lock go; the recovery file is left to its writer.
    ~RecoveryClaim();

    const std::filesystem::path& folder() const { return m_folder; }
    // Where this editor's recovery file goes.
    const std::filesystem::path& file() const { return m_file; }
    // Success while the lock is held; otherwise why it could not be taken.
    const FileResult& failure() const { return m_failure; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_file;
    std::filesystem::path m_lockFile;
    int m_fd = -1;
    FileResult m_failure;
};

// The recovery files in `folder` whose editor is gone (their lock free or missing), newest
// first; lock files left without a recovery file by a gone editor are removed.
std::vector<std::filesystem::path> orphanedRecoveryFiles(const std::filesystem::path& folder);

// Moves the recovery file `file` of `folder` (and its lock file) into folder/discarded, then
// removes the oldest there beyond kDiscardedKept. A failure, with its reason, leaves it where it
// is.
FileResult discardRecoveryFile(const std::filesystem::path& folder,
                               const std::filesystem::path& file);

// Removes a restored recovery file and its lock file.
void removeRecoveryFile(const std::filesystem::path& file);

}  // namespace kelvaro
