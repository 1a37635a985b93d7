// SPDX-License-Identifier: MIT
#pragma once
#include "platform/dialogservice.h"

#include <QList>
#include <QString>

// For tests: records every box a window asks for and answers questions from
// a queue (then with defaultAnswer).
class RecordingDialogService : public DialogService {
public:
    enum class Kind { Information, Question, RiskyQuestion, Error };
    struct Shown {
        Kind kind;
        QString text;
    };

    void information(QWidget*, const QString& text) override { shown.append({Kind::Information, text}); }
    bool question(QWidget*, const QString& text) override
    {
        shown.append({Kind::Question, text});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }
    bool riskyQuestion(QWidget*, const QString& text) override
    {
        shown.append({Kind::RiskyQuestion, text});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }
    void error(QWidget*, const QString& text) override { shown.append({Kind::Error, text}); }

    QList<Shown> shown;
    QList<bool> answers;
    bool defaultAnswer = false;
};
