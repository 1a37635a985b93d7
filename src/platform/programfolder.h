// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// Where the program keeps its files, decided once at start-up and handed to
// the windows that need it. A portable copy (a build folder, an unpacked
// archive) keeps them beside the executable. An installed copy (whatever
// its prefix), or one in a folder it cannot write, keeps the settings
// in the XDG configuration folder and the tally and downloads in the XDG
// data folder. Every folder text ends with "/", so a file name can simply
// be appended.
class ProgramFolder {
public:
    // What the decision depends on, spelled out so it can be tested.
    struct Facts {
        QString executableFolder;
        bool installedCopy = false;
        bool executableFolderWritable = false;
        QString configHome;
        QString dataHome;
    };

    // The running program's folders, created when missing. Call once.
    [[nodiscard]] static ProgramFolder atStartup();

    [[nodiscard]] static ProgramFolder decide(const Facts& facts);

    // Whether the program in this folder is an installed copy: its
    // AppStream entry is installed beside it (../share/metainfo/ from the
    // program's folder for the usual layouts).
    [[nodiscard]] static bool isInstalledCopy(const QString& executableFolder);

    // Where the compiled translations of the program in executableFolder
    // are: the installed data folder for an installed copy, translations/
    // beside the program for a portable one (ends with "/").
    [[nodiscard]] static QString translationsFolder(const QString& executableFolder);

    // Every file in the one folder given: what tests use.
    [[nodiscard]] static ProgramFolder at(const QString& folder);

    // Whether a file can be created in the folder: tried, not guessed from
    // permission bits, so read-only mounts and root's rights count.
    [[nodiscard]] static bool isWritable(const QString& folder);

    [[nodiscard]] bool portable() const { return m_portable; }
    [[nodiscard]] const QString& settingsFolder() const { return m_settings; }
    [[nodiscard]] const QString& dataFolder() const { return m_data; }
    [[nodiscard]] const QString& downloadFolder() const { return m_data; }
    [[nodiscard]] QString settingsFile(const QString& productkey) const;   // productkey + ".ini"
    [[nodiscard]] QString tallyFile(const QString& productkey) const;      // productkey + "tally.tld"
    [[nodiscard]] QString historyFile() const;                              // "history.sqlite3", beside the tally

private:
    ProgramFolder(QString settings, QString data, bool portable);

    QString m_settings;
    QString m_data;
    bool m_portable;
};
