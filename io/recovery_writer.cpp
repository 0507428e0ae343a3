// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "io/recovery_writer.h"

#include <cerrno>
#include <system_error>

#include "io/file_writer.h"

namespace kelvaro {

RecoveryWriter::RecoveryWriter(std::filesystem::path file, FailureSink failed)
    : m_file(std::move(file)), m_failed(std::move(failed)), m_thread([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.reset();
    }
    m_wake.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(std::string text) {
    submit(Job(std::move(text)));
}

void RecoveryWriter::remove() {
    submit(Job());
}

void RecoveryWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_waiting && !m_busy; });
}

void RecoveryWriter::submit(Job job) {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting = std::move(job);
    }
    m_wake.notify_all();
}

void RecoveryWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || m_waiting; });
        if (m_stopping)
            return;
        const Job job = std::move(*m_waiting);
        m_waiting.reset();
        m_busy = true;
        lock.unlock();
        perform(job);
        lock.lock();
        m_busy = false;
        m_wake.notify_all();
    }
}

void RecoveryWriter::perform(const Job& job) {
    FileResult result;
    if (job) {
        result = replaceFileAtomically(m_file, *job);
    } else {
        std::error_code error;
        std::filesystem::remove(m_file, error);
        if (error)
            result = systemFailure(error.value());
    }
    if (!result && m_failed)
        m_failed(result);
}

}  // namespace kelvaro
