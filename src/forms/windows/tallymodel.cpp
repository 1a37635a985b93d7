// SPDX-License-Identifier: MIT
#include "forms/windows/tallymodel.h"

#include <QDate>
#include <QFile>
#include <QLocale>

#include "core/tally/tallyfile.h"
#include "core/tally/tallystat.h"
#include "platform/translatedtext.h"

namespace {

std::filesystem::path fsPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace

TallyModel::TallyModel(const QString& tallyFile, QObject* parent)
    : QObject(parent), m_path(tallyFile), m_tally(fsPath(tallyFile))
{
}

QString TallyModel::load()
{
    const TallyFile::Loaded loaded = m_tally.load();
    emit tableChanged();
    if (!loaded.error)
        return {};
    QString message = translated(*loaded.error);
    if (!loaded.keptAs.empty())
        message += tr("\n\nThe file has been kept as %1.").arg(QFile::decodeName(loaded.keptAs.c_str()));
    return message;
}

bool TallyModel::save()
{
    try {
        m_tally.save();
    } catch (...) {
        return false;
    }
    emit tableChanged(); // the merge may have brought in another copy's games
    return true;
}

void TallyModel::reset()
{
    m_tally.reset();
    emit tableChanged();
}

QString TallyModel::today() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

void TallyModel::increment(int column)
{
    m_tally.increment(column);
    emit statisticChanged(column);
}

void TallyModel::keepHighest(int column, int value)
{
    m_tally.keepHighest(column, value);
    emit statisticChanged(column);
}

bool TallyModel::enterGame(int score, const std::string& name)
{
    const bool entered = m_tally.enterGame(score, name, today().toStdString());
    emit placesChanged();
    return entered;
}

void TallyModel::addTo(int column, int amount)
{
    m_tally.addTo(column, amount);
    emit statisticChanged(column);
    emit statisticChanged(tallystat::kAverage);
}

// A finished game is on disk at once, not only when the program closes.
void TallyModel::gameFinished() { save(); }
