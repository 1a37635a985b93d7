// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <string_view>

// Replaces a file's whole content so that readers see either the old file or
// the new one, never a mixture: the bytes go to a fresh file in the same
// folder, reach the disk, and are renamed over the old name.
class AtomicFile {
public:
    // Throws FileError naming the path when any step fails; the old file is
    // then untouched and no temporary file is left behind. A symbolic link is
    // followed, so the file it points to is the one replaced.
    static void replace(const std::filesystem::path& path, std::string_view content);
};
