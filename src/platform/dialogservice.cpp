// SPDX-License-Identifier: MIT
#include "platform/dialogservice.h"

#include <QApplication>
#include <QMessageBox>

namespace {
class MessageBoxes : public DialogService {
public:
    void information(QWidget* parent, const QString& text) override
    {
        QMessageBox::information(parent, QApplication::applicationName(), text);
    }
    bool question(QWidget* parent, const QString& text) override
    {
        return QMessageBox::question(parent, QCoreApplication::translate("DialogService", "Confirm"), text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
               == QMessageBox::Yes;
    }
    bool riskyQuestion(QWidget* parent, const QString& text) override
    {
        return QMessageBox::question(parent, QCoreApplication::translate("DialogService", "Confirm"), text,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               == QMessageBox::Yes;
    }
    void error(QWidget* parent, const QString& text) override
    {
        QMessageBox::critical(parent, QCoreApplication::translate("DialogService", "Error"), text);
    }
};
} // namespace

DialogService& DialogService::messageBoxes()
{
    static MessageBoxes boxes;
    return boxes;
}
