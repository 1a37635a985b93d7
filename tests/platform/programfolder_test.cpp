#include "core/settings/settings.h"
#include "platform/makerhost.h"
#include "platform/programfolder.h"
#include "platform/workarea.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <unistd.h>

TEST(ProgramFolder, DecidesBetweenPortableAndXdgFolders)
{
    const struct {
        const char* override;
        bool executableWritable;
        const char* settings;
        const char* data;
        bool portable;
    } cases[] = {
        {"", true, "/opt/game/", "/opt/game/", true},
        {"", false, "/home/u/.config/pelbixsolo/", "/home/u/.local/share/pelbixsolo/", false},
        {"/tmp/t", false, "/tmp/t/", "/tmp/t/", true},
        {"/tmp/t/", true, "/tmp/t/", "/tmp/t/", true},
    };
    for (const auto& c : cases) {
        const auto f = ProgramFolder::decide(QString::fromLatin1(c.override), QStringLiteral("/opt/game"),
                                             c.executableWritable, QStringLiteral("/home/u/.config"),
                                             QStringLiteral("/home/u/.local/share"));
        EXPECT_EQ(f.settingsFolder().toStdString(), c.settings) << c.override << c.executableWritable;
        EXPECT_EQ(f.dataFolder().toStdString(), c.data) << c.override << c.executableWritable;
        EXPECT_EQ(f.downloadFolder(), f.dataFolder());
        EXPECT_EQ(f.portable(), c.portable);
    }
    const auto xdg = ProgramFolder::decide({}, QStringLiteral("/usr/bin"), false, QStringLiteral("/c"),
                                           QStringLiteral("/d"));
    EXPECT_EQ(xdg.settingsFile(QStringLiteral("pelbixsolo")), QStringLiteral("/c/pelbixsolo/pelbixsolo.ini"));
    EXPECT_EQ(xdg.tallyFile(QStringLiteral("pelbixsolo")), QStringLiteral("/d/pelbixsolo/pelbixsolotally.tld"));
}

TEST(ProgramFolder, WritableMeansAFileCanBeCreated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(ProgramFolder::isWritable(dir.path()));
    EXPECT_FALSE(ProgramFolder::isWritable(dir.filePath(QStringLiteral("missing"))));
    // Not even root may create files here.
    EXPECT_FALSE(ProgramFolder::isWritable(QStringLiteral("/proc")));
    if (::geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(ProgramFolder::isWritable(dir.path()));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "the probe file was left behind";
}

TEST(ProgramFolder, OverrideWinsAndItsFolderIsCreated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fromEnvironment = dir.filePath(QStringLiteral("env"));
    const QString fromSetter = dir.filePath(QStringLiteral("set"));

    qputenv(ProgramFolder::kOverrideVariable, fromEnvironment.toLocal8Bit());
    EXPECT_EQ(ProgramFolder::current().settingsFolder(), fromEnvironment + QLatin1Char('/'));
    EXPECT_TRUE(QDir(fromEnvironment).exists());

    ProgramFolder::setOverride(fromSetter);
    EXPECT_EQ(ProgramFolder::current().dataFolder(), fromSetter + QLatin1Char('/'));
    ProgramFolder::setOverride({});
    qunsetenv(ProgramFolder::kOverrideVariable);

    // The test program's own folder is writable: the portable layout.
    const auto own = ProgramFolder::current();
    EXPECT_TRUE(own.portable());
    EXPECT_EQ(own.settingsFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}

TEST(MakerHost, ServerKeyOverridesTheBuiltInHost)
{
    EXPECT_EQ(MakerHost::builtIn().authority(), PELBIX_MAKER_HOST);
    Settings settings;
    EXPECT_EQ(MakerHost::of(settings).authority(), PELBIX_MAKER_HOST);
    settings.server = ServerAddress::parse("127.0.0.1:8081");
    const auto host = MakerHost::of(settings);
    EXPECT_EQ(host.host, "127.0.0.1");
    EXPECT_EQ(host.port, 8081);
}

TEST(WorkArea, IsTheAvailableAreaOfTheWindowsScreen)
{
    QWidget window;
    window.show();
    const QRect area = WorkArea::of(&window);
    EXPECT_FALSE(area.isEmpty());
    EXPECT_EQ(area, window.screen()->availableGeometry());
    EXPECT_EQ(WorkArea::of(nullptr), QGuiApplication::primaryScreen()->availableGeometry());
}
