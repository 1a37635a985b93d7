// SPDX-License-Identifier: MIT
#include "server/serveroptions.h"

#include <charconv>
#include <optional>

#include "protocol/wirecontract.h"

namespace {
constexpr int kMaxThreads = 256;
constexpr int kMaxConnections = 1000000;
constexpr int kMaxDatabaseTimeout = 60;

int readInteger(const std::string& option, const std::string& text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw OptionError(option + " needs a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                          ", not \"" + text + "\"");
    return value;
}

// "ADDR:PORT", "[IPv6]:PORT" or ":PORT" (every IPv6 and IPv4 address,
// left as an empty host).
void readListen(const std::string& option, const std::string& text, std::string& host, int& port)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos)
        throw OptionError(option + " needs ADDRESS:PORT, not \"" + text + "\"");
    host = text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    else if (host.find(':') != std::string::npos)
        throw OptionError(option + ": write an IPv6 address in brackets, as [::1]:8080");
    port = readInteger(option, text.substr(colon + 1), 0, 65535);
}
} // namespace

ServerOptions parseServerOptions(const std::vector<std::string>& args)
{
    ServerOptions options;
    std::optional<std::filesystem::path> installer;
    std::optional<std::filesystem::path> signature;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        const auto value = [&]() -> std::string {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw OptionError(name + " needs a value");
            return args[++i];
        };
        if (name == "--listen") {
            readListen(name, value(), options.settings.host, options.settings.port);
        } else if (name == "--admin-listen") {
            int port = 0;
            readListen(name, value(), options.settings.adminHost, port);
            options.settings.adminPort = port;
        } else if (name == "--log") {
            options.logFile = value();
            if (options.logFile.empty())
                throw OptionError("--log needs a file name");
        }
        else if (name == "--data")
            options.dataFolder = value();
        else if (name == "--database")
            options.database = value();
        else if (name == "--version-text")
            options.settings.versionText = value();
        else if (name == "--installer")
            installer = value();
        else if (name == "--signature")
            signature = value();
        else if (name == "--post-limit")
            options.settings.postLimit = readInteger(name, value(), 0, 1000000);
        else if (name == "--threads")
            options.settings.limits.threads = static_cast<unsigned>(readInteger(name, value(), 1, kMaxThreads));
        else if (name == "--per-address-limit")
            options.settings.limits.perAddress = static_cast<unsigned>(readInteger(name, value(), 0, kMaxConnections));
        else if (name == "--max-connections")
            options.settings.limits.maxConnections = static_cast<unsigned>(readInteger(name, value(), 1, kMaxConnections));
        else if (name == "--database-timeout")
            options.settings.databaseTimeout = std::chrono::seconds(readInteger(name, value(), 1, kMaxDatabaseTimeout));
        else
            throw OptionError("unknown option \"" + args[i] + "\"");
    }
    options.settings.installer = installer ? *installer : options.dataFolder / wire::kInstallerName;
    options.settings.signature = signature ? *signature : std::filesystem::path(options.settings.installer.string() + std::string(wire::kSignatureSuffix));
    return options;
}

std::string serverUsage()
{
    return "Usage: pelbixsolo-server [OPTION]...\n"
           "       pelbixsolo-server backup FILE [OPTION]...\n"
           "Serves Pelbix Solo's online side: score posts, the high-score list,\n"
           "the version file and the installer. backup writes a consistent copy of\n"
           "the SQLite database the options name to FILE, also while a server runs.\n"
           "\n"
           "  --listen ADDR:PORT   address to listen on (default 127.0.0.1:8080;\n"
           "                       [::1]:8080 for IPv6, :8080 for every IPv6 and IPv4\n"
           "                       address)\n"
           "  --admin-listen ADDR:PORT  where to answer /metrics (Prometheus text) and\n"
           "                       /healthz; off by default. Keep it off the internet\n"
           "  --log FILE           append the log to FILE instead of standard error;\n"
           "                       SIGHUP reopens it (after a log rotation)\n"
           "  --data DIR           data folder (default: the current folder); holds the\n"
           "                       SQLite database pelbixsolo-scores.sqlite3\n"
           "  --database URL       postgresql://user@host:port/db to keep the scores in\n"
           "                       PostgreSQL (password from PGPASSWORD or ~/.pgpass),\n"
           "                       or sqlite:FILE\n"
           "  --database-timeout S longest wait for the database, in seconds (default 2);\n"
           "                       a post past it is answered 503 and not stored\n"
           "  --version-text TEXT  the version file's exact content (no line end is\n"
           "                       added); without it the file answers 404, empty\n"
           "  --installer FILE     the installer to offer (default: DIR/qztsetup.exe)\n"
           "  --signature FILE     its detached signature (default: the installer's\n"
           "                       path with .sig added)\n"
           "  --post-limit N       score posts a minute from one address: N at once,\n"
           "                       then one every 60/N seconds (default 10; 0 = no limit)\n"
           "  --threads N          threads serving connections (default: one per core)\n"
           "  --per-address-limit N  open connections from one address, an IPv6\n"
           "                       address counting by its /64 (default 16; 0 = no limit)\n"
           "  --max-connections N  open connections in all (default 1024); at the limit\n"
           "                       the oldest idle or slow one is closed for a new\n"
           "                       client, or the client gets 503 at once\n"
           "  --help               show this text\n"
           "\n"
           "Logs one line per request to standard error (or --log FILE); stops on\n"
           "SIGTERM or SIGINT.\n";
}
