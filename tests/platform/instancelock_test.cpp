// SPDX-License-Identifier: MIT
#include "platform/instancelock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

TEST(InstanceLock, HeldByOneHolderAtATime)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::optional<InstanceLock> first(std::in_place, dir.path());
    EXPECT_TRUE(first->held());
    EXPECT_EQ(first->path(), dir.filePath(QStringLiteral("pelbixsolo.lock")));
    {
        const InstanceLock second(dir.path());
        EXPECT_FALSE(second.held());
    }
    EXPECT_TRUE(first->held()) << "a refused second holder must not release the first";
    first.reset();
    const InstanceLock third(dir.path());
    EXPECT_TRUE(third.held());
}

TEST(InstanceLock, LivesInTheRuntimeFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    EXPECT_EQ(InstanceLock::defaultPath(), dir.filePath(QStringLiteral("pelbixsolo.lock")));
    qunsetenv("XDG_RUNTIME_DIR");
    const QString fallback = InstanceLock::defaultPath();
    EXPECT_TRUE(fallback.startsWith(QDir::tempPath() + QStringLiteral("/pelbixsolo-"))) << fallback.toStdString();
    if (!saved.isEmpty())
        qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(InstanceLock, DoesNotFollowAPlantedLink)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString victim = dir.filePath(QStringLiteral("victim"));
    QFile::link(victim, dir.filePath(QStringLiteral("pelbixsolo.lock")));
    const InstanceLock lock(dir.path());
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(QFile::exists(victim));
}
