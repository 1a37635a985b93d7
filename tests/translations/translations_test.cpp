// SPDX-License-Identifier: MIT
#include "platform/programfolder.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
const QString kQmFolder = QStringLiteral(PELBIX_QM_DIR);

QString confirmCaption()
{
    return QCoreApplication::translate("DialogService", "Confirm");
}

void removeTranslators()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}
} // namespace

TEST(Translations, TheFirstDesktopLanguageWithACatalogueWinsAndEnglishOtherwise)
{
    const struct {
        QStringList desktop;
        const char* language;
        const char* confirm; // nullptr: the pseudo-locale
    } cases[] = {
        {{"de-DE", "de", "en-US"}, "de", "Bestätigen"},
        {{"fr-CA"}, "fr", "Confirmer"},          // the language alone when the country has no catalogue
        {{"ja-JP", "es-MX", "de"}, "es", "Confirmar"},
        {{"en-XA"}, "en_XA", nullptr},
        {{"en-GB", "de-DE"}, "", "Confirm"},     // English listed first stays English
        {{"pt-BR", "it"}, "", "Confirm"},
        {{}, "", "Confirm"},
        // Names from the environment are never a path.
        {{"../translations/pelbixsolo_de", "/pelbixsolo_fr"}, "", "Confirm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.desktop.join(QLatin1Char(':')).toStdString());
        removeTranslators();
        const QString chosen = translations::install(*qApp, kQmFolder, c.desktop);
        EXPECT_EQ(chosen.toStdString(), c.language);
        if (c.confirm != nullptr) {
            EXPECT_EQ(confirmCaption(), QString::fromUtf8(c.confirm));
        } else {
            // 40 % longer, in brackets, with no letter of the English left.
            const QString pseudo = confirmCaption();
            EXPECT_TRUE(pseudo.startsWith(QLatin1Char('[')) && pseudo.endsWith(QLatin1Char(']')))
                << pseudo.toStdString();
            EXPECT_GE(pseudo.size(), 10);
            EXPECT_FALSE(pseudo.contains(QStringLiteral("Confirm")));
        }
    }
    removeTranslators();
}

TEST(Translations, QtsOwnButtonsFollowTheGamesLanguage)
{
    // The message boxes' Yes and No come from Qt's catalogues
    // (qt6-translations-l10n); they pass the same check as the game's own.
    const QString qtGerman = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qtGerman))
        GTEST_SKIP() << "no " << qtGerman.toStdString();
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    removeTranslators();
    ASSERT_EQ(translations::install(*qApp, kQmFolder, {QStringLiteral("de-DE")}), QStringLiteral("de"));
    EXPECT_EQ(yes(), QStringLiteral("&Ja"));
    removeTranslators();
    ASSERT_EQ(translations::install(*qApp, kQmFolder, {QStringLiteral("en-US"), QStringLiteral("de-DE")}), QString());
    EXPECT_EQ(yes(), QStringLiteral("&Yes"));
    removeTranslators();
}

