// The single-instance lock.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <QSysInfo>

#include "app/instance_lock.h"

namespace kelvaro::test {
namespace {

QString uniqueName(const char* what) {
    return QStringLiteral("kelvaro-lock-test-%1-%2").arg(what).arg(::getpid());
}

TEST(InstanceLock, ASecondCopyIsRefusedUntilTheFirstEnds) {
    const QString name = uniqueName("second");
    auto first = std::make_unique<InstanceLock>();
    ASSERT_TRUE(first->acquire(name));
    InstanceLock second;
    EXPECT_FALSE(second.acquire(name));
    EXPECT_TRUE(InstanceLock().acquire(uniqueName("other")));  // another program is not blocked
    first.reset();
    EXPECT_TRUE(second.acquire(name));
}

TEST(InstanceLock, ALockLeftByAKilledCopyDoesNotBlock) {
    const QString name = uniqueName("stale");
    // A lock file as a killed copy leaves it: its process (a child that has already ended)
    // no longer runs.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    QFile stale(InstanceLock::pathFor(name));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stale.write(QByteArray::number(child) + "\n" + name.toUtf8() + "\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    InstanceLock next;
    EXPECT_TRUE(next.acquire(name));
}

}  // namespace
}  // namespace kelvaro::test
