// SPDX-License-Identifier: MIT
// pelbixsolo-server: the command-line entry. Everything it runs lives in
// the units beside it; this file only wires options, signals and logging.
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <string_view>
#include <iostream>
#include <memory>
#include <pthread.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include "server/connectiongate.h"
#include "server/logfile.h"
#include "server/openscorestore.h"
#include "server/scoreserver.h"
#include "server/serveroptions.h"
#include "server/storeerror.h"

namespace {
constexpr int kExitUsage = 2;
// Files open besides the connections and the installers they are sent:
// the database, the log, the library's own.
constexpr rlim_t kSpareFiles = 64;
// Only the store worker reaches the database, one operation at a time.
constexpr std::size_t kDatabaseConnections = 1;

void writeToStderr(const std::string& line)
{
    // One write per line keeps lines from different threads whole.
    const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
    (void)ignored;
}

// A password on the command line is readable by every user of the machine
// through the process list: blank it there at once.
bool blankPasswords(int argc, char** argv, const std::string& database)
{
    const auto spans = passwordSpans(database);
    if (spans.empty())
        return false;
    for (int i = 1; i < argc; ++i) {
        char* found = std::strstr(argv[i], database.c_str());
        if (found == nullptr)
            continue;
        for (const auto& [offset, length] : spans)
            std::memset(found + offset, 'x', length);
    }
    return true;
}

// A service under a dynamic user cannot read a password file of root's;
// systemd hands it a private copy instead (LoadCredential=pgpass:FILE),
// which libpq reads where PGPASSFILE points. A file that libpq cannot read
// it passes over in silence, so say so before the login fails.
void usePasswordFile(const std::string& database, const std::function<void(const std::string&)>& log)
{
    if (database.rfind("postgres", 0) != 0)
        return;
    const char* credentials = std::getenv("CREDENTIALS_DIRECTORY");
    if (credentials != nullptr && *credentials != '\0' && std::getenv("PGPASSFILE") == nullptr) {
        const std::string file = std::string(credentials) + "/pgpass";
        if (::access(file.c_str(), F_OK) == 0)
            ::setenv("PGPASSFILE", file.c_str(), 1);
    }
    const char* file = std::getenv("PGPASSFILE");
    if (file != nullptr && *file != '\0' && ::access(file, R_OK) != 0)
        log(std::string("pelbixsolo-server: cannot read the password file ") + file + " (PGPASSFILE): " +
                      std::strerror(errno) + "; it must be readable by the user the server runs as\n");
}

// Every connection is a file descriptor; lift the soft limit to what the
// connection cap needs, as far as the hard limit allows.
void allowConnections(unsigned maxConnections)
{
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) != 0)
        return;
    const rlim_t wanted = std::min<rlim_t>(files.rlim_max, 2 * static_cast<rlim_t>(maxConnections) + kSpareFiles);
    if (files.rlim_cur < wanted) {
        files.rlim_cur = wanted;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
}

// pelbixsolo-server backup FILE [OPTION]...: a consistent copy of the
// SQLite database the options name, also while a server writes to it.
int backup(int argc, char** argv)
{
    if (argc < 3 || argv[2][0] == '-') {
        std::cerr << "pelbixsolo-server: backup needs the file to write: pelbixsolo-server backup FILE [--data DIR | "
                     "--database sqlite:FILE]\n";
        return kExitUsage;
    }
    ServerOptions options;
    try {
        options = parseServerOptions(std::vector<std::string>(argv + 3, argv + argc));
    } catch (const OptionError& error) {
        std::cerr << "pelbixsolo-server: " << error.what() << "\nTry 'pelbixsolo-server --help'.\n";
        return kExitUsage;
    }
    try {
        backupScoreStore(options.database, options.dataFolder, argv[2]);
    } catch (const std::exception& error) {
        writeToStderr(std::string("pelbixsolo-server: backup: ") + error.what() + "\n");
        return 1;
    }
    writeToStderr("pelbixsolo-server: " + describeDatabase(options.database, options.dataFolder) + " copied to " +
                  argv[2] + "\n");
    return 0;
}

std::string listeningOn(const std::string& host, int port)
{
    if (host.empty())
        return "[::]:" + std::to_string(port) + " (every IPv6 and IPv4 address)";
    return (host.find(':') != std::string::npos ? "[" + host + "]" : host) + ":" + std::to_string(port);
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::string_view(argv[1]) == "backup")
        return backup(argc, argv);
    ServerOptions options;
    try {
        options = parseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const OptionError& error) {
        std::cerr << "pelbixsolo-server: " << error.what() << "\nTry 'pelbixsolo-server --help'.\n";
        return kExitUsage;
    }
    if (options.help) {
        std::cout << serverUsage();
        return 0;
    }
    const bool passwordShown = blankPasswords(argc, argv, options.database);
    std::unique_ptr<LogFile> logFile;
    try {
        logFile = std::make_unique<LogFile>(options.logFile);
    } catch (const std::exception& error) {
        writeToStderr(std::string("pelbixsolo-server: ") + error.what() + "\n");
        return 1;
    }
    const auto log = [&logFile](const std::string& line) { logFile->write(line); };
    if (passwordShown)
        log("pelbixsolo-server: a password in --database is visible to other users while the server "
            "starts; put it in PGPASSWORD or ~/.pgpass instead\n");
    usePasswordFile(options.database, log);
    options.settings.log = log;
    allowConnections(options.settings.limits.maxConnections);

    // Blocked here, before any thread starts, so only the waiting thread
    // below ever takes these signals.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    try {
        // Both addresses first: a server that cannot listen leaves no
        // database behind.
        ListenSocket listen(options.settings.host, options.settings.port);
        ListenSocket admin = options.settings.adminPort
                                 ? ListenSocket(options.settings.adminHost, *options.settings.adminPort)
                                 : ListenSocket();
        const auto store = openScoreStore(options.database, options.dataFolder, kDatabaseConnections,
                                          options.settings.databaseTimeout);
        ScoreServer server(*store, options.settings);
        const int port = server.bind(std::move(listen), std::move(admin));
        log("pelbixsolo-server: listening on " + listeningOn(options.settings.host, port) + ", scores in " +
            describeDatabase(options.database, options.dataFolder) + "\n");
        if (server.adminPort() != 0)
            log("pelbixsolo-server: /metrics and /healthz on " +
                listeningOn(options.settings.adminHost, server.adminPort()) + "\n");
        if (!options.settings.versionText)
            log("pelbixsolo-server: no --version-text given; the version file answers 404\n");

        std::thread waiter([&] {
            int signal = 0;
            while (sigwait(&signals, &signal) == 0 && signal == SIGHUP)
                log("pelbixsolo-server: SIGHUP: " + logFile->reopen() + "\n");
            server.stop();
        });
        std::exception_ptr failure;
        try {
            server.run();
        } catch (...) {
            failure = std::current_exception();
        }
        // run() may also end on its own; wake the waiter so it can be joined.
        pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        if (failure)
            std::rethrow_exception(failure);
        log("pelbixsolo-server: stopped\n");
    } catch (const std::exception& error) {
        log(std::string("pelbixsolo-server: ") + error.what() + "\n");
        return 1;
    }
    return 0;
}
