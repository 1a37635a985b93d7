// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>

class QLabel;
class DialogService;
class TallyModel;

// The tally list window: the ten best games and four statistics of the
// program's tally, kept in step with it. It holds no records of its own.
class TallyListWindow : public QWidget {
    Q_OBJECT
public:
    TallyListWindow(TallyModel& tally, DialogService& dialogs, QWidget* parent = nullptr);

    void onResetTally();
    void onDone();
    void loadtally(); // every label from the table

    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

private:
    void build();
    [[nodiscard]] QLabel* label(const QString& prefix, int number) const;
    void showStatistic(int column);
    void showPlace(int place);
    void showPlaces();

    TallyModel& m_tally;
    DialogService& m_dialogs;
    bool m_placed = false;
};
