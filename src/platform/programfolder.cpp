// SPDX-License-Identifier: MIT
#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/settings/productkey.h"

namespace {
const QString kSubfolder = QString::fromLatin1(kProductKey.data(), kProductKey.size());

QString withSeparator(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

// The install folder as the file system resolves it (on a merged /usr,
// /bin is /usr/bin); as built when it does not exist.
QString installedFolder()
{
    const QString built = QStringLiteral(PELBIX_INSTALL_BINDIR);
    const QString resolved = QFileInfo(built).canonicalFilePath();
    return resolved.isEmpty() ? built : resolved;
}
} // namespace

ProgramFolder::ProgramFolder(QString settings, QString data, bool portable)
    : m_settings(std::move(settings))
    , m_data(std::move(data))
    , m_portable(portable)
{
}

ProgramFolder ProgramFolder::decide(const Facts& facts)
{
    const bool installed = !facts.installedFolder.isEmpty()
                           && withSeparator(facts.executableFolder) == withSeparator(facts.installedFolder);
    if (!installed && facts.executableFolderWritable)
        return at(facts.executableFolder);
    return ProgramFolder(withSeparator(facts.configHome + QLatin1Char('/') + kSubfolder),
                         withSeparator(facts.dataHome + QLatin1Char('/') + kSubfolder), false);
}

ProgramFolder ProgramFolder::at(const QString& folder)
{
    return ProgramFolder(withSeparator(folder), withSeparator(folder), true);
}

bool ProgramFolder::isWritable(const QString& folder)
{
    QTemporaryFile probe(withSeparator(folder) + QStringLiteral(".pelbixsolo-probe-XXXXXX"));
    return probe.open();
}

ProgramFolder ProgramFolder::atStartup()
{
    Facts facts;
    facts.executableFolder = QCoreApplication::applicationDirPath(); // symbolic links resolved
    facts.installedFolder = installedFolder();
    // An installed copy is never probed: root could write there, and must not.
    facts.executableFolderWritable = withSeparator(facts.executableFolder) != withSeparator(facts.installedFolder)
                                     && isWritable(facts.executableFolder);
    facts.configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    facts.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const ProgramFolder folder = decide(facts);
    // The first write of a file must not fail merely because its folder is new.
    QDir().mkpath(folder.settingsFolder());
    QDir().mkpath(folder.dataFolder());
    return folder;
}

QString ProgramFolder::settingsFile(const QString& productkey) const
{
    return m_settings + productkey + QStringLiteral(".ini");
}

QString ProgramFolder::tallyFile(const QString& productkey) const
{
    return m_data + productkey + QStringLiteral("tally.tld");
}
