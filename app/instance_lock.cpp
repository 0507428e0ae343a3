#include "app/instance_lock.h"

#include <QDir>
#include <QStandardPaths>

namespace kelvaro {

QString InstanceLock::pathFor(const QString& programName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(programName + QStringLiteral(".lock"));
}

bool InstanceLock::acquire(const QString& programName) {
    auto lock = std::make_unique<QLockFile>(pathFor(programName));
    // Never stale by age: only a lock whose process no longer runs is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    return true;
}

}  // namespace kelvaro
