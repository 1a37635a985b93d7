// pelbixsolo-server: the command-line entry. Everything it runs lives in
// the units beside it; this file only wires options, signals and logging.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <pthread.h>
#include <thread>
#include <unistd.h>

#include "server/openscorestore.h"
#include "server/scoreserver.h"
#include "server/serveroptions.h"
#include "server/storeerror.h"

namespace {
constexpr int kExitUsage = 2;

void writeToStderr(const std::string& line)
{
    // One write per line keeps lines from different threads whole.
    const ssize_t ignored = ::write(STDERR_FILENO, line.data(), line.size());
    (void)ignored;
}
} // namespace

int main(int argc, char** argv)
{
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
    options.settings.log = writeToStderr;

    // Blocked here, before any thread starts, so only the waiting thread
    // below ever takes these signals.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        const auto store = openScoreStore(options.database, options.dataFolder, options.settings.limits.threads);
        ScoreServer server(*store, options.settings);
        const int port = server.bind();
        writeToStderr("pelbixsolo-server: listening on " + options.settings.host + ":" + std::to_string(port) +
                      ", scores in " + describeDatabase(options.database, options.dataFolder) + "\n");
        if (!options.settings.versionText)
            writeToStderr("pelbixsolo-server: no --version-text given; the version file answers 404\n");

        std::thread waiter([&] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            server.stop();
        });
        server.run();
        // run() may also end on its own; wake the waiter so it can be joined.
        pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        writeToStderr("pelbixsolo-server: stopped\n");
    } catch (const std::exception& error) {
        writeToStderr(std::string("pelbixsolo-server: ") + error.what() + "\n");
        return 1;
    }
    return 0;
}
