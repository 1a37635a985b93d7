#pragma once
#include <QString>

// Where the program keeps its files. Beside the executable when that folder
// is writable (the portable layout); otherwise the settings go to the XDG
// configuration folder and the tally and downloads to the XDG data folder.
// Every folder text ends with "/", so a file name can simply be appended.
class ProgramFolder {
public:
    // Points every folder at one place; set by tests (and by a wrapper
    // script that wants a private copy of the files).
    static constexpr const char* kOverrideVariable = "PELBIX_PROGRAM_FOLDER";

    // The program's folders as they are now, created when missing.
    [[nodiscard]] static ProgramFolder current();

    // The decision itself, every input spelled out. override wins when not
    // empty; then the executable's folder when writable; then the XDG pair,
    // each with a "pelbixsolo" folder of its own.
    [[nodiscard]] static ProgramFolder decide(const QString& override, const QString& executableFolder,
                                              bool executableFolderWritable, const QString& configHome,
                                              const QString& dataHome);

    // Whether a file can be created in the folder: tried, not guessed from
    // permission bits, so read-only mounts and root's rights count.
    [[nodiscard]] static bool isWritable(const QString& folder);

    // Process-wide override that wins over the environment; empty clears it.
    static void setOverride(const QString& folder);

    [[nodiscard]] bool portable() const { return m_portable; }
    [[nodiscard]] const QString& settingsFolder() const { return m_settings; }
    [[nodiscard]] const QString& dataFolder() const { return m_data; }
    [[nodiscard]] const QString& downloadFolder() const { return m_data; }
    [[nodiscard]] QString settingsFile(const QString& productkey) const;   // productkey + ".ini"
    [[nodiscard]] QString tallyFile(const QString& productkey) const;      // productkey + "tally.tld"

private:
    ProgramFolder(QString settings, QString data, bool portable);

    QString m_settings;
    QString m_data;
    bool m_portable;
};
