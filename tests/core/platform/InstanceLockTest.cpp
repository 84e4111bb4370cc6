#include "core/platform/InstanceLock.h"
#include "support/TempEnvironment.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

TEST(InstanceLock, OneHolderAtATimeAndAStaleLockIsTakenOver) {
    testing_support::TempEnvironment env;
    EXPECT_EQ(core::InstanceLock::defaultPath(), env.path(QStringLiteral("runtime/Tallivo/tallivo.lock")));
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
    QFile stale(core::InstanceLock::defaultPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(deadPid) + "\ntallivo\n\n");
    stale.close();
    core::InstanceLock third;
    EXPECT_TRUE(third.tryLock());
}

TEST(InstanceLock, FallsBackToAPrivateTempFolderWithoutARuntimeFolder) {
    testing_support::TempEnvironment env;
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(core::InstanceLock::defaultPath().contains(QStringLiteral("/Tallivo-")));
    EXPECT_TRUE(core::InstanceLock::defaultPath().endsWith(QStringLiteral("/tallivo.lock")));
}
