// SPDX-License-Identifier: MIT
#include "core/settings/atomicfile.h"

#include "core/settings/fileerror.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kNameAttempts = 100;

std::filesystem::path followLinks(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) {
        const auto target = std::filesystem::canonical(path, ec);
        if (!ec)
            return target;
    }
    return path;
}

constexpr const char* kCannotCreate = QT_TRANSLATE_NOOP("FileError", "cannot create a file in the folder of (%2): %1");
constexpr const char* kCannotSetPermissions = QT_TRANSLATE_NOOP("FileError", "cannot set the permissions of (%2): %1");
constexpr const char* kCannotWrite = QT_TRANSLATE_NOOP("FileError", "cannot write (%2): %1");
constexpr const char* kCannotFlush = QT_TRANSLATE_NOOP("FileError", "cannot flush (%2): %1");
constexpr const char* kCannotReplace = QT_TRANSLATE_NOOP("FileError", "cannot replace (%2): %1");

// A name no other writer in this or another process is using right now.
int createTemporary(const std::filesystem::path& target, std::filesystem::path& tempPath)
{
    static std::atomic<unsigned> counter{0};
    const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        tempPath = folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "."
                             + std::to_string(counter++) + ".tmp");
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The rename is already visible; this only hurries it to the disk.
        ::fsync(fd);
        ::close(fd);
    }
}
} // namespace

void AtomicFile::replace(const std::filesystem::path& path, std::string_view content)
{
    const auto target = followLinks(path);
    std::filesystem::path tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0)
        throw FileError(kCannotCreate, path, std::strerror(errno));

    const auto fail = [&](const char* pattern, int error) {
        ::close(fd);
        ::unlink(tempPath.c_str());
        throw FileError(pattern, path, std::strerror(error));
    };

    // A replaced file keeps the permissions it had.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        fail(kCannotSetPermissions, errno);
    if (!writeAll(fd, content))
        fail(kCannotWrite, errno);
    if (::fsync(fd) != 0)
        fail(kCannotFlush, errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        throw FileError(kCannotWrite, path, std::strerror(error));
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        throw FileError(kCannotReplace, path, std::strerror(error));
    }
    syncFolder(target.parent_path());
}
