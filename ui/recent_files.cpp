// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/recent_files.h"

#include <algorithm>

#include "io/file_boundary.h"

namespace kelvaro {
namespace {

const QString kRecentFilesKey = QStringLiteral("recentFiles");

}  // namespace

RecentFiles RecentFiles::readFrom(const QSettings& settings) {
    const QStringList stored = settings.value(kRecentFilesKey).toStringList();
    RecentFiles recent;
    for (auto name = stored.rbegin(); name != stored.rend(); ++name) {
        if (!name->isEmpty())
            recent.add(toPath(*name));
    }
    return recent;
}

void RecentFiles::writeTo(QSettings& settings) const {
    QStringList names;
    for (const std::filesystem::path& file : m_files)
        names.append(toQtPath(file));
    settings.setValue(kRecentFilesKey, names);
}

bool RecentFiles::add(const std::filesystem::path& file) {
    if (file.empty() || (!m_files.empty() && m_files.front() == file))
        return false;
    remove(file);
    m_files.insert(m_files.begin(), file);
    if (m_files.size() > kRecentFileCount)
        m_files.resize(kRecentFileCount);
    return true;
}

bool RecentFiles::remove(const std::filesystem::path& file) {
    const auto listed = std::find(m_files.begin(), m_files.end(), file);
    if (listed == m_files.end())
        return false;
    m_files.erase(listed);
    return true;
}

}  // namespace kelvaro
