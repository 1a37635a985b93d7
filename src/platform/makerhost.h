// SPDX-License-Identifier: MIT
#pragma once
#include "core/settings/serveraddress.h"

struct Settings;

// The maker's web server: the settings file's "Server" key when it holds a
// usable host, else the host the program was built with.
class MakerHost {
public:
    [[nodiscard]] static ServerAddress builtIn();
    [[nodiscard]] static ServerAddress of(const Settings& settings);
};
