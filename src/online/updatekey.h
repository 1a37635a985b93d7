// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// The public key (hex) that installers must be signed with, as this build was
// configured. Empty in a build without one or without self-update: such a
// build never asks for a version or an installer.
struct UpdateKey {
    [[nodiscard]] static std::string builtIn();
};
