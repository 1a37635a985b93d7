#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
const QString kSubfolder = QStringLiteral("pelbixsolo");

QString& overrideFolder()
{
    static QString folder;
    return folder;
}

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

ProgramFolder ProgramFolder::decide(const QString& override, const QString& executableFolder,
                                    bool executableFolderWritable, const QString& configHome,
                                    const QString& dataHome)
{
    if (!override.isEmpty())
        return ProgramFolder(withSeparator(override), withSeparator(override), true);
    if (executableFolderWritable)
        return ProgramFolder(withSeparator(executableFolder), withSeparator(executableFolder), true);
    return ProgramFolder(withSeparator(configHome + QLatin1Char('/') + kSubfolder),
                         withSeparator(dataHome + QLatin1Char('/') + kSubfolder), false);
}

bool ProgramFolder::isWritable(const QString& folder)
{
    QTemporaryFile probe(withSeparator(folder) + QStringLiteral(".pelbixsolo-probe-XXXXXX"));
    return probe.open();
}

void ProgramFolder::setOverride(const QString& folder)
{
    overrideFolder() = folder;
}

ProgramFolder ProgramFolder::current()
{
    QString override = overrideFolder();
    if (override.isEmpty())
        override = qEnvironmentVariable(kOverrideVariable);
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const bool writable = override.isEmpty() && isWritable(executableFolder);
    const auto folder
        = decide(override, executableFolder, writable,
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                 QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
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
