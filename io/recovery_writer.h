// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Writes one recovery file on a thread of its own, so that the user-interface thread only hands
// over text. At most one job waits: a newer text, or the file's removal, replaces a job not
// started yet. Each text is written by replaceFileAtomically (temporary file, flush, rename,
// flush of the folder), so the file on disk is always a whole old or a whole new one.
#pragma once

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "io/file_result.h"

namespace kelvaro {

class RecoveryWriter {
public:
    // Called on the writer's thread with each failure, with its reason.
    using FailureSink = std::function<void(const FileResult&)>;

    RecoveryWriter(std::filesystem::path file, FailureSink failed);
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;
    // Finishes the job being done, drops one still waiting, and stops the thread.
    ~RecoveryWriter();

    // Writes `text` to the file, replacing a text still waiting.
    void write(std::string text);
    // Removes the file, replacing a text still waiting.
    void remove();
    // Waits until no job is waiting or being done (tests and a clean close).
    void flush();

private:
    // One job: a text to write, or none to remove the file.
    using Job = std::optional<std::string>;

    void run();
    void submit(Job job);
    void perform(const Job& job);

    std::filesystem::path m_file;
    FailureSink m_failed;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_waiting;
    bool m_busy = false;
    bool m_stopping = false;
    std::thread m_thread;  // last: starts once everything above is made
};

}  // namespace kelvaro
