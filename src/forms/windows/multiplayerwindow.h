// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include "widgets/urlopener.h"

class PictureBox;
class ClickableLabel;
class SelectButton;
class WebAddress;

// The multiplayer window: two invitation lines and a picture of the
// multiplayer edition, each of which opens its page on the maker's web site.
// Created once at start-up; Done and the close box only hide it.
class MultiplayerWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{569, 407};
    static constexpr QSize kPictureSize{328, 273};

    // With the picture stored in the program.
    explicit MultiplayerWindow(QWidget* parent = nullptr, UrlOpener& urls = UrlOpener::desktop());
    // With the picture decoded from jpeg instead.
    explicit MultiplayerWindow(const QByteArray& jpeg, QWidget* parent = nullptr, UrlOpener& urls = UrlOpener::desktop());

    // The JPEG compiled into the program.
    [[nodiscard]] static QByteArray storedPicture();
    // The picture in jpeg, or a null pixmap when the data is damaged or cut
    // short; then the picture's place stays empty.
    [[nodiscard]] static QPixmap decodePicture(const QByteArray& jpeg);

    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

    void onMakerAddress();
    void onDone();

private:
    WebAddress* m_makerSite = nullptr;
    ClickableLabel* m_headline = nullptr;
    ClickableLabel* m_invitation = nullptr;
    PictureBox* m_picture = nullptr;
    SelectButton* m_done = nullptr;
    bool m_placed = false;
};
