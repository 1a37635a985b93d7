// SPDX-License-Identifier: MIT
#include "platform/translatedtext.h"

#include <QCoreApplication>

QString translated(const PlayerText& text)
{
    return QString::fromStdString(text.text([](const char* context, const char* pattern) {
        return QCoreApplication::translate(context, pattern).toStdString();
    }));
}
