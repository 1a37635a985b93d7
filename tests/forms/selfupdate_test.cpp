// SPDX-License-Identifier: MIT
// The self-update's own rules: which release statements and versions count,
// and that an update killed at any point leaves a program to start.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <fstream>

#include "online/updateflow.h"
#include "net/backgroundfetch.h"
#include "net/httpclient.h"
#include "net/updatesignature.h"
#include "support/eventwait.h"
#include "support/scriptedhttpserver.h"
#include "support/tlstestserver.h"

namespace {

constexpr char kProgram[] = "#!/bin/sh\nexit 7\n";
constexpr int kProgramExit = 7;

// Every line of a statement has one spelling; anything else is refused
// before its signature is even looked at.
TEST(ReleaseStatement, OnlyTheCanonicalFormParses)
{
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};
    UpdateSignature::generate(publicKey, secretKey);
    const ReleaseStatement statement{"pelbixsolo", "1.0.3", "qztsetup.exe", 512, {}};
    const std::string good = UpdateSignature::sign(statement, secretKey);
    ASSERT_FALSE(good.empty());
    const auto changed = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    ReleaseStatement opened;
    EXPECT_EQ(UpdateSignature::open(good, publicKey, opened), UpdateSignature::Verdict::Good);
    EXPECT_EQ(opened.version, "1.0.3");
    for (const std::string& bad :
         {changed("\n", "\r\n"), good + "extra 1\n", good.substr(0, good.size() - 1), changed("size 512", "size 0512"),
          changed("size 512", "size 0"), changed("sha256 00", "sha256 0A"), changed("version 1.0.3", "version 1.0.3 "),
          changed("file qztsetup.exe", "file ../qztsetup.exe"), changed("product ", "product  "),
          changed("pelbixsolo-release 1", "pelbixsolo-release 2"), changed("version 1.0.3\n", "")}) {
        EXPECT_FALSE(UpdateSignature::parse(bad)) << bad;
        EXPECT_EQ(UpdateSignature::open(bad, publicKey, opened), UpdateSignature::Verdict::Malformed) << bad;
    }
    // Nothing is signed that would not read back the same.
    for (const ReleaseStatement& unsignable :
         {ReleaseStatement{"pelbixsolo", "1.0.3\nfile x", "qztsetup.exe", 1, {}},
          ReleaseStatement{"pelbixsolo", "1.0.3", "qzt setup.exe", 1, {}},
          ReleaseStatement{"Pelbix Solo", "1.0.3", "qztsetup.exe", 1, {}}})
        EXPECT_TRUE(UpdateSignature::sign(unsignable, secretKey).empty()) << unsignable.version;
}

TEST(ReleaseStatement, VersionsCompareAsNumbers)
{
    const struct {
        const char* candidate;
        const char* own;
        bool newer;
    } cases[] = {
        {"1.0.3", "1.0.2", true},   {"1.0.10", "1.0.9", true}, {"2", "1.9.9", true},     {"1.0.2.1", "1.0.2", true},
        {"1.0.2", "1.0.2", false},  {"1.0", "1.0.0", false},   {"1.0.0", "1.0", false},  {"1.0.1", "1.0.2", false},
        {"1.0.3", "x", false},      {"", "1.0.2", false},      {"1..3", "1.0.2", false}, {"1.0.3.", "1.0.2", false},
        {"+2", "1.0.2", false},     {"1.0.3-rc1", "1.0.2", false},
        {"1234567890.0", "1.0.2", false}, // past what a part may hold
        {"1.2.3.4.5.6.7.8.9", "1.0.2", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UpdateSignature::newerVersion(c.candidate, c.own), c.newer) << c.candidate << " vs " << c.own;
}

// The update itself, run only as the child of the test below.
TEST(UpdateKillChild, DISABLED_Run)
{
    const QString folder = qEnvironmentVariable("PELBIX_KILL_FOLDER");
    const QString step = qEnvironmentVariable("PELBIX_KILL_AT");
    UpdateFlow::Setup setup;
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
    EXPECT_TRUE(waitUntil([&] { return !flow.running(); }, 20000));
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

// A connection that fails on the way to the installer says why in the box;
// the background check over the same connection stays silent.
TEST(UpdateFlowHttps, AnUntrustedInstallerServerIsToldWithItsReason)
{
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};
    UpdateSignature::generate(publicKey, secretKey);
    QTemporaryDir work;
    const std::string installer(512, 'x');
    const std::string installerPath = QDir(work.path()).filePath("qztsetup.exe").toStdString();
    std::ofstream(installerPath, std::ios::binary) << installer;
    const std::string sigText = UpdateSignature::sign(
        {"pelbixsolo", "1.0.3", "qztsetup.exe", installer.size(), UpdateSignature::hashFile(installerPath).value()},
        secretKey);
    TlsTestServer server(ScriptedHttpServer::answer(200, "OK", sigText).c_str());
    ASSERT_TRUE(server.ready());

    UpdateFlow::Setup setup;
    setup.server = [&] { return server.url(QString()); };
    setup.ownVersion = [] { return QStringLiteral("1.0.2"); };
    setup.programFile = QDir(work.path()).filePath("pelbixsolo");
    setup.downloadFolder = [&] { return work.path() + QLatin1Char('/'); };
    setup.keyHex = UpdateSignature::hex(publicKey.data(), publicKey.size());
    setup.makerAddress = QStringLiteral("http://maker.example");
    UpdateFlow flow(setup);
    QSignalSpy failed(&flow, &UpdateFlow::failed);
    QSignalSpy offered(&flow, &UpdateFlow::updateOffered);
    flow.checkForUpdate();
    ASSERT_TRUE(waitUntil([&] { return !flow.versionFetch->Busy(); }));
    EXPECT_EQ(offered.count() + failed.count(), 0) << "the background check is silent";

    // The statement comes over a trusted connection; the installer's
    // connection no longer trusts the server's certificate.
    flow.updateDownload->CaCertificates = server.certificateFile();
    flow.updateDownload->OnDocEnd = [&](QObject*) { flow.updateDownload->CaCertificates.clear(); };
    flow.accept();
    flow.accept(); // a second Yes while the first runs starts nothing
    ASSERT_TRUE(waitUntil([&] { return !flow.running(); }));
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed[0][0].toString(),
              "There was an error in the update process. Please downloadPELBIXSOLO manually from "
              "http://maker.example.\ncan't establish a secure connection: The certificate is self-signed, and untrusted");
    EXPECT_EQ(server.requests(), 1) << "the statement only: no installer request over the untrusted connection";
    EXPECT_FALSE(QFile::exists(QDir(work.path()).filePath("qztsetup.exe.part")));
}

} // namespace
