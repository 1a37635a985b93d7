// SPDX-License-Identifier: MIT
#include "forms/windows/infowindow.h"

#include <QDate>
#include <QLabel>
#include <QPalette>

#include "widgets/selectbutton.h"
#include "widgets/dialogkeys.h"
#include "widgets/clickablelabel.h"
#include "forms/windows/windowaccessibility.h"
#include "widgets/accessiblerole.h"
#include "widgets/textscale.h"

namespace infowindow {

void dress(QWidget* window, const QString& caption, QSize clientSize)
{
    window->setWindowTitle(caption);
    window->resize(clientSize);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, qcolor(colours::kOlive));
    pal.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    // These windows live until the program ends: closing hides them, and a
    // secondary window closed last must not end the program.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    DialogKeys::forWindow(window);
    setAccessibleRole(window, QAccessible::Dialog); // not a filler: its title and labels are read as it opens
    windowaccessibility::describeOnShow(window);
}

void showCentredOn(QWidget* window, const QWidget* mainWindow, bool& placed)
{
    textscale::fitWindow(window);
    if (!placed && mainWindow != nullptr) {
        const QRect main = mainWindow->frameGeometry();
        QSize own = window->frameGeometry().size();
        // Before its first showing a window has no frame yet; expect it to
        // get one like the main window's.
        if (own == window->size())
            own += mainWindow->frameGeometry().size() - mainWindow->size();
        // Integer halves toward zero, and no clamping: a window larger than
        // the main window sticks out on both sides, even off the screen.
        window->move(main.left() + (main.width() - own.width()) / 2, main.top() + (main.height() - own.height()) / 2);
        placed = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

SelectButton* placeSelButton(QWidget* parent, const QString& name, QRect geometry, int tag, const QString& caption,
                           StoredColor captionColor, Qt::Alignment alignment)
{
    auto* button = new SelectButton(parent, name);
    button->setGeometry(geometry);
    button->setTag(tag);
    button->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    button->setFontColor(captionColor);
    button->setColor(rgbColor(colours::kKhaki));
    button->setColorOver(rgbColor(colours::kKhaki));
    button->setColorDown(rgbColor(colours::kKhaki));
    button->setColorBorder(clBlack);
    button->setColorOverCaption(clBlack);
    button->setBorderWidth(1);
    button->setAlignment(alignment);
    button->setCaption(caption);
    return button;
}

ClickableLabel* placeLink(QWidget* parent, const QString& name, QRect geometry, const QString& text, const LabelStyle& style)
{
    auto* label = new ClickableLabel(parent, name);
    styleLabel(label, style);
    label->setText(text);
    label->setGeometry(geometry);
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::TabFocus); // a link the keyboard can follow
    return label;
}

QLabel* placeNotice(QWidget* parent, const NoticePlaces& places, const LabelStyle& style)
{
    const auto line = [&](const char* name, QPoint at, const QString& text) {
        QLabel* label = placeLabel(parent, QString::fromLatin1(name), QRect(at, QSize()), text, style);
        // A longer language keeps to the panel: its words shrink to the room.
        if (label->geometry().right() >= parent->width())
            label->resize(parent->width() - at.x(), label->height());
        return label;
    };
    line("label_product", places.product, QStringLiteral("Pelbix Solo"));
    line("label_maker", places.maker, QStringLiteral("Dravik Software"));
    line("label_copyright", places.copyright, QCoreApplication::translate("InfoWindow", "Copyright (c)"));
    line("label_rights", places.rights, QCoreApplication::translate("InfoWindow", "All rights reserved."));
    return line("label_year", places.year, QString());
}

QString currentYear()
{
    return QString::number(QDate::currentDate().year());
}

} // namespace infowindow
