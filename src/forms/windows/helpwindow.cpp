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
    layout->setAlign(panel_side, ChildAlign::Left);
    layout->setAlign(panel_main, ChildAlign::Client);

    showFirstPage();
}

void HelpWindow::buildSide()
{
    panel_side = placeFramedPanel(this, QString::fromLatin1(objectname::kSidePanel));
    panel_side->resize(kSideWidth, kClientSize.height());

    for (const PageButton& b : kPageButtons) {
        SelectButton* button =
            infowindow::placeSelButton(panel_side, QString::fromLatin1(b.name), QRect(7, b.top, 122, 20), b.tag,
                                       tr(b.caption), rgbColor(colours::kHelpButtonText));
        connect(button, &SelectButton::clicked, this, &HelpWindow::onPageButton);
    }
    SelectButton* button_about =
        infowindow::placeSelButton(panel_side, QStringLiteral("button_about"), QRect(7, 152, 122, 20), kOtherButtonTag,
                                   tr("About"), rgbColor(colours::kHelpButtonText));
    connect(button_about, &SelectButton::clicked, this, &HelpWindow::onAboutButton);

    label_year = infowindow::placeNotice(panel_side, {{12, 336}, {12, 352}, {12, 368}, {12, 384}, {100, 368}}, {});

    SelectButton* button_done =
        infowindow::placeSelButton(panel_side, QStringLiteral("button_done"), QRect(18, 404, 95, 20), kOtherButtonTag,
                                   tr("Done"), rgbColor(colours::kHelpButtonText), Qt::AlignHCenter);
    connect(button_done, &SelectButton::clicked, this, &HelpWindow::onDone);
}

void HelpWindow::buildPages()
{
    panel_main = placeFramedPanel(this, QString::fromLatin1(objectname::kMainPanel));
    panel_main->setGeometry(kSideWidth, 0, kClientSize.width() - kSideWidth, kClientSize.height());

    LabelStyle caption;
    caption.pixels = 16;
    caption.bold = true;
    caption.alignment = Qt::AlignCenter;
    label_caption = placeLabel(panel_main, QStringLiteral("label_caption"), QRect(0, 0, 1, kCaptionHeight),
                               tr(kPageButtons[0].caption), caption);
    panel_main->alignChild(label_caption, ChildAlign::Top);

    // One page shows at a time: hidden pages are neither Tab stops nor
    // read out.
    for (const PageButton& b : kPageButtons) {
        QTextEdit* memo = placePage(panel_main, b.tag);
        panel_main->alignChild(memo, ChildAlign::Client);
        if (b.tag == 1)
            memo1 = memo;
    }
}

void HelpWindow::showFirstPage()
{
    showPage(memo1);
    label_year->setText(infowindow::currentYear());
    label_year->adjustSize();
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
    label_caption->setText(sender->caption());
}

void HelpWindow::showPage(QTextEdit* page)
{
    for (QTextEdit* each : panel_main->findChildren<QTextEdit*>(Qt::FindDirectChildrenOnly))
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
