#include "core/platform/InstanceLock.h"
#include "support/TempEnvironment.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(InstanceLock, OneHolderAtATimeAndAStaleLockIsTakenOver) {
    testing_support::TempEnvironment env;
    core::InstanceLock first;
    ASSERT_TRUE(first.tryLock());
    core::InstanceLock second;
    EXPECT_FALSE(second.tryLock());
    first.unlock();
    EXPECT_TRUE(second.tryLock());
    second.unlock();

    // A lock left by a process that has ended.
    QProcess dead;
    dead.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(dead.waitForStarted());
    const qint64 deadPid = dead.processId();
    ASSERT_TRUE(dead.waitForFinished());
    ASSERT_TRUE(
        testing_support::writeBytes(core::InstanceLock::defaultPath(), QByteArray::number(deadPid) + "\ntallivo\n\n"));
    core::InstanceLock third;
    EXPECT_TRUE(third.tryLock());
}
