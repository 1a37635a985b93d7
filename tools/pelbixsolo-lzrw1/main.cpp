// SPDX-License-Identifier: MIT
// pelbixsolo-lzrw1: the tally file's compressor on the command line.
//   pelbixsolo-lzrw1 c fast|good|auto IN OUT    compress
//   pelbixsolo-lzrw1 d IN OUT                   decompress (either method)
//   pelbixsolo-lzrw1 advise IN                  print the method Auto would pick
// Exit status 0 on success; on failure the message goes to stderr, status 1.
// Files are coded a piece at a time: memory stays a few megabytes whatever
// their size, and Fast blocks are coded on every core.
#include <cstdio>
#include <exception>
#include <string>

#include "core/compress/compressor.h"

namespace {
constexpr int kUsageError = 2;

int usage()
{
    std::fputs("usage: pelbixsolo-lzrw1 c fast|good|auto IN OUT\n"
               "       pelbixsolo-lzrw1 d IN OUT\n"
               "       pelbixsolo-lzrw1 advise IN\n",
               stderr);
    return kUsageError;
}

bool parseMode(const std::string& text, CompressMode& mode)
{
    if (text == "fast")
        mode = CompressMode::Fast;
    else if (text == "good")
        mode = CompressMode::Good;
    else if (text == "auto")
        mode = CompressMode::Auto;
    else
        return false;
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    Compressor coder;
    try {
        if (command == "c" && argc == 5) {
            CompressMode mode{};
            if (!parseMode(argv[2], mode))
                return usage();
            coder.setMode(mode);
            coder.setInputFile(argv[3]);
            coder.setOutputFile(argv[4]);
            coder.compress();
        } else if (command == "d" && argc == 4) {
            coder.setInputFile(argv[2]);
            coder.setOutputFile(argv[3]);
            coder.decompress();
        } else if (command == "advise" && argc == 3) {
            coder.setInputFile(argv[2]);
            const CompressMode mode = coder.advise();
            std::printf("%s\n%s\n", mode == CompressMode::Fast ? "fast" : "good", coder.caption().c_str());
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
