// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The documents opened or saved most recently, newest first: at most kRecentFileCount, each
// once. Kept in the user's settings (user_settings.h) under "recentFiles", as Qt names files.
#pragma once

#include <QSettings>
#include <filesystem>
#include <vector>

namespace kelvaro {

inline constexpr std::size_t kRecentFileCount = 10;

class RecentFiles {
public:
    RecentFiles() = default;

    // The list `settings` holds; empty names and repeats are left out, and names beyond the
    // tenth.
    static RecentFiles readFrom(const QSettings& settings);
    // Replaces the list in `settings` with this one.
    void writeTo(QSettings& settings) const;

    const std::vector<std::filesystem::path>& files() const { return m_files; }
    // Puts `file` first (moved there when listed already); the eleventh goes. An empty path
    // changes nothing. True when the list changed.
    bool add(const std::filesystem::path& file);
    // Takes `file` out; true when it was listed.
    bool remove(const std::filesystem::path& file);
    void clear() { m_files.clear(); }

private:
    std::vector<std::filesystem::path> m_files;
};

}  // namespace kelvaro
