// SPDX-License-Identifier: MIT
// wavgen FOLDER: writes the sound cues' WAV files into FOLDER.
#include "wavgen/cuetable.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: wavgen FOLDER\n", stderr);
        return 2;
    }
    try {
        for (const auto& path : CueTable::writeAll(argv[1]))
            std::printf("%s\n", path.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "wavgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
