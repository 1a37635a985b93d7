// SPDX-License-Identifier: MIT
#include "forms/windows/aboutwindow.h"

#include <QDate>
#include <QLabel>
#include <QPalette>

#include "widgets/selectbutton.h"
#include "widgets/webaddress.h"
#include "forms/art/artwork.h"
#include "widgets/picturebox.h"
#include "widgets/clickablelabel.h"
#include "platform/makerhost.h"

namespace {

constexpr StoredColor kDoneCaption = rgbColor(colours::kOlive);

LabelStyle noticeStyle(StoredColor color = clBlack)
{
    LabelStyle s;
    s.face = QStringLiteral("Times New Roman");
    s.pixels = 13;
    s.bold = true;
    s.color = toQColor(color, QPalette());
    return s;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent, UrlOpener& urls) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("about"));
    infowindow::dress(this, tr("Pelbix Solo - About"), kClientSize);
    setFixedSize(kClientSize);

    const QString site = QString::fromStdString(MakerHost::builtIn().authority());
    makerSite = new WebAddress(this, urls);
    makerSite->setObjectName(QStringLiteral("URL1"));
    makerSite->setURL(site);
    makerSite->setURLType(WebAddressType::Http);

    m_logo = new PictureBox(this, QStringLiteral("Image1"));
    m_logo->setGeometry(QRect(QPoint(36, 10), artwork::kAboutLogoSize));
    m_logo->setPictureSource([] { return artwork::logoPicture(artwork::kAboutLogoSize); });

    LabelStyle link;
    link.pixels = 16;
    link.bold = true;
    link.underline = true;
    link.alignment = Qt::AlignCenter;
    m_siteLink = infowindow::placeLink(this, QStringLiteral("Label7"), QRect(8, 72, 289, 20), site, link);
    connect(m_siteLink, &ClickableLabel::clicked, this, &AboutWindow::onMakerAddress);

    m_year = infowindow::placeNotice(this, {{4, 122}, {140, 138}, {4, 138}, {4, 154}, {108, 138}}, noticeStyle());
    m_versionCaption = placeLabel(this, QStringLiteral("Label1"), QRect(48, 171, 0, 0), tr("Version"), noticeStyle());
    // Fixed at build time: the update check compares the server's version
    // file with this caption.
    m_version = placeLabel(this, QStringLiteral("version"), QRect(96, 171, 0, 0), QLatin1String(kVersion),
                         noticeStyle(rgbColor(colours::kKhaki)));
    m_versionTail = placeLabel(this, QStringLiteral("Label9"), QRect(123, 171, 0, 0), QStringLiteral(".4"),
                        noticeStyle(rgbColor(colours::kKhaki)));

    m_done = infowindow::placeSelButton(this, QStringLiteral("button_done"), QRect(202, 164, 95, 20), 10,
                                             tr("Done"), kDoneCaption, Qt::AlignHCenter);
    connect(m_done, &SelectButton::clicked, this, &AboutWindow::onDone);

    m_year->setText(infowindow::currentYear());
    m_year->adjustSize();
}

void AboutWindow::showCentredOn(const QWidget* mainWindow)
{
    infowindow::showCentredOn(this, mainWindow, m_placed);
}

QString AboutWindow::versionText() const
{
    return m_version->text();
}

void AboutWindow::onMakerAddress()
{
    (void)makerSite->Open(); // nothing to tell the player either way
}

void AboutWindow::onDone()
{
    close();
}

// --- what the information windows share ----------------------------------
