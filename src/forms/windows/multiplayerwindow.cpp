// SPDX-License-Identifier: MIT
#include "forms/windows/multiplayerwindow.h"

#include <QFile>

#include "widgets/selectbutton.h"
#include "widgets/webaddress.h"
#include "forms/windows/infowindow.h"
#include "forms/art/formlayout.h"
#include "forms/windows/jpegpicture.h"
#include "widgets/picturebox.h"
#include "widgets/clickablelabel.h"
#include "platform/makerhost.h"

namespace {

const QString kPicturePath = QStringLiteral(":/pictures/multiplayer.jpg");
const QString kMultiplayerPath = QStringLiteral("/multiplayer/");

// Every complete JPEG ends with this marker. libjpeg pads a file cut short
// with grey and calls it a picture; a cut-off picture is better not shown.
const QByteArray kEndOfImage = QByteArrayLiteral("\xFF\xD9");

ClickableLabel* placeInvitation(QWidget* parent, const QString& name, QRect geometry, int pixels, const QString& text)
{
    LabelStyle s;
    s.face = QStringLiteral("Times New Roman");
    s.pixels = pixels;
    s.bold = true;
    s.color = qcolor(colours::kInvitation);
    s.alignment = Qt::AlignHCenter | Qt::AlignTop;
    ClickableLabel* label = infowindow::placeLink(parent, name, geometry, text, s);
    label->setWordWrap(true);
    return label;
}

} // namespace

MultiplayerWindow::MultiplayerWindow(QWidget* parent, UrlOpener& urls) : MultiplayerWindow(storedPicture(), parent, urls) {}

MultiplayerWindow::MultiplayerWindow(const QByteArray& jpeg, QWidget* parent, UrlOpener& urls)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("multiplayer"));
    infowindow::dress(this, tr("Pelbix Solo - Multiplayer"), kClientSize);
    setFixedSize(kClientSize);

    m_makerSite = new WebAddress(this, urls);
    m_makerSite->setObjectName(QStringLiteral("URL1"));
    m_makerSite->setURL(QString::fromStdString(MakerHost::builtIn().authority()) + kMultiplayerPath);
    m_makerSite->setURLType(WebAddressType::Http);

    m_headline = placeInvitation(this, QStringLiteral("Label6"), QRect(0, 16, 563, 23), 16,
                             tr("Pelbix Solo has a multiplayer edition on the Dravik Software web site!"));
    m_invitation = placeInvitation(this, QStringLiteral("Label1"), QRect(32, 48, 489, 41), 19,
                             tr("Click here to learn how to play Pelbix against other people "
                                            "on the Dravik Software game service!"));
    m_picture = new PictureBox(this, QStringLiteral("Image1"));
    m_picture->setGeometry(QRect(QPoint(120, 96), kPictureSize));
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->setPictureSource([jpeg] { return decodePicture(jpeg); });
    connect(m_headline, &ClickableLabel::clicked, this, &MultiplayerWindow::onMakerAddress);
    connect(m_invitation, &ClickableLabel::clicked, this, &MultiplayerWindow::onMakerAddress);
    connect(m_picture, &PictureBox::clicked, this, &MultiplayerWindow::onMakerAddress);

    m_done = infowindow::placeSelButton(this, QStringLiteral("button_done"), QRect(450, 380, 95, 20), 10,
                                             tr("Done"), rgbColor(colours::kOlive), Qt::AlignHCenter);
    connect(m_done, &SelectButton::clicked, this, &MultiplayerWindow::onDone);
}

QByteArray MultiplayerWindow::storedPicture()
{
    QFile file(kPicturePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QPixmap MultiplayerWindow::decodePicture(const QByteArray& jpeg)
{
    if (!jpeg.endsWith(kEndOfImage))
        return {};
    const QImage image = decodeJpeg(jpeg);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

void MultiplayerWindow::showCentredOn(const QWidget* mainWindow)
{
    infowindow::showCentredOn(this, mainWindow, m_placed);
}

void MultiplayerWindow::onMakerAddress()
{
    (void)m_makerSite->Open(); // nothing to tell the player either way
}

void MultiplayerWindow::onDone()
{
    close();
}
