// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QString>

#include "core/game/tallyreports.h"
#include "core/tally/tally.h"

// The program's tally: the table the game reports into, read from the
// tally file once at start-up and written back explicitly, when a game ends
// and when the program closes. It belongs to the program, not to a window;
// the tally list window only shows it.
class TallyModel : public QObject, public TallyReports {
    Q_OBJECT
public:
    explicit TallyModel(const QString& tallyFile, QObject* parent = nullptr);

    // Reads the tally file. Returns what the player must be told about a
    // damaged or unreadable file, empty when there is nothing to tell.
    QString load();
    // Adds this run's games to the tally file now (another running copy may
    // have written it meanwhile); false when it could not be written (the
    // previous file then stays whole).
    bool save();
    // RESET TALLY: every statistic and place emptied.
    void reset();

    // Reports from the game.
    void increment(int column) override;
    void keepHighest(int column, int value) override;
    bool enterGame(int score, const std::string& name) override;
    void addTo(int column, int amount) override;
    void gameFinished() override;

    [[nodiscard]] const TallyTable& table() const { return m_tally.table(); }
    [[nodiscard]] const QString& path() const { return m_path; }

    // Today's date as new entries carry it: the user's short date format.
    [[nodiscard]] static QString today();

signals:
    void statisticChanged(int column);
    void placesChanged();
    void tableChanged(); // all of it: loaded, saved (merged) or reset

private:
    QString m_path;
    Tally m_tally;
};
