// SPDX-License-Identifier: MIT
#include "platform/dialogservice.h"

#include <QApplication>
#include <QMessageBox>

namespace {
// Messages carry file names, servers' and libraries' words and catalogue
// texts: shown as written, never read as markup.
QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::StandardButton preferred = QMessageBox::NoButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(preferred);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString confirmTitle() { return QCoreApplication::translate("DialogService", "Confirm"); }

class MessageBoxes : public DialogService {
public:
    void information(QWidget* parent, const QString& text) override
    {
        showBox(parent, QMessageBox::Information, QApplication::applicationName(), text);
    }
    bool question(QWidget* parent, const QString& text) override
    {
        return showBox(parent, QMessageBox::Question, confirmTitle(), text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
    }
    bool riskyQuestion(QWidget* parent, const QString& text) override
    {
        return showBox(parent, QMessageBox::Question, confirmTitle(), text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::No) == QMessageBox::Yes;
    }
    void error(QWidget* parent, const QString& text) override
    {
        showBox(parent, QMessageBox::Critical, QCoreApplication::translate("DialogService", "Error"), text);
    }
};
} // namespace

DialogService& DialogService::messageBoxes()
{
    static MessageBoxes boxes;
    return boxes;
}
