// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include "widgets/urlopener.h"

class TImage;
class TLabel;
class TSelButton;
class TURL;

// The multiplayer window: two invitation lines and a picture of the
// multiplayer edition, each of which opens its page on the maker's web site.
// Created once at start-up; Done and the close box only hide it.
class Tmultiplayer : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{569, 407};
    static constexpr QSize kPictureSize{328, 273};

    // With the picture stored in the program.
    explicit Tmultiplayer(QWidget* parent = nullptr, UrlOpener& urls = UrlOpener::desktop());
    // With the picture decoded from jpeg instead.
    explicit Tmultiplayer(const QByteArray& jpeg, QWidget* parent = nullptr, UrlOpener& urls = UrlOpener::desktop());

    // The JPEG compiled into the program.
    [[nodiscard]] static QByteArray storedPicture();
    // The picture in jpeg, or a null pixmap when the data is damaged or cut
    // short; then the picture's place stays empty.
    [[nodiscard]] static QPixmap decodePicture(const QByteArray& jpeg);

    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

    void Label6Click();
    void button_doneClick();

private:
    TURL* URL1 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label1 = nullptr;
    TImage* Image1 = nullptr;
    TSelButton* button_done = nullptr;
    bool m_placed = false;
};
