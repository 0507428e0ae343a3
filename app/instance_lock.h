// The single-instance lock: a lock file keyed by the program's base name in the user's runtime
// folder. A lock left behind by a copy that was killed is stale and is taken over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace kelvaro {

class InstanceLock {
public:
    // The lock file of the program named `programName`.
    static QString pathFor(const QString& programName);

    // True when this process now holds the lock; false while another running copy holds it.
    bool acquire(const QString& programName);

private:
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace kelvaro
