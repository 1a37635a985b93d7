// SPDX-License-Identifier: MIT
#pragma once
#include <QWidget>

// News for a screen reader. Orca drops name changes but speaks a
// notification as it turns up, so each piece of news names this otherwise
// empty one-pixel corner of parent and shows it afresh.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Says text; nothing for an empty one.
    void announce(const QString& text);

signals:
    // Each announcement as the screen reader is told it.
    void announced(const QString& text);
};
