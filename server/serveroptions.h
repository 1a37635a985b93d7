// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "server/serversettings.h"

// The command line of pelbixsolo-server, read into settings.
struct ServerOptions {
    ServerSettings settings;
    std::filesystem::path dataFolder = ".";
    std::string database; // empty: SQLite in dataFolder
    std::filesystem::path logFile; // empty: standard error
    bool help = false;
};

class OptionError : public std::runtime_error {
public:
    explicit OptionError(const std::string& message) : std::runtime_error(message) {}
};

// args without the program name. "--name value" and "--name=value" both
// work. Throws OptionError naming the option at fault.
[[nodiscard]] ServerOptions parseServerOptions(const std::vector<std::string>& args);

[[nodiscard]] std::string serverUsage();
