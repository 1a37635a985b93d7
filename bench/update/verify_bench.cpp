// SPDX-License-Identifier: MIT
// The wait after an installer download: checking a 50 MB file against its
// signed release statement (signature, size, SHA-256), as the game does,
// interleaved with sha256sum over the same file as the peer. Prints the
// best of the runs for each and their ratio.
// Usage: pelbix_verifybench [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "net/updatesignature.h"

namespace {

constexpr std::size_t kSize = 50 * 1024 * 1024;

template <typename Work>
double seconds(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pelbix-verifybench";
    std::filesystem::create_directories(folder);
    const std::string installer = (folder / "qztsetup.exe").string();
    {
        std::vector<char> bytes(kSize);
        std::mt19937_64 random(7);
        std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random()); });
        std::ofstream(installer, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};
    UpdateSignature::generate(publicKey, secretKey);
    const ReleaseStatement signedStatement{"pelbixsolo", "1.0.3", "qztsetup.exe", kSize,
                                           UpdateSignature::hashFile(installer).value()};
    const std::string sigText = UpdateSignature::sign(signedStatement, secretKey);
    const std::string peer = "sha256sum '" + installer + "' >/dev/null";

    double ours = 1e9;
    double theirs = 1e9;
    bool good = true;
    for (int run = 0; run < runs; ++run) {
        ours = std::min(ours, seconds([&] {
            ReleaseStatement statement;
            good = good && UpdateSignature::open(sigText, publicKey, statement) == UpdateSignature::Verdict::Good &&
                   UpdateSignature::matchesFile(installer, statement) == UpdateSignature::Verdict::Good;
        }));
        theirs = std::min(theirs, seconds([&] { good = good && std::system(peer.c_str()) == 0; }));
    }
    std::filesystem::remove_all(folder);
    if (!good) {
        std::fprintf(stderr, "verification failed\n");
        return 1;
    }
    std::printf("50 MB, best of %d: statement + size + SHA-256 %.3f s (target <= 0.3 s), sha256sum %.3f s, "
                "ratio %.2fx\n",
                runs, ours, theirs, ours / theirs);
    return 0;
}
