// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's texts in the player's language. The English texts in the
// code are the source and the default; a catalogue only ever replaces what
// the player reads, never a file name, a settings key or a request.
namespace translations {

// Installs the catalogue (pelbixsolo_LANG.qm in folder) of the first of
// the desktop's languages that has one, with Qt's own texts for it where
// the system has them. A language is tried as named ("de_AT") and then
// alone ("de"); English listed before any catalogue's language keeps the
// program English. Returns the catalogue's language, empty for English.
QString install(QCoreApplication& app, const QString& folder, const QStringList& uiLanguages);

// Whether a compiled catalogue can be handed to Qt: Qt trusts the offsets
// and lengths inside the file, so a damaged one would crash the program
// on its first text. Every message must lie whole inside the file; a
// catalogue that names other catalogues to load is refused.
[[nodiscard]] bool isSoundCatalogue(const QByteArray& bytes);

// The language of the installed catalogue ("de", "en_XA"); empty while
// the program speaks English.
[[nodiscard]] QString language();

// A file that exists once per language, such as a help page: folder/LANG/name
// for the catalogue's language as named, then alone ("de_AT", "de"), and
// the English folder/name where the language has none.
[[nodiscard]] QString localizedFile(const QString& folder, const QString& name,
                                    const QString& catalogueLanguage = language());

// Larger than any catalogue of this game's few hundred texts can be.
inline constexpr qint64 kMaxCatalogueBytes = 4 * 1024 * 1024;

} // namespace translations
