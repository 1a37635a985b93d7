// SPDX-License-Identifier: MIT
#include "forms/windows/coachtext.h"

#include <QCoreApplication>

QString coachtext::choice(const Choice& c)
{
    const QString act = c.bank ? QCoreApplication::translate("CoachText", "Bank")
                               : QCoreApplication::translate("CoachText", "Roll %n dice", nullptr, c.diceToRoll);
    if (diceIn(c.kept) == 0)
        return act;
    return QCoreApplication::translate("CoachText", "%1, keep %2").arg(act, QString::fromStdString(facesText(c.kept)));
}
