#include "core/platform/InstanceLock.h"
#include "support/TempEnvironment.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(InstanceLock, OneHolderAtATimeAndAStaleLockIsTakenOver) {
    testing_support::TempEnvironment env;
    core::InstanceLock first, second;
    ASSERT_TRUE(first.tryLock());
    EXPECT_FALSE(second.tryLock());
    first.unlock();
    EXPECT_TRUE(second.tryLock());
    second.unlock();

    // A lock left by a process that has ended.
    QProcess dead;
    dead.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(dead.waitForStarted());
    const QByteArray deadPid = QByteArray::number(dead.processId());
    ASSERT_TRUE(dead.waitForFinished());
    ASSERT_TRUE(testing_support::writeBytes(core::InstanceLock::defaultPath(), deadPid + "\ntallivo\n\n"));
    EXPECT_TRUE(core::InstanceLock().tryLock());
}
