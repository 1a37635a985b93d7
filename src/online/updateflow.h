// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "net/updatesignature.h"

class QFile;
class QIODevice;
template <typename T> class QFutureWatcher;
class BackgroundFetch;
class HttpClient;

// The update check and self-update, free of any window: judges the version
// answer, and once the player accepts, fetches the signed release statement
// and the installer it names, checks both against the built-in key, and
// only then keeps a backup of the program and starts the installer. The
// program file stays in place throughout; every failure leaves through
// fail(), which runs nothing.
// Nothing here waits: the requests end in updateDownload's requestDone, the
// hashing runs through QtConcurrent and ends in a QFutureWatcher, and each
// end takes the next step. running() tells whether an update is under way.
class UpdateFlow : public QObject {
    Q_OBJECT
public:
    // Where things are and how the process ends; the main window fills
    // these, tests point them at temporary files.
    struct Setup {
        std::function<QString()> server;      // "http[s]://host[:port]" of the maker's server
        std::function<QString()> ownVersion;  // the about window's version caption
        QString programFile;                  // moved to its ".BAK" while updating
        std::function<QString()> downloadFolder; // with its trailing separator
        std::string keyHex;                   // empty: no self-update at all
        QString makerAddress;                 // named in the failure message
    };

    explicit UpdateFlow(Setup setup, QObject* parent = nullptr);
    ~UpdateFlow() override;

    // Whether this build may update itself: it has a usable key.
    [[nodiscard]] bool enabled() const { return m_key.has_value(); }

    // Starts the background version fetch; nothing without a key.
    void checkForUpdate();
    // Judges the version file's body, once it came with status 200 (any
    // other status is as silent as a failed check): only a version newer
    // than our own offers the update.
    void judgeVersionAnswer(QObject* Sender, const QByteArray& Result);
    // The player accepted: run startUpdate().
    void accept();
    // Starts the update; ignored while one is under way.
    void startUpdate();
    [[nodiscard]] bool running() const { return m_step != Step::Idle; }

    [[nodiscard]] QString versionUrl() const;
    [[nodiscard]] QString installerUrl() const;
    [[nodiscard]] QString signatureUrl() const;
    // The backup of the program kept when an installer starts ("game" -> "game.BAK").
    [[nodiscard]] static QString backupPath(const QString& programFile);

    void setProgramFile(const QString& path) { m_setup.programFile = path; }
    // Runs the installer; true when it started. QProcess::startDetached by default.
    std::function<bool(const QString& program, const QStringList& arguments)> startInstaller;
    // Ends the process once the installer runs (std::_Exit by default).
    std::function<void(int)> endProcess;
    // Saves what this run has to save before the process ends without its close sequence.
    std::function<void()> beforeInstall;

    BackgroundFetch* versionFetch = nullptr;
    HttpClient* updateDownload = nullptr;

signals:
    void versionJudged(bool offered);
    void updateOffered();
    void statusChanged(const QString& text);
    // A failure the player is told of in a message box.
    void failed(const QString& message);

private:
    enum class Step { Idle, Statement, Installer, Verifying };

    // Starts fetching url into target with updateDownload; requestDone() goes on.
    void startFetch(Step step, const QString& url, QIODevice* target, long long limit);
    void requestDone();
    // Whether the last fetch brought its whole answer: status below 400 and
    // neither more bytes than its limit nor fewer than the answer announced.
    [[nodiscard]] bool fetchComplete() const;
    // Why the last fetch failed when the connection itself did (lookup,
    // connect, certificate, silence before any answer); empty otherwise.
    [[nodiscard]] QString transportFailure() const;
    void statementArrived();
    void installerArrived();
    void verified(UpdateSignature::Verdict verdict);
    void install();
    // The one way out of a failed update. status: the panel's last text
    // (unchanged when empty); message: a message box, none when empty.
    void fail(const QString& status, const QString& message);
    [[nodiscard]] QString manualUpdateMessage() const;
    // The fetched statement, when it is good, about this program's
    // installer and newer than this program.
    [[nodiscard]] std::optional<ReleaseStatement> openStatement() const;
    // "game.BAK" beside "game", which stays in place; false when either cannot be made.
    [[nodiscard]] bool keepBackup() const;
    void setStatus(const QString& text);

    Setup m_setup;
    std::optional<UpdateSignature::PublicKey> m_key;
    QString m_partFile; // the download under its temporary name, while one runs
    Step m_step = Step::Idle;
    QByteArray m_statementText;
    std::unique_ptr<QIODevice> m_target;  // what the running fetch writes to
    std::optional<ReleaseStatement> m_statement;
    QString m_local;                      // the installer's name once verified
    QFutureWatcher<UpdateSignature::Verdict>* m_verifier = nullptr;
};
