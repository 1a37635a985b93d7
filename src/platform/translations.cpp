// SPDX-License-Identifier: MIT
#include "platform/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const QString kCatalogue = QStringLiteral("pelbixsolo_");
const QString kEnglish = QStringLiteral("en");

bool installCatalogue(QCoreApplication& app, const QString& path)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}
} // namespace

QString translations::install(QCoreApplication& app, const QString& folder, const QStringList& uiLanguages)
{
    for (QString name : uiLanguages) {
        // The desktop says "de-AT", the catalogues are named "de_AT".
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        for (const QString& candidate : {name, language}) {
            if (candidate.isEmpty() || candidate.contains(QLatin1Char('/')))
                continue;
            const QString path = folder + QLatin1Char('/') + kCatalogue + candidate + QStringLiteral(".qm");
            if (QFileInfo::exists(path) && installCatalogue(app, path)) {
                // The standard buttons' texts come with Qt where installed.
                const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
                const QString qtBase = qtFolder + QStringLiteral("/qtbase_") + language + QStringLiteral(".qm");
                if (QFileInfo::exists(qtBase))
                    installCatalogue(app, qtBase);
                return candidate;
            }
        }
        if (language == kEnglish)
            return {};
    }
    return {};
}
