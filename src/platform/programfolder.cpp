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

} // namespace

ProgramFolder::ProgramFolder(QString settings, QString data, bool portable)
    : m_settings(std::move(settings))
    , m_data(std::move(data))
    , m_portable(portable)
{
}

ProgramFolder ProgramFolder::decide(const Facts& facts)
{
    if (!facts.installedCopy && facts.executableFolderWritable)
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

bool ProgramFolder::isInstalledCopy(const QString& executableFolder)
{
    return QFileInfo::exists(withSeparator(executableFolder) + QStringLiteral(PELBIX_INSTALL_MARKER));
}

QString ProgramFolder::translationsFolder(const QString& executableFolder)
{
    if (isInstalledCopy(executableFolder))
        return withSeparator(withSeparator(executableFolder) + QStringLiteral(PELBIX_TRANSLATIONS_FROM_GAMEDIR));
    return withSeparator(executableFolder) + QStringLiteral("translations/");
}

ProgramFolder ProgramFolder::atStartup()
{
    Facts facts;
    facts.executableFolder = QCoreApplication::applicationDirPath(); // symbolic links resolved
    facts.installedCopy = isInstalledCopy(facts.executableFolder);
    // An installed copy is never probed: root could write there, and must not.
    facts.executableFolderWritable = !facts.installedCopy && isWritable(facts.executableFolder);
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

QString ProgramFolder::historyFile() const { return m_data + QStringLiteral("history.sqlite3"); }
