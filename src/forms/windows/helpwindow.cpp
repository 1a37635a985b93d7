// SPDX-License-Identifier: MIT
#include "forms/windows/helpwindow.h"

#include <QFile>
#include <QLabel>
#include <QTextEdit>

#include "widgets/flatpanel.h"
#include "widgets/selectbutton.h"
#include "forms/windows/aboutwindow.h"
#include "forms/art/formlayout.h"
#include "platform/translations.h"
#include "forms/art/objectnames.h"

namespace {

constexpr int kOtherButtonTag = 10;
constexpr int kCaptionHeight = 20;
constexpr int kPageMargin = 5;

struct PageButton {
    const char* name;
    int tag;
    int top;
    const char* caption;
};

// The page a button shows is "memo" + its tag.
constexpr PageButton kPageButtons[] = {
    {"SelButton1", 1, 8, QT_TRANSLATE_NOOP("HelpWindow", "Overview")},
    {"SelButton3", 3, 32, QT_TRANSLATE_NOOP("HelpWindow", "Game Play")},
    {"SelButton4", 4, 56, QT_TRANSLATE_NOOP("HelpWindow", "Scoring")},
    {"SelButton5", 5, 80, QT_TRANSLATE_NOOP("HelpWindow", "Documentation")},
    {"SelButton6", 6, 104, QT_TRANSLATE_NOOP("HelpWindow", "License")},
};

FlatPanel* placeFramedPanel(QWidget* parent, const QString& name)
{
    auto* panel = new FlatPanel(parent, name);
    panel->setTransparent(true);
    panel->setColorHighLight(clBlack);
    panel->setColorShadow(clBlack);
    return panel;
}

QString pageName(int tag)
{
    return QStringLiteral("memo") + QString::number(tag);
}

// The page's text from the program's resources, in the player's language
// where it has one; an empty page if it is missing, which only a broken
// build can cause.
QString pageText(int tag)
{
    QFile file(translations::localizedFile(QStringLiteral(":/help"), pageName(tag) + QStringLiteral(".txt")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QTextEdit* placePage(QWidget* parent, int tag)
{
    auto* memo = new QTextEdit(parent);
    memo->setObjectName(pageName(tag));
    memo->setReadOnly(true);
    // A caret the keyboard moves, so a screen reader reads the page line
    // by line as the arrows go through it; the page is a Tab stop.
    memo->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    memo->setFocusPolicy(Qt::StrongFocus);
    memo->setTabChangesFocus(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFont(pixelFont(QStringLiteral("Arial"), 11));
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, qcolor(colours::kKhaki));
    pal.setColor(QPalette::Text, Qt::black);
    memo->setPalette(pal);
    memo->document()->setDocumentMargin(kPageMargin);
    memo->setPlainText(pageText(tag));
    return memo;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("help"));
    infowindow::dress(this, tr("Pelbix Solo - Help File"), kClientSize);
    buildSide();
    buildPages();

    auto* layout = new AlignLayout(this);
    layout->setAlign(m_side, ChildAlign::Left);
    layout->setAlign(m_pageArea, ChildAlign::Client);

    showFirstPage();
}

void HelpWindow::buildSide()
{
    m_side = placeFramedPanel(this, QString::fromLatin1(objectname::kSidePanel));
    m_side->resize(kSideWidth, kClientSize.height());

    for (const PageButton& b : kPageButtons) {
        SelectButton* button =
            infowindow::placeSelButton(m_side, QString::fromLatin1(b.name), QRect(7, b.top, 122, 20), b.tag,
                                       tr(b.caption), rgbColor(colours::kHelpButtonText));
        connect(button, &SelectButton::clicked, this, &HelpWindow::onPageButton);
    }
    SelectButton* button_about =
        infowindow::placeSelButton(m_side, QStringLiteral("button_about"), QRect(7, 152, 122, 20), kOtherButtonTag,
                                   tr("About"), rgbColor(colours::kHelpButtonText));
    connect(button_about, &SelectButton::clicked, this, &HelpWindow::onAboutButton);

    m_year = infowindow::placeNotice(m_side, {{12, 336}, {12, 352}, {12, 368}, {12, 384}, {100, 368}}, {});

    SelectButton* button_done =
        infowindow::placeSelButton(m_side, QStringLiteral("button_done"), QRect(18, 404, 95, 20), kOtherButtonTag,
                                   tr("Done"), rgbColor(colours::kHelpButtonText), Qt::AlignHCenter);
    connect(button_done, &SelectButton::clicked, this, &HelpWindow::onDone);
}

void HelpWindow::buildPages()
{
    m_pageArea = placeFramedPanel(this, QString::fromLatin1(objectname::kMainPanel));
    m_pageArea->setGeometry(kSideWidth, 0, kClientSize.width() - kSideWidth, kClientSize.height());

    LabelStyle caption;
    caption.pixels = 16;
    caption.bold = true;
    caption.alignment = Qt::AlignCenter;
    m_caption = placeLabel(m_pageArea, QStringLiteral("label_caption"), QRect(0, 0, 1, kCaptionHeight),
                               tr(kPageButtons[0].caption), caption);
    m_pageArea->alignChild(m_caption, ChildAlign::Top);

    // One page shows at a time: hidden pages are neither Tab stops nor
    // read out.
    for (const PageButton& b : kPageButtons) {
        QTextEdit* memo = placePage(m_pageArea, b.tag);
        m_pageArea->alignChild(memo, ChildAlign::Client);
        if (b.tag == 1)
            m_firstPage = memo;
    }
}

void HelpWindow::showFirstPage()
{
    showPage(m_firstPage);
    m_year->setText(infowindow::currentYear());
    m_year->adjustSize();
}

void HelpWindow::setAboutWindow(AboutWindow* about)
{
    m_about = about;
}

void HelpWindow::showCentredOn(const QWidget* mainWindow)
{
    if (mainWindow != nullptr)
        m_mainWindow = mainWindow;
    infowindow::showCentredOn(this, mainWindow, m_placed);
}

void HelpWindow::onPageButton(SelectButton* sender)
{
    if (auto* page = findChild<QTextEdit*>(pageName(sender->tag())))
        showPage(page);
    m_caption->setText(sender->caption());
}

void HelpWindow::showPage(QTextEdit* page)
{
    for (QTextEdit* each : m_pageArea->findChildren<QTextEdit*>(Qt::FindDirectChildrenOnly))
        each->setVisible(each == page);
    page->raise();
}

void HelpWindow::onAboutButton()
{
    if (m_about)
        m_about->showCentredOn(m_mainWindow);
}

void HelpWindow::onDone()
{
    hide();
}
