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
// write or that another user owns is refused, as is a folder that cannot be made; each says why.
TEST(InstanceLock, ItsFolderIsPrivateAndALockThatCannotBeTakenSaysWhy) {
    testing_support::TempEnvironment env;
    const QString runtime = env.path(QStringLiteral("runtime"));
    const QString folder = runtime + QStringLiteral("/Tallivo");
    core::InstanceLock made;
    ASSERT_TRUE(made.tryLock());
    EXPECT_EQ(QFileInfo(folder).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    made.unlock();

    const struct {
        const char* what;
        std::function<void()> arrange;
        QString why;
    } cases[] = {
        {"open to all", [&] { QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)); },
         QStringLiteral("other users can write in the folder %1 (mode 0777)").arg(folder)},
        {"another user's", [&] { ASSERT_EQ(chown(QFile::encodeName(folder).constData(), 65534, 65534), 0); },
         QStringLiteral("the folder %1 belongs to another user").arg(folder)},
        {"a file for the runtime folder",
         [&] { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(env.path(QStringLiteral("state/file")))); },
         QStringLiteral("%1 is not a folder").arg(env.path(QStringLiteral("state/file")))},
    };
    ASSERT_TRUE(testing_support::writeBytes(env.path(QStringLiteral("state/file")), "x"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        c.arrange();
        core::InstanceLock lock;
        EXPECT_FALSE(lock.tryLock());
        EXPECT_EQ(lock.problem(), c.why);
        EXPECT_TRUE(lock.refusal().contains(QStringLiteral("cannot be taken"))) << lock.refusal().toStdString();
    }
}
