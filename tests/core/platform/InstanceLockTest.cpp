#include "core/platform/InstanceLock.h"
#include "support/TempEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

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

// Whoever can write in the lock's folder can take the lock away: the folder is made private, and one that others can
// write, that another user owns or that is no folder is refused, saying why.
TEST(InstanceLock, ItsFolderIsPrivateAndALockThatCannotBeTakenSaysWhy) {
    testing_support::TempEnvironment env;
    const QString folder = env.path(QStringLiteral("runtime/Tallivo")), file = env.path(QStringLiteral("state/file"));
    ASSERT_TRUE(core::InstanceLock().tryLock() && testing_support::writeBytes(file, "x"));
    EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, 0);
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)); },
         QStringLiteral("other users can write in the folder %1 (mode 0777)").arg(folder)},
        {[&] { ASSERT_EQ(chown(QFile::encodeName(folder).constData(), 65534, 65534), 0); },
         QStringLiteral("the folder %1 belongs to another user").arg(folder)},
        {[&] { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(file)); }, QStringLiteral("%1 is not a folder").arg(file)},
    };
    for (const auto& [arrange, why] : cases) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        arrange();
        core::InstanceLock lock;
        EXPECT_FALSE(lock.tryLock());
        EXPECT_EQ(std::pair(lock.problem(), lock.refusal().contains(QStringLiteral("cannot be taken"))),
                  std::pair(why, true));
    }
}