TEST(Translations, AMissingOrDamagedCatalogueLeavesTheEnglishTexts)
{
    // Qt follows the lengths inside a catalogue unchecked: before the check,
    // a damaged source or context length crashed the program at its first
    // text.
    QFile good(kQmFolder + QStringLiteral("/pelbixsolo_de.qm"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray original = good.readAll();
    const qsizetype hashes = original.indexOf(QByteArray("\x42\x00\x00", 3), 16);
    const qsizetype messages = original.indexOf(QByteArray("\x69\x00\x00", 3), hashes);
    ASSERT_GT(hashes, 0);
    ASSERT_GT(messages, hashes);
    const qsizetype source = original.indexOf("Confirm");
    const qsizetype context = original.indexOf("DialogService");
    ASSERT_GT(source, messages);
    ASSERT_GT(context, messages);
    const auto changed = [&](qsizetype at, const char* bytes) {
        QByteArray copy = original;
        copy.replace(at, 4, QByteArray(bytes, 4));
        return copy;
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"not a catalogue", "not a catalogue, just bytes"},
        {"cut in half", original.left(original.size() / 2)},
        {"a message offset past the end", changed(hashes + 5 + 4, "\x00\x7f\xff\xf0")},
        {"a translation longer than the file", changed(messages + 5 + 1, "\x7f\xff\xff\xf0")},
        {"a source text longer than the file", changed(source - 4, "\x58\x00\x00\x07")},
        {"a context longer than the file", changed(context - 4, "\x58\x00\x00\x0d")},
        {"naming another catalogue to load", original + QByteArray("\x96\x00\x00\x00\x04x.qm", 9)},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile damaged(folder.filePath(QStringLiteral("pelbixsolo_de.qm")));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(c.bytes);
        damaged.close();
        removeTranslators();
        EXPECT_FALSE(translations::isSoundCatalogue(c.bytes));
        EXPECT_EQ(translations::install(*qApp, folder.path(), {QStringLiteral("de")}), QString());
        EXPECT_EQ(confirmCaption(), QStringLiteral("Confirm"));
    }
    EXPECT_TRUE(translations::isSoundCatalogue(original));
    removeTranslators();
    EXPECT_EQ(translations::install(*qApp, folder.filePath(QStringLiteral("missing")), {QStringLiteral("de")}),
              QString());
}

TEST(Translations, APipeInPlaceOfACatalogueDoesNotHoldUpTheStart)
{
    // Opening a pipe for reading waits for a writer that never comes.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pelbixsolo_de.qm"))).constData(), 0600), 0);
    removeTranslators();
    EXPECT_EQ(translations::install(*qApp, folder.path(), {QStringLiteral("de")}), QString());
}

TEST(Translations, InstalledCopiesReadTheDataFolderAndPortableOnesTheirOwn)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString games = prefix.filePath(QStringLiteral("games"));
    ASSERT_TRUE(QDir().mkpath(games));
    EXPECT_EQ(ProgramFolder::translationsFolder(games), games + QStringLiteral("/translations/"));

    const QString marker = QDir::cleanPath(games + QStringLiteral("/" PELBIX_INSTALL_MARKER));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(marker).path()));
    QFile(marker).open(QIODevice::WriteOnly);
    EXPECT_EQ(ProgramFolder::translationsFolder(games),
              QDir::cleanPath(games + QStringLiteral("/" PELBIX_TRANSLATIONS_FROM_GAMEDIR)) + QLatin1Char('/'));
    EXPECT_TRUE(ProgramFolder::translationsFolder(games).endsWith(QStringLiteral("/share/pelbixsolo/translations/")));
}

// A page written once per language is read in the catalogue's language, by
// its name or its language alone, and in English where it has none.
TEST(Translations, FilesPerLanguageFollowTheCatalogueAndFallBackToEnglish)
{
    QTemporaryDir pages;
    ASSERT_TRUE(pages.isValid());
    for (const char* folder : {"de", "en", "fr"})
        ASSERT_TRUE(QDir(pages.path()).mkpath(QString::fromLatin1(folder)));
    for (const char* page : {"page.txt", "de/page.txt", "en/page.txt"})
        ASSERT_TRUE(QFile(pages.filePath(QString::fromLatin1(page))).open(QIODevice::WriteOnly));
    const struct {
        const char* desktop;
        const char* page; // relative to the pages' folder
    } cases[] = {
        {"de-AT", "de/page.txt"}, // the Austrian desktop reads the German page
        {"en-XA", "en/page.txt"}, // the pseudo-locale has none of its own
        {"fr", "page.txt"},       // a French folder, but not this page in it
        {"en-US", "page.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.desktop);
        removeTranslators();
        translations::install(*qApp, kQmFolder, {QString::fromLatin1(c.desktop)});
        EXPECT_EQ(translations::localizedFile(pages.path(), QStringLiteral("page.txt")),
                  pages.filePath(QString::fromLatin1(c.page)));
    }
    removeTranslators();
    EXPECT_EQ(translations::language(), QString());
    // The language comes from the catalogue file; one that reads like a
    // path never leads out of the folder.
    for (const char* language : {"../de", "..", "de/..", "..\\de"}) {
        SCOPED_TRACE(language);
        EXPECT_EQ(translations::localizedFile(pages.filePath(QStringLiteral("fr")), QStringLiteral("page.txt"),
                                              QString::fromLatin1(language)),
                  pages.filePath(QStringLiteral("fr/page.txt")));
    }
}
