#include "forms/aboutform.h"

#include <QDate>
#include <QLabel>
#include <QPalette>

#include "controls/selbutton.h"
#include "controls/url.h"
#include "forms/artwork.h"
#include "forms/timage.h"
#include "forms/tlabel.h"
#include "platform/makerhost.h"

namespace {

constexpr TColor kDoneCaption = infowindow::kBackground;

LabelStyle noticeStyle(TColor color = clBlack)
{
    LabelStyle s;
    s.face = QStringLiteral("Times New Roman");
    s.pixels = 13;
    s.bold = true;
    s.color = toQColor(color, QPalette());
    return s;
}

} // namespace

Tabout::Tabout(QWidget* parent) : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("about"));
    infowindow::dress(this, QStringLiteral("Pelbix Solo - About"), kClientSize);
    setFixedSize(kClientSize);

    const QString site = QString::fromStdString(MakerHost::builtIn().authority());
    URL1 = new TURL(this);
    URL1->setObjectName(QStringLiteral("URL1"));
    URL1->setURL(site);
    URL1->setURLType(TURLType::utHttp);

    Image1 = new TImage(this, QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(36, 10), artwork::kAboutLogoSize));
    Image1->setPicture(artwork::logoPicture(artwork::kAboutLogoSize));

    LabelStyle link;
    link.pixels = 16;
    link.bold = true;
    link.underline = true;
    link.alignment = Qt::AlignCenter;
    Label7 = infowindow::placeLink(this, QStringLiteral("Label7"), QRect(8, 72, 289, 20), site, link);
    connect(Label7, &TLabel::clicked, this, &Tabout::Label7Click);

    label_year = infowindow::placeNotice(this, {{4, 122}, {140, 138}, {4, 138}, {4, 154}, {108, 138}}, noticeStyle());
    Label1 = placeLabel(this, QStringLiteral("Label1"), QRect(48, 171, 0, 0), QStringLiteral("Version"), noticeStyle());
    // Fixed at build time: the update check compares the server's version
    // file with this caption.
    version = placeLabel(this, QStringLiteral("version"), QRect(96, 171, 0, 0), QStringLiteral("1.0.2"),
                         noticeStyle(infowindow::kKhaki));
    Label9 = placeLabel(this, QStringLiteral("Label9"), QRect(123, 171, 0, 0), QStringLiteral(".4"),
                        noticeStyle(infowindow::kKhaki));

    button_done = infowindow::placeSelButton(this, QStringLiteral("button_done"), QRect(202, 164, 95, 20), 10,
                                             QStringLiteral("Done"), kDoneCaption, Qt::AlignHCenter);
    connect(button_done, &TSelButton::OnClick, this, &Tabout::Button1Click);

    FormCreate();
}

void Tabout::FormCreate()
{
    label_year->setText(infowindow::currentYear());
    label_year->adjustSize();
}

void Tabout::showCentredOn(const QWidget* mainWindow)
{
    infowindow::showCentredOn(this, mainWindow, m_placed);
}

QString Tabout::versionText() const
{
    return version->text();
}

void Tabout::Label7Click()
{
    (void)URL1->Open(); // nothing to tell the player either way
}

void Tabout::Button1Click()
{
    close();
}

// --- what the information windows share ----------------------------------

namespace infowindow {

void dress(QWidget* window, const QString& caption, QSize clientSize)
{
    window->setWindowTitle(caption);
    window->resize(clientSize);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, toQColor(kBackground, pal));
    pal.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    // These windows live until the program ends: closing hides them, and a
    // secondary window closed last must not end the program.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setAttribute(Qt::WA_QuitOnClose, false);
}

void showCentredOn(QWidget* window, const QWidget* mainWindow, bool& placed)
{
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

TSelButton* placeSelButton(QWidget* parent, const QString& name, QRect geometry, int tag, const QString& caption,
                           TColor captionColor, Qt::Alignment alignment)
{
    auto* button = new TSelButton(parent, name);
    button->setGeometry(geometry);
    button->setTag(tag);
    button->setFont(pixelFont(QStringLiteral("Arial"), 13, true));
    button->setFontColor(captionColor);
    button->setColor(kKhaki);
    button->setColorOver(kKhaki);
    button->setColorDown(kKhaki);
    button->setColorBorder(clBlack);
    button->setColorOverCaption(clBlack);
    button->setBorderWidth(1);
    button->setAlignment(alignment);
    button->setCaption(caption);
    return button;
}

TLabel* placeLink(QWidget* parent, const QString& name, QRect geometry, const QString& text, const LabelStyle& style)
{
    auto* label = new TLabel(parent, name);
    QFont font = pixelFont(style.face, style.pixels, style.bold);
    font.setUnderline(style.underline);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, style.color);
    label->setPalette(pal);
    label->setAlignment(style.alignment);
    label->setText(text);
    label->setGeometry(geometry);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QLabel* placeNotice(QWidget* parent, const NoticePlaces& places, const LabelStyle& style)
{
    const auto line = [&](const char* name, QPoint at, const QString& text) {
        return placeLabel(parent, QString::fromLatin1(name), QRect(at, QSize()), text, style);
    };
    line("label_product", places.product, QStringLiteral("Pelbix Solo"));
    line("label_maker", places.maker, QStringLiteral("Dravik Software"));
    line("label_copyright", places.copyright, QStringLiteral("Copyright (c)"));
    line("label_rights", places.rights, QStringLiteral("All rights reserved."));
    return line("label_year", places.year, QString());
}

QString currentYear()
{
    return QString::number(QDate::currentDate().year());
}

} // namespace infowindow
