// SPDX-License-Identifier: MIT
// A signed update end to end: pelbixsolo-server serves the version file,
// the installer and its signature; the game's update flow, without a window,
// fetches the signed release statement and the installer, verifies both and
// starts the installer, which really runs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include "online/updateflow.h"
#include "net/updatesignature.h"
#include "server/sqlitescorestore.h"
#include "support/eventwait.h"
#include "testserver.h"

namespace {

TEST(SignedUpdate, InstallsFromTheRealServer)
{
    TempFolder serverFolder;
    QTemporaryDir gameFolder;
    const QString marker = QDir(gameFolder.path()).filePath("installer-ran");
    const std::filesystem::path installer = serverFolder.path() / "qztsetup.exe";
    std::ofstream(installer, std::ios::binary) << "#!/bin/sh\nprintf '%s|' \"$@\" > '" << marker.toStdString()
                                               << "'\n" << std::string(70000, '#') << "\n";
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};
    UpdateSignature::generate(publicKey, secretKey);
    // What pelbixsolo-sign writes: the statement and its signature.
    const ReleaseStatement statement{"pelbixsolo", "1.0.3", "qztsetup.exe", std::filesystem::file_size(installer),
                                     UpdateSignature::hashFile(installer.string()).value()};
    std::ofstream(installer.string() + ".sig") << UpdateSignature::sign(statement, secretKey);

    SqliteScoreStore store{serverFolder.path() / "scores.db"};
    ServerSettings settings = testSettings();
    settings.versionText = "1.0.3";
    settings.installer = installer;
    settings.signature = installer.string() + ".sig";
    RunningServer server(store, settings);

    const QString program = QDir(gameFolder.path()).filePath("pelbixsolo");
    std::ofstream(program.toStdString()) << "the program";
    UpdateFlow::Setup setup;
    setup.server = [&] { return QStringLiteral("http://127.0.0.1:%1").arg(server.port()); };
    setup.ownVersion = [] { return QStringLiteral("1.0.2"); };
    setup.programFile = program;
    setup.downloadFolder = [&] { return gameFolder.path() + QLatin1Char('/'); };
    setup.keyHex = UpdateSignature::hex(publicKey.data(), publicKey.size());
    UpdateFlow flow(setup);
    int endedWith = -1;
    flow.endProcess = [&](int code) { endedWith = code; };
    QStringList statuses;
    QObject::connect(&flow, &UpdateFlow::statusChanged, [&](const QString& text) { statuses << text; });

    bool offered = false;
    QObject::connect(&flow, &UpdateFlow::updateOffered, [&] { offered = true; });
    flow.checkForUpdate();
    ASSERT_TRUE(waitUntil([&] { return offered; })) << "1.0.3 on the server differs from 1.0.2";
    flow.accept();
    ASSERT_TRUE(waitUntil([&] { return !flow.running(); }));

    EXPECT_EQ(endedWith, 0);
    EXPECT_EQ(statuses.last(), "Installing");
    EXPECT_TRUE(QFile::exists(QDir(gameFolder.path()).filePath("pelbixsolo.BAK")));
    EXPECT_TRUE(QFile::exists(program)) << "the program file stays in place for the installer to replace";
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(marker).size() > 0; }));
    QFile args(marker);
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(args.readAll(), "/SP-|/silent|/noicons|");
}

} // namespace
