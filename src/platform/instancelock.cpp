// SPDX-License-Identifier: MIT
#include "platform/instancelock.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString lockFileName()
{
    return QString::fromLatin1(InstanceLock::kName.data(), InstanceLock::kName.size()) + QStringLiteral(".lock");
}
} // namespace

QString InstanceLock::defaultPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isAbsolute() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(lockFileName());
    return QDir(QDir::tempPath())
        .filePath(QString::fromLatin1(kName.data(), kName.size()) + QLatin1Char('-') + QString::number(::getuid()) + QStringLiteral(".lock"));
}

InstanceLock::InstanceLock()
    : InstanceLock(QString())
{
}

InstanceLock::InstanceLock(const QString& folder)
    : m_path(folder.isEmpty() ? defaultPath() : QDir(folder).filePath(lockFileName()))
{
    // Not inherited by programs we start (the installer), or they would keep
    // holding it after we are gone. Never follows a link planted in a shared
    // temporary folder.
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}
