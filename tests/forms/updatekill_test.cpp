// SPDX-License-Identifier: MIT
// A self-update killed at any point leaves a program to start: the test
// runs the update in a child process (this test program again) and kills it
// with SIGKILL at each step, from outside while it waits on the network and
// from inside at each status it reaches.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <fstream>

#include "forms/updateflow.h"
#include "net/updatesignature.h"
#include "support/eventwait.h"
#include "support/scriptedhttpserver.h"

namespace {

constexpr char kProgram[] = "#!/bin/sh\nexit 7\n";
constexpr int kProgramExit = 7;

// The update itself, run only as the child of the test below.
TEST(UpdateKillChild, DISABLED_Run)
{
    const QString folder = qEnvironmentVariable("PELBIX_KILL_FOLDER");
    const QString step = qEnvironmentVariable("PELBIX_KILL_AT");
    UpdateFlow::Setup setup;
    setup.productkey = QStringLiteral("pelbixsolo");
    setup.setupname = QStringLiteral("qztsetup.exe");
    setup.server = [] { return QStringLiteral("127.0.0.1:") + qEnvironmentVariable("PELBIX_KILL_PORT"); };
    setup.ownVersion = [] { return QStringLiteral("1.0.2"); };
    setup.programFile = QDir(folder).filePath("pelbixsolo");
    setup.downloadFolder = [folder] { return folder + QLatin1Char('/'); };
    setup.keyHex = qEnvironmentVariable("PELBIX_KILL_KEY").toStdString();
    UpdateFlow flow(setup);
    const auto killAt = [&](const QString& here) {
        if (here == step)
            std::raise(SIGKILL);
    };
    QObject::connect(&flow, &UpdateFlow::statusChanged, [&](const QString& text) { killAt(text.section(' ', 0, 0)); });
    flow.beforeInstall = [&] { killAt(QStringLiteral("beforeInstall")); };
    flow.startInstaller = [&](const QString&, const QStringList&) {
        killAt(QStringLiteral("start"));
        return false;
    };
    flow.endProcess = [](int) {};
    flow.accept();
}

TEST(UpdateKill, EveryStepLeavesAProgramToStart)
{
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};
    UpdateSignature::generate(publicKey, secretKey);
    QTemporaryDir work;
    const std::string installer = "#!/bin/sh\nexit 0\n" + std::string(200000, '#');
    const std::string installerPath = QDir(work.path()).filePath("qztsetup.exe").toStdString();
    std::ofstream(installerPath, std::ios::binary) << installer;
    const ReleaseStatement statement{"pelbixsolo", "1.0.3", "qztsetup.exe", installer.size(),
                                     UpdateSignature::hashFile(installerPath).value()};
    const std::string sigText = UpdateSignature::sign(statement, secretKey);

    const struct {
        const char* step;
        bool fromOutside; // killed by the test when the server says so, else by itself
        bool verified;    // the installer has its real name by then
    } steps[] = {
        {"Updating.", false, false}, {"statement", true, false},    {"drip", true, false},
        {"Received", false, false},  {"Installing", false, true},   {"beforeInstall", false, true},
        {"start", false, true},
    };
    for (const auto& s : steps) {
        const std::string step = s.step;
        std::atomic<bool> due{false};
        ScriptedHttpServer server([&](ScriptedHttpServer::Connection& c) {
            const std::string request = c.readRequest();
            if (request.rfind("GET /pelbixsolo/qztsetup.exe.sig ", 0) == 0) {
                due = step == "statement";
                if (due)
                    c.hang();
                c.send(ScriptedHttpServer::answer(200, "OK", sigText));
            } else if (request.rfind("GET /pelbixsolo/qztsetup.exe ", 0) == 0) {
                // A dripping installer: half of it, then the rest only when not killed.
                const std::string whole = ScriptedHttpServer::answer(200, "OK", installer);
                c.send(whole.substr(0, whole.size() / 2));
                due = step == "drip";
                if (due)
                    c.hang();
                c.send(whole.substr(whole.size() / 2));
            } else {
                c.send(ScriptedHttpServer::answer(404, "Not Found", "no"));
            }
        });
        QTemporaryDir folder;
        const QString program = QDir(folder.path()).filePath("pelbixsolo");
        std::ofstream(program.toStdString()) << kProgram;
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PELBIX_KILL_FOLDER", folder.path());
        env.insert("PELBIX_KILL_AT", s.step);
        env.insert("PELBIX_KILL_PORT", QString::number(server.port()));
        env.insert("PELBIX_KILL_KEY", QString::fromStdString(UpdateSignature::hex(publicKey.data(), publicKey.size())));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=UpdateKillChild.DISABLED_Run", "--gtest_also_run_disabled_tests"});
        ASSERT_TRUE(child.waitForStarted()) << step;
        if (s.fromOutside) {
            EXPECT_TRUE(waitUntil([&] { return due.load(); }, 20000)) << step;
            child.kill();
        }
        ASSERT_TRUE(child.waitForFinished(20000)) << step;
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << step << ": the child was not killed there";

        EXPECT_EQ(QProcess::execute(program, {}), kProgramExit) << step << ": no program to start";
        EXPECT_EQ(QFile::exists(QDir(folder.path()).filePath("qztsetup.exe")), s.verified) << step;
    }
}

} // namespace
