// SPDX-License-Identifier: MIT
#include "core/settings/settings.h"
#include "platform/makerhost.h"
#include "platform/programfolder.h"
#include "widgets/workarea.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <unistd.h>

#include "support/asordinaryuser.h"

TEST(ProgramFolder, InstalledAndReadOnlyCopiesUseThePlayersFolders)
{
    // Root running the installed program used to write its files into the
    // install's bin folder, since root may write there.
    const struct {
        const char* what;
        const char* executable;
        bool installed;
        bool writable;
        bool portable;
    } cases[] = {
        {"installed, run by root", "/usr/games", true, true, false},
        {"installed, run by a user", "/usr/games", true, false, false},
        {"installed with another prefix, run by root", "/tmp/x/bin/", true, true, false},
        {"build folder", "/home/u/game/build", false, true, true},
        {"unpacked archive on a read-only medium", "/media/cd/game", false, false, false},
    };
    for (const auto& c : cases) {
        ProgramFolder::Facts facts;
        facts.executableFolder = QString::fromLatin1(c.executable);
        facts.installedCopy = c.installed;
        facts.executableFolderWritable = c.writable;
        facts.configHome = QStringLiteral("/home/u/.config");
        facts.dataHome = QStringLiteral("/home/u/.local/share");
        const auto f = ProgramFolder::decide(facts);
        EXPECT_EQ(f.portable(), c.portable) << c.what;
        const QString beside = QDir::cleanPath(facts.executableFolder) + QLatin1Char('/');
        EXPECT_EQ(f.settingsFile(QStringLiteral("pelbixsolo")),
                  c.portable ? beside + "pelbixsolo.ini" : QStringLiteral("/home/u/.config/pelbixsolo/pelbixsolo.ini"))
            << c.what;
        EXPECT_EQ(f.tallyFile(QStringLiteral("pelbixsolo")),
                  c.portable ? beside + "pelbixsolotally.tld"
                             : QStringLiteral("/home/u/.local/share/pelbixsolo/pelbixsolotally.tld"))
            << c.what;
        EXPECT_EQ(f.downloadFolder(), f.dataFolder()) << c.what;
    }
}

TEST(ProgramFolder, AnInstalledCopyIsToldByItsAppStreamEntryBesideIt)
{
    // Configured for /usr/local and installed with --prefix elsewhere, the
    // game used to count as portable and write into DIR/bin.
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_FALSE(ProgramFolder::isInstalledCopy(bin)) << "a lone program folder is portable";
    const QString entry = QDir::cleanPath(bin + QStringLiteral("/" PELBIX_INSTALL_MARKER));
    ASSERT_TRUE(entry.startsWith(prefix.path() + QLatin1Char('/'))) << qPrintable(entry);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(entry).path()));
    ASSERT_TRUE(QFile(entry).open(QIODevice::WriteOnly));
    EXPECT_TRUE(ProgramFolder::isInstalledCopy(bin));
    EXPECT_TRUE(ProgramFolder::isInstalledCopy(bin + QLatin1Char('/')));
}

TEST(ProgramFolder, WritableMeansAFileCanBeCreated)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(ProgramFolder::isWritable(dir.path()));
    EXPECT_FALSE(ProgramFolder::isWritable(dir.filePath(QStringLiteral("missing"))));
    // Not even root may create files here.
    EXPECT_FALSE(ProgramFolder::isWritable(QStringLiteral("/proc")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    EXPECT_EQ(asOrdinaryUser([&] { return ProgramFolder::isWritable(dir.path()) ? 1 : 0; }), 0);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "the probe file was left behind";
}

TEST(ProgramFolder, TheTestProgramsOwnFolderIsAPortableCopy)
{
    // The build folder is writable and not the install folder.
    const auto own = ProgramFolder::atStartup();
    EXPECT_TRUE(own.portable());
    EXPECT_EQ(own.settingsFolder(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_EQ(ProgramFolder::at(QStringLiteral("/tmp/t/")).tallyFile(QStringLiteral("pelbixsolo")),
              QStringLiteral("/tmp/t/pelbixsolotally.tld"));
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

TEST(WorkArea, APlaceWhoseTitleBarIsOutOfReachGivesWayToTheDefault)
{
    // Under a larger scale factor a saved Top=500 put the window at y=1000 on
    // a 1024-pixel screen, with only its menu bar showing.
    const QList<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    const QRect home(3, 3, 774, 520);
    constexpr int kGrip = 50;
    const struct {
        const char* what;
        QRect saved;
        bool kept;
    } cases[] = {
        {"the default place", home, true},
        {"on the second screen", QRect(2000, 400, 774, 520), true},
        {"across both screens", QRect(1000, 100, 774, 520), true},
        {"off every screen", QRect(9000, -5000, 774, 520), false},
        {"top where only the menu bar would show", QRect(100, 1000, 774, 520), false},
        {"grip exactly on the bottom edge", QRect(100, 1024 - kGrip, 774, 520), true},
        {"grip one pixel past the bottom edge", QRect(100, 1024 - kGrip + 1, 774, 520), false},
        {"title bar above the screen", QRect(100, -1, 774, 520), false},
        {"below the shorter screen only", QRect(100, 1030, 774, 520), false},
        {"partly on, 100 pixels across", QRect(-674, 100, 774, 520), true},
        {"partly on, 99 pixels across", QRect(-675, 100, 774, 520), false},
        {"larger than the work area", QRect(0, 0, 3000, 2000), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WorkArea::reachable(c.saved, kGrip, screens, home), c.kept ? c.saved : home) << c.what;
    EXPECT_EQ(WorkArea::reachable(QRect(5, 5, 774, 520), kGrip, {}, home), home) << "no screen at all";
}

// Registered a second time with two offscreen screens (see CMakeLists.txt);
// with one screen there is nothing to tell apart.
TEST(WorkArea, EachWindowGetsTheWorkAreaOfItsOwnScreen)
{
    if (QGuiApplication::screens().size() < 2)
        GTEST_SKIP() << "needs the two-screen offscreen platform";
    EXPECT_EQ(WorkArea::all(), (QList<QRect>{QRect(0, 0, 800, 600), QRect(800, 0, 1024, 768)}));
    QWidget window;
    window.setGeometry(900, 100, 200, 100);
    window.show();
    EXPECT_EQ(WorkArea::of(&window), QRect(800, 0, 1024, 768));
    EXPECT_EQ(WorkArea::of(nullptr), QRect(0, 0, 800, 600));
}
