// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>

#include "core/game/tallyreports.h"
#include "core/tally/tally.h"

class QLabel;
class DialogService;

// The tally list window: the ten best games and four statistics. Its table
// is read from the tally file when the window is created and written back
// when it is destroyed; in between, every report from the game changes the
// table and the labels together.
class Ttallylist : public QWidget, public TallyReports {
    Q_OBJECT
public:
    Ttallylist(const QString& tallyFile, DialogService& dialogs, QWidget* parent = nullptr);
    ~Ttallylist() override;

    // Reports from the game.
    void addtomineincrease(int column) override;
    void postscore(int column, int value) override;
    bool checkscore(int score, const std::string& name) override;
    void addscore(int column, int amount) override;

    void button_resetClick();
    void button_doneClick();
    void loadtally(); // every label from the table
    // Adds this run's games to the tally file now (another running copy may
    // have written it meanwhile); false when it could not be written (the
    // previous file then stays whole).
    bool saveTally();

    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

    [[nodiscard]] const TallyTable& table() const { return m_tally.table(); }
    [[nodiscard]] const QString& tallyPath() const { return m_path; }

    // Today's date as new entries carry it: the user's short date format.
    [[nodiscard]] static QString today();

private:
    void FormCreate();
    void FormDestroy();
    void build();
    [[nodiscard]] QLabel* label(const QString& prefix, int number) const;
    void showStatistic(int column);
    void showPlace(int place);

    QString m_path;
    Tally m_tally;
    DialogService& m_dialogs;
    bool m_placed = false;
};
