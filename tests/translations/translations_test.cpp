// SPDX-License-Identifier: MIT
#include "platform/programfolder.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

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

TEST(Translations, AMissingOrBrokenCatalogueLeavesTheEnglishTexts)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile broken(folder.filePath(QStringLiteral("pelbixsolo_de.qm")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a catalogue, just bytes");
    broken.close();
    for (const QString& where : {folder.path(), folder.filePath(QStringLiteral("missing"))}) {
        removeTranslators();
        EXPECT_EQ(translations::install(*qApp, where, {QStringLiteral("de")}), QString());
        EXPECT_EQ(confirmCaption(), QStringLiteral("Confirm"));
    }
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
