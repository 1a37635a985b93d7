// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a desktop session ending, Ctrl+C, a
// closed terminal) into a Qt signal on the user-interface thread, so the
// program can close the way its Exit command does instead of dying with
// unsaved settings and tally.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;

signals:
    void requested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};
